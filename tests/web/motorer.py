# SPDX-License-Identifier: GPL-3.0-or-later
"""The browsers the web edition is tested in, and what every browser test shares.

Chromium (headless, chromedriver) and WebKit (Debian's WebKitGTK MiniBrowser driven by
WebKitWebDriver on a virtual X display) start from the same call, at a device pixel ratio and
a viewport size:

    d = motorer.start("webkit", tetthet=2, bredde=768, hoeyde=1024)
    ...
    motorer.stopp(d)

Scripts that must run before the page's own (recording the canvas calls, taking WebAssembly
away) are put into the page by the test server, `Tjener.forhaand`, so that they work alike in
both engines.

A test file subclasses `Sidetest` and ends with `motorer.kjoer()`; it is run as

    test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett; the engine: chromium)
"""
import re
import atexit
import functools
import http.server
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import warnings

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.webkitgtk.options import Options as WebKitValg

# Selenium 4.8 warns of its own conversion of the capabilities.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="selenium")

MOTORER = ("chromium", "webkit")
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
# The viewport sizes and pixel ratios the edition is checked at: a Chromebook, a tablet held
# across and upright.
STOERRELSER = ((1366, 768), (1024, 768), (768, 1024))
TETTHETER = (1, 2)

# Set by kjoer() from the command line.
MAPPE = None
MOTOR = "chromium"


class Tjener:
    """The folder on an http://127.0.0.1 port, as a school's plain web server serves it, with
    the scripts of `forhaand` run before the page's own in every page it sends."""

    def __init__(self, mappe):
        tjener = self
        self.forhaand = []
        # The scripts written into the page instead of sent as a script of their own: no
        # request of the tests' own in the timings of the start; but a page the service worker
        # kept then brings the scripts it was kept with.
        self.forhaand_i_siden = False
        self.nett = True
        self.erstatt = {}  # path: contents sent instead of the folder's file (a new build)

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def do_GET(self):
                if not tjener.nett:
                    # The network switched off: the connection is dropped unanswered.
                    self.close_connection = True
                    return
                sti = self.path.split("?", 1)[0]
                if sti == "/__forhaand.js":
                    return self.send(";\n".join(tjener.forhaand).encode(), "text/javascript")
                if sti in tjener.erstatt:
                    art = "text/html" if sti.endswith(("/", ".html")) else "text/javascript"
                    return self.send(tjener.erstatt[sti], art)
                if sti in ("/", "/index.html"):
                    with open(os.path.join(mappe, "index.html"), "rb") as f:
                        side = f.read()
                    skript = b'<script src="__forhaand.js"></script>'
                    if tjener.forhaand_i_siden:
                        skript = b"<script>" + ";\n".join(tjener.forhaand).encode() + b"</script>"
                    side = side.replace(b"<head>", b"<head>\n" + skript, 1)
                    return self.send(side, "text/html; charset=utf-8")
                return super().do_GET()

            def send(self, innhold, art):
                self.send_response(200)
                self.send_header("Content-Type", art)
                self.send_header("Content-Length", str(len(innhold)))
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                self.wfile.write(innhold)

        class Server(http.server.ThreadingHTTPServer):
            daemon_threads = True

            def handle_error(self, request, client_address):
                # A browser that quits mid-download (the service worker's cache) is no fault.
                if not isinstance(sys.exc_info()[1], ConnectionError):
                    super().handle_error(request, client_address)

        self.tjener = Server(("127.0.0.1", 0), functools.partial(Handler, directory=mappe))
        threading.Thread(target=self.tjener.serve_forever, daemon=True).start()
        self.adresse = "http://127.0.0.1:%d/" % self.tjener.server_port

    def stopp(self):
        self.tjener.shutdown()
        self.tjener.server_close()


class _Skjerm:
    """One virtual X display for every WebKit window of the run, large enough for the largest
    viewport at ratio 2."""

    def __init__(self):
        les, skriv = os.pipe()
        self.prosess = subprocess.Popen(
            ["Xvfb", "-displayfd", str(skriv), "-screen", "0", "2800x2200x24", "-nolisten",
             "tcp"], pass_fds=[skriv], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(skriv)
        nummer = b""
        while not nummer.endswith(b"\n"):
            del_ = os.read(les, 16)
            if not del_:
                raise RuntimeError("Xvfb startet ikke")
            nummer += del_
        os.close(les)
        self.navn = ":" + nummer.decode().strip()
        atexit.register(self.stopp)

    def stopp(self):
        if self.prosess.poll() is None:
            self.prosess.terminate()
            self.prosess.wait()


_skjerm = None


def _ledig_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def _chromium(tetthet, bredde, hoeyde, sprak):
    profil = tempfile.mkdtemp(prefix="balvo-chromium-")
    valg = webdriver.ChromeOptions()
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
              "--no-first-run", "--disable-background-networking",
              "--disable-component-update", "--disable-sync", "--user-data-dir=" + profil,
              "--force-device-scale-factor=%g" % tetthet,
              "--window-size=%d,%d" % (bredde, hoeyde), "--lang=" + sprak):
        valg.add_argument(a)
    valg.add_experimental_option("prefs", {"intl.accept_languages": sprak})
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=valg)
    d.balvo_rydd = lambda: shutil.rmtree(profil, ignore_errors=True)
    return d


def _webkit(tetthet, bredde, hoeyde):
    global _skjerm
    if _skjerm is None:
        _skjerm = _Skjerm()
    port = _ledig_port()
    miljoe = dict(os.environ, DISPLAY=_skjerm.navn, GDK_SCALE="%d" % tetthet,
                  GDK_DPI_SCALE="1", NO_AT_BRIDGE="1")
    miljoe.pop("WAYLAND_DISPLAY", None)
    driver = subprocess.Popen(["/usr/bin/WebKitWebDriver", "--port=%d" % port], env=miljoe,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    valg = WebKitValg()
    valg.binary_location = MINIBROWSER
    valg.add_argument("--automation")
    slutt = time.time() + 20
    while True:
        try:
            d = webdriver.Remote(command_executor="http://127.0.0.1:%d" % port, options=valg)
            break
        except Exception:
            if time.time() > slutt or driver.poll() is not None:
                driver.terminate()
                raise
            time.sleep(0.1)

    def rydd():
        driver.terminate()
        driver.wait()

    d.balvo_rydd = rydd
    return d


def start(motor=None, tetthet=1, bredde=1366, hoeyde=900, sprak="nb-NO"):
    """A fresh browser (a new profile) of `motor` whose page is `bredde` x `hoeyde` CSS pixels at
    `tetthet` device pixels to a CSS pixel. `sprak` is the language Chromium asks pages for;
    WebKitGTK takes it from the system's locale, so a test of another language sets
    navigator.languages through `Tjener.forhaand`."""
    motor = motor or MOTOR
    if motor == "chromium":
        d = _chromium(tetthet, bredde, hoeyde, sprak)
    elif motor == "webkit":
        d = _webkit(tetthet, bredde, hoeyde)
    else:
        raise ValueError("ukjent nettlesermotor: " + motor)
    d.balvo_motor = motor
    try:
        sett_stoerrelse(d, bredde, hoeyde)
    except Exception:
        stopp(d)
        raise
    return d


def sett_stoerrelse(d, bredde, hoeyde):
    """Sizes the window so that the page itself (innerWidth x innerHeight) is `bredde` x
    `hoeyde`, whatever the window's own frame takes."""
    for _ in range(6):
        b, h = d.execute_script("return [innerWidth, innerHeight]")
        if (b, h) == (bredde, hoeyde):
            return
        rute = d.get_window_size()
        ny_b, ny_h = rute["width"] + bredde - b, rute["height"] + hoeyde - h
        if ny_b <= 0 or ny_h <= 0:
            # The window and the page do not yet agree on the last resize (WebKit at ratio 2
            # reports them a moment apart): asked again shortly.
            time.sleep(0.2)
            continue
        d.set_window_size(ny_b, ny_h)
    b, h = d.execute_script("return [innerWidth, innerHeight]")
    if (b, h) != (bredde, hoeyde):
        raise RuntimeError("vinduet ble %dx%d, ikke %dx%d" % (b, h, bredde, hoeyde))


def vent(vilkaar, tid=10):
    """Waits until vilkaar() holds; fails the test after `tid` seconds."""
    slutt = time.time() + tid
    while not vilkaar():
        if time.time() > slutt:
            raise AssertionError("ventet forgjeves")
        time.sleep(0.05)


def last(d, adresse, tom=False):
    """Loads the page (emptied of what it stored) and waits until the program is ready."""
    d.get(adresse)
    if tom:
        d.execute_script("try { localStorage.clear() } catch (e) {}")
        d.get(adresse)
    vent(lambda: d.execute_script("return document.body.dataset.klar") == "1")


def stopp(d):
    try:
        d.quit()
    finally:
        d.balvo_rydd()


class Sidetest(unittest.TestCase):
    """A browser of the engine given on the command line and the test server for the whole
    class; every test starts on a freshly loaded page with nothing stored. The helpers work
    the page as a pupil does."""

    TETTHET = 1
    BREDDE, HOEYDE = 1366, 900
    FORHAAND = ()  # scripts run before the page's own in every test of the class

    @classmethod
    def setUpClass(cls):
        cls.motor = MOTOR
        cls.tjener = Tjener(MAPPE)
        cls.tjener.forhaand = list(cls.FORHAAND)
        cls.d = start(cls.motor, cls.TETTHET, cls.BREDDE, cls.HOEYDE)

    @classmethod
    def tearDownClass(cls):
        stopp(cls.d)
        cls.tjener.stopp()

    def setUp(self):
        self.tjener.forhaand = list(self.FORHAAND)
        self.tjener.nett = True
        self.last(tom=True)

    def last(self, tom=False, d=None):
        last(d or self.d, self.tjener.adresse, tom)

    # --- helpers ---------------------------------------------------------------------------

    def vent(self, vilkaar, tid=10):
        vent(vilkaar, tid)

    def e(self, id):
        return self.d.find_element(By.ID, id)

    def klikk(self, *ider):
        for id in ider:
            self.e(id).click()
            self.rolig()

    def rolig(self):
        """Waits until the program has handled everything it was given."""
        self.d.execute_async_script(
            "const ferdig = arguments[0]; requestAnimationFrame(() => setTimeout(ferdig, 0));")

    def opplest(self):
        """The worksheet's rows as the live region reads them (empty rows left out)."""
        tekst = self.d.execute_script(
            "return [...document.querySelectorAll('#linjer p')].map(p => p.textContent)")
        return [t for t in tekst if t]

    def linjer(self):
        """The equations of the rows the live region reads, without "Oppgave:", "Linje n:" and
        ", løst" around them."""
        return [re.sub(r"^(Oppgave|Linje \d+): |, løst$", "", t) for t in self.opplest()]

    def verdier(self):
        return tuple(self.e(id).get_attribute("textContent") for id in ("Nivaa", "Loeste", "Poeng"))

    def brukbare(self):
        return self.d.execute_script(
            "return [...document.querySelectorAll('#klientflate button.tast')]"
            ".filter(b => !b.disabled).map(b => b.id).sort()")

    def melding(self):
        """Title, text and visible buttons of the open message box, or None."""
        if not self.d.execute_script("return document.getElementById('meldingsboks').open"):
            return None
        knapper = [k.text for k in self.d.find_elements(By.CSS_SELECTOR, "#meldingsboks button")
                   if k.is_displayed()]
        return (self.e("meldingstittel").text,
                self.e("meldingstekst").get_attribute("textContent"), knapper)

    def svar(self, knapp):
        self.d.find_element(By.CSS_SELECTOR, "#meldingsboks button[value=%s]" % knapp).click()
        self.rolig()

    def meny(self, meny, punkt):
        self.klikk(meny)
        self.d.find_element(By.CSS_SELECTOR, "[data-n='%s']" % punkt).click()
        self.rolig()

    def egen(self, *koeff):
        """An own equation a x² + b x + c = d x² + e x + f from the dialog "Egen likning"."""
        self.meny("Meny", "egendef")
        for k, tekst in enumerate(koeff):
            boks = self.e("koeff_%d" % k)
            boks.clear()
            boks.send_keys(tekst)
        self.klikk("OK")

    def taster(self, tekst):
        self.d.find_element(By.TAG_NAME, "body").send_keys(tekst)
        self.rolig()


def kjoer():
    """Runs the test file's tests: FOLDER [chromium|webkit] on the command line."""
    global MAPPE, MOTOR
    MAPPE = os.path.abspath(sys.argv.pop(1))
    if len(sys.argv) > 1 and sys.argv[1] in MOTORER:
        MOTOR = sys.argv.pop(1)
    unittest.main(verbosity=2)
