#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web edition on the pupils' devices: one engine at the pixel ratios and viewport sizes of
a Chromebook and a tablet held across and upright. Each device gets a fresh browser.

    enheter_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import io
import itertools
import os
import re
import tempfile
import time
import unittest

import numpy
from PIL import Image

import motorer

# Every bar and stroke drawn on a worksheet row or operand field, in the canvas's own pixels:
# [canvas, "r", x, y, w, h] for a filled rectangle, [canvas, "s", x1, y1, x2, y2, width] for a
# stroke.
BLEKK = """{
window.__blekk = [];
const p = CanvasRenderingContext2D.prototype;
const fyll = p.fillRect, flytt = p.moveTo, trekk = p.lineTo;
const vis = c => /^(Linje|opfelt)/.test(c.id);
p.fillRect = function (x, y, w, h) {
    if (vis(this.canvas)) window.__blekk.push([this.canvas.id, 'r', x, y, w, h]);
    return fyll.call(this, x, y, w, h);
};
p.moveTo = function (x, y) { this.__fra = [x, y]; return flytt.call(this, x, y); };
p.lineTo = function (x, y) {
    if (vis(this.canvas))
        window.__blekk.push([this.canvas.id, 's', ...this.__fra, x, y, this.lineWidth]);
    return trekk.call(this, x, y);
};
}"""

# Darker than this (0-255) is ink: black and dark blue are below 40, the faint grey of a bar
# the browser shrank is above 120.
MOERK = 100


def png_stoerrelse(png):
    """Width and height of a PNG file's picture, from its header."""
    return int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")


class Ikon(unittest.TestCase):
    def test_ikonet_fyller_ruten(self):
        """Every icon the manifest names is the size it says, and its picture reaches nearly
        from edge to edge (not a small picture in a corner)."""
        import json
        with open(os.path.join(motorer.MAPPE, "manifest.webmanifest"), encoding="utf-8") as f:
            ikoner = json.load(f)["icons"]
        self.assertGreaterEqual(len(ikoner), 2)
        for ikon in ikoner:
            with self.subTest(ikon["src"]):
                bilde = Image.open(os.path.join(motorer.MAPPE, ikon["src"])).convert("L")
                b, h = bilde.size
                self.assertEqual("%dx%d" % (b, h), ikon["sizes"])
                venstre, topp, hoeyre, bunn = Image.eval(bilde, lambda v: 255 - v).getbbox()
                self.assertGreaterEqual((hoeyre - venstre) / b, 0.85)
                self.assertGreaterEqual((bunn - topp) / h, 0.75)
                # Centred: the margins left and right differ by at most a pixel or two.
                self.assertLessEqual(abs(venstre - (b - hoeyre)), 2)


class Enheter(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tjener = motorer.Tjener(motorer.MAPPE)

    @classmethod
    def tearDownClass(cls):
        cls.tjener.stopp()

    def enheter(self):
        """(ratio, width, height, browser) for every device, each browser stopped after use."""
        for tetthet, (bredde, hoeyde) in itertools.product(motorer.TETTHETER,
                                                           motorer.STOERRELSER):
            with self.subTest(tetthet=tetthet, bredde=bredde, hoeyde=hoeyde):
                d = motorer.start(motorer.MOTOR, tetthet, bredde, hoeyde)
                try:
                    motorer.last(d, self.tjener.adresse)
                    yield tetthet, bredde, hoeyde, d
                finally:
                    motorer.stopp(d)

    def test_enheten_er_som_bedt(self):
        """The page is the size asked for at the ratio asked for, and a screenshot has one
        pixel per device pixel: the ground the ink and size checks stand on."""
        for tetthet, bredde, hoeyde, d in self.enheter():
            self.assertEqual(d.execute_script(
                "return [devicePixelRatio, innerWidth, innerHeight]"), [tetthet, bredde, hoeyde])
            self.assertEqual(png_stoerrelse(d.get_screenshot_as_png()),
                             (bredde * tetthet, hoeyde * tetthet))

# The first drawn line and the main thread after it: "Ny oppgave" pressed as soon as the page
# is ready; the time of the first text on the top row (from the start of navigation); then,
# for 1.5 seconds, a chain of zero timeouts whose longest gap is the longest time a timer
# waited for the main thread, and the longest of the page's own handlers (its calls into the
# program) after the first line. The gap may span two tasks: the end of the one that drew the
# line and the engine's painting of the first frame after it, which the engine runs before a
# waiting timer. Where the engine counts its own long tasks (Chromium), those are the measure
# of the longest task; WebKit counts none, and there the gap is.
FART = """{
window.__fart = {egen: 0};
const f = window.__fart;
const tekst = CanvasRenderingContext2D.prototype.fillText;
CanvasRenderingContext2D.prototype.fillText = function (...a) {
    if (f.linje === undefined && this.canvas.id === 'Linje_0') {
        f.linje = performance.now();
        let forrige = f.linje, lengst = 0;
        const tikk = () => {
            const naa = performance.now();
            lengst = Math.max(lengst, naa - forrige);
            forrige = naa;
            if (naa - f.linje < 1500) setTimeout(tikk, 0); else f.lengst = lengst;
        };
        setTimeout(tikk, 0);
    }
    return tekst.apply(this, a);
};
let modul;
Object.defineProperty(window, 'Module', {configurable: true, get() { return modul; }, set(m) {
    modul = m;
    let ccall;
    Object.defineProperty(m, 'ccall', {configurable: true, set(c) { ccall = c; }, get() {
        return ccall && function (...a) {
            const fra = performance.now();
            const svar = ccall.apply(this, a);
            const slutt = () => {
                if (a[0] === 'balvo_start') f.start = performance.now() - fra;
                if (f.linje !== undefined && fra > f.linje)
                    f.egen = Math.max(f.egen, performance.now() - fra);
            };
            if (svar && svar.then) svar.then(slutt); else slutt();
            return svar;
        };
    }});
}});
// Where the engine counts its own long tasks (over 50 ms), the longest time one of them held
// the main thread after the line (the one that drew it counts from the line on).
if ((PerformanceObserver.supportedEntryTypes || []).includes('longtask')) {
    f.lange = 0;
    new PerformanceObserver(l => { for (const e of l.getEntries()) {
        const slutt = e.startTime + e.duration;
        if (f.linje !== undefined && slutt > f.linje)
            f.lange = Math.max(f.lange, slutt - Math.max(e.startTime, f.linje));
    }}).observe({type: 'longtask', buffered: true});
}
let kontekster = 0;
const kontekst = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (...a) {
    ++kontekster;
    return kontekst.apply(this, a);
};
// Keeping the files offline waits until the page has started.
if (window.ServiceWorkerContainer) {
    const registrer = ServiceWorkerContainer.prototype.register;
    ServiceWorkerContainer.prototype.register = function (...a) {
        f.sw = f.klar === undefined ? 'før start' : 'etter start';
        return registrer.apply(this, a);
    };
}
document.addEventListener('balvo-klar', () => {
    f.klar = performance.now();
    f.kontekster = kontekster;
    document.getElementById('nyoppgave').click();
});
}"""
# The targets: the first line within 200 ms (the median of five fresh browsers) and no task
# longer than 50 ms after it. Timed on a quiet machine (BALVO_FART=1, scripts/fart.sh). In the
# test command, run beside other builds on shared cores, the engine's own first painting of
# the page may hold the main thread for hundreds of milliseconds (WebKit on a virtual display
# most); there four of the five browsers must keep the page's own handlers after the first
# line within a bound (300 ms) that still tells a coach's table built on the page (450-800 ms) from the
# page's own work, done in slices after the first line.
MAALT = os.environ.get("BALVO_FART") == "1"
# The floor of the timing: the browser's own start, navigation and first canvas text, with
# nothing of the program's.
GULVSIDE = """<!DOCTYPE html><html lang="nb"><head><meta charset="utf-8"><title>Gulv</title></head>
<body><canvas id="Linje_0" width="300" height="40"></canvas>
<button id="nyoppgave" onclick="document.getElementById('Linje_0').getContext('2d')
    .fillText('x = 1', 10, 20)">Ny oppgave</button>
<script>document.dispatchEvent(new Event('balvo-klar'));</script></body></html>"""
FOERSTE_LINJE_MS = 200 if MAALT else None
LENGSTE_OPPGAVE_MS = 50
EGEN_HANDLER_MS = 300


class Fart(unittest.TestCase):
    """Fast to become usable: the first drawn line soon after the page is opened, and the main
    thread free after it (no long task that would keep a tap waiting)."""

    def foerste_linjer(self, mappe, sjekk=lambda d, f: None):
        """The timing script's figures from five fresh browsers opening the page of `mappe`."""
        tjener = motorer.Tjener(mappe)
        tjener.forhaand = [FART]
        tjener.forhaand_i_siden = True
        maalt = []
        try:
            for _ in range(5):
                d = motorer.start(motorer.MOTOR, 1, 1366, 768)
                try:
                    d.get(tjener.adresse)
                    motorer.vent(lambda: d.execute_script("return window.__fart.lengst") is not None)
                    f = d.execute_script("return window.__fart")
                    sjekk(d, f)
                    maalt.append(f)
                finally:
                    motorer.stopp(d)
        finally:
            tjener.stopp()
        return maalt

    def gulv(self):
        """The floor on this machine: a bare page whose button draws one text on a canvas as
        soon as the page is ready, timed exactly as the program's page is."""
        with tempfile.TemporaryDirectory() as mappe:
            with open(os.path.join(mappe, "index.html"), "w", encoding="utf-8") as f:
                f.write(GULVSIDE)
            return sorted(round(f["linje"]) for f in self.foerste_linjer(mappe))

    def test_foerste_linje_og_ingen_lang_oppgave(self):
        def sjekk(d, f):
            # The perform key's face, the largest picture of the page, is asked for before
            # every other face (where the engine asks in the page's order: WebKit asks in the
            # order of the document). The engine's clock ticks in a tenth of a millisecond,
            # jittered: a face asked for within two ticks of the first counts as asked first.
            flater = d.execute_script(
                "return performance.getEntriesByType('resource')"
                ".filter(e => /flater\\/(?!app_)/.test(e.name))"
                ".map(e => [e.name.split('/').pop(), e.startTime])")
            if motorer.MOTOR == "chromium":
                foerst = min(t for _, t in flater)
                utfoer = [t for n, t in flater if re.match(r"^utfoer_nb_\d\.png$", n)]
                orden = [(n, round(t, 1)) for n, t in sorted(flater, key=lambda f: f[1])[:3]]
                self.assertTrue(utfoer and utfoer[0] <= foerst + 0.2, orden)
            self.assertNotEqual(f.get("sw"), "før start")
            # The program is fetched once (a preloaded copy that an engine does not hand on to
            # the page's own request is fetched twice).
            self.assertEqual(d.execute_script(
                "return performance.getEntriesByType('resource')"
                ".filter(e => /balvo\\.wasm$/.test(e.name)).length"), 1)

        maalt = self.foerste_linjer(motorer.MAPPE, sjekk)
        linjer, lengste, egne, kontekster, starter = (
            [f[k] for f in maalt] for k in ("linje", "lengst", "egen", "kontekster", "start"))
        print("\n%s: first line %s ms, longest timer wait after it %s ms, longest handler "
              "after it %s ms, building the page %s ms" % (
                  motorer.MOTOR, [round(t) for t in linjer], [round(t) for t in lengste],
                  [round(t) for t in egne], [round(t) for t in starter]))
        if "lange" in maalt[0]:
            print("%s: the engine's own long tasks after it, longest %s ms" % (
                motorer.MOTOR, [round(f["lange"]) for f in maalt]))
        if MAALT:
            print("%s: a bare page's first canvas text (the floor) %s ms" % (motorer.MOTOR,
                                                                           self.gulv()))
            self.assertLessEqual(sorted(linjer)[2], FOERSTE_LINJE_MS)
            lange = [f["lange"] for f in maalt] if "lange" in maalt[0] else lengste
            self.assertLessEqual(max(lange), LENGSTE_OPPGAVE_MS)
        self.assertLessEqual(sorted(egne)[3], EGEN_HANDLER_MS)
        # The empty worksheet starts without a context for any of its canvases: at most the
        # one text is measured in.
        self.assertLessEqual(max(kontekster), 1, kontekster)


class Blekk(motorer.Sidetest):
    """Every sign sharp: a busy worksheet (minus, plus, ±, fraction bars, the root sign, x²,
    the solved underline) at several page scales. At every bar and stroke the typesetter drew,
    mapped from its canvas to the page, the screenshot has dark ink."""

    FORHAAND = (BLEKK,)
    HOEYDE = 900

    def travel_ark(self):
        self.egen("1/2", "1", "-3/4", "0", "0", "1")
        for steg in (("opr_2", "siffer_2"), ("opr_0", "siffer_3", "broekstrek", "siffer_2"),
                     ("opr_0", "siffer_1"), ("opr_4",), ("opr_1", "siffer_1")):
            self.klikk(*steg, "Utfoer")
        # The operand field beside the newest row with a fraction bar of its own.
        self.klikk("opr_3", "siffer_1", "broekstrek", "siffer_4")
        self.assertEqual(self.verdier()[1], "1")  # the last line is solved: its underline

    def sjekk_blekk(self, navn):
        """Fails for each bar or stroke without dark ink under it on the page. The browser may
        show a repaint a frame or two after the script has drawn it: the screenshot is taken
        again a few times before a missing bar counts."""
        for _ in range(4):
            feil = self.finn_blekkfeil()
            if not feil:
                return
            time.sleep(0.25)
        self.maxDiff = None
        self.assertEqual(feil, [], navn)

    def finn_blekkfeil(self):
        opptak, bokser, tetthet = self.d.execute_script(
            "const b = {};"
            "for (const c of document.querySelectorAll('canvas[id]')) {"
            "  const r = c.getBoundingClientRect();"
            "  b[c.id] = [r.left, r.top, r.width, r.height, c.width, c.height]; }"
            "return [window.__blekk, b, devicePixelRatio];")
        bilde = numpy.asarray(Image.open(io.BytesIO(self.d.get_screenshot_as_png()))
                              .convert("L"), dtype=numpy.int32)
        hoeyde, bredde = bilde.shape

        def moerk(x, y):
            """The darkest pixel within one pixel of the page's device pixel (x, y)."""
            x, y = int(x), int(y)
            omraade = bilde[max(0, y - 1):min(hoeyde, y + 2), max(0, x - 1):min(bredde, x + 2)]
            return omraade.size and omraade.min() < MOERK

        feil = []
        for lerret in {o[0] for o in opptak}:
            left, top, b, h, pb, ph = bokser[lerret]
            # The bitmap is exactly the box in device pixels: the browser shows it unscaled.
            if (pb, ph) != (round(b * tetthet), round(h * tetthet)):
                feil.append("%s: bitmap %dx%d, box %.2fx%.2f" % (lerret, pb, ph, b * tetthet,
                                                                 h * tetthet))
        self.assertGreater(len(opptak), 20)
        for o in opptak:
            left, top, b, h, pb, ph = bokser[o[0]]
            fx, fy = b * tetthet / pb, h * tetthet / ph

            def side(x, y):
                return left * tetthet + x * fx, top * tetthet + y * fy

            if o[1] == "r":
                x, y, w, hh = o[2:6]
                # Along the bar's long middle line, leaving out its ends.
                if w >= hh:
                    punkter = [side(x + w * t, y + hh / 2) for t in numpy.linspace(0.1, 0.9, 9)]
                else:
                    punkter = [side(x + w / 2, y + hh * t) for t in numpy.linspace(0.1, 0.9, 9)]
            else:
                x1, y1, x2, y2 = o[2:6]
                punkter = [side(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t)
                           for t in numpy.linspace(0.2, 0.8, 7)]
            lyse = sum(1 for p in punkter if not moerk(*p))
            if lyse:
                feil.append("%s %s: %d of %d points without ink" % (o[0], o[1:], lyse,
                                                                    len(punkter)))
        return feil

    def test_hvert_tegn_er_skarpt(self):
        self.travel_ark()
        # "Fyll vinduet" at widths giving the page scales 1, 1.1, 1.23, 1.36 and 1.74; then
        # "Vanlig størrelse" and "Større": 125 %.
        for bredde in (634, 697, 780, 862, 1103):
            with self.subTest(skala=bredde / 634):
                self.d.execute_script("window.__blekk = []")
                motorer.sett_stoerrelse(self.d, bredde, self.HOEYDE)
                self.vent(lambda: self.d.execute_script("return window.__blekk.length") > 20)
                self.rolig()
                self.sjekk_blekk("skala %.2f" % (bredde / 634))
        with self.subTest(skala="Vis 125 %"):
            self.meny("Vis", "vanlig")
            self.d.execute_script("window.__blekk = []")
            self.meny("Vis", "stoerre")
            self.sjekk_blekk("Vis 125 %")


class BlekkTetthet2(Blekk):
    TETTHET = 2


# A touch screen in WebKit, which cannot emulate one: its media query for the primary pointer
# answers "coarse" (Chromium's touch emulation answers so itself).
FINGER = """{
const spoer = window.matchMedia.bind(window);
window.matchMedia = q => !/pointer:\\s*coarse/.test(q) ? spoer(q) : {
    matches: true, media: q, onchange: null, addListener() {}, removeListener() {},
    addEventListener() {}, removeEventListener() {}, dispatchEvent() { return false; }};
}"""

# Every control the pupil can touch, with its box on the page: the keys, the options (their
# labels, which take the tap), "Ny oppgave", the menus; then, opened one at a time, the menus'
# items.
KONTROLLER = """
const synlig = e => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
const boks = e => { const r = e.getBoundingClientRect();
                    return [e.id || e.textContent.trim(), r.left, r.top, r.width, r.height]; };
const vindu = [...document.querySelectorAll(
    '#klientflate button, #klientflate label, .menyknapp')].filter(synlig).map(boks);
const punkter = [];
for (const knapp of document.querySelectorAll('.menyknapp')) {
    knapp.click();
    punkter.push(...[...knapp.nextElementSibling.querySelectorAll('.menypunkt')]
                 .filter(synlig).map(boks));
    knapp.click();
}
return [vindu, punkter];
"""


def over(a, b):
    """Whether two boxes [name, left, top, width, height] overlap (more than a rounding)."""
    return (a[1] < b[1] + b[3] - 0.5 and b[1] < a[1] + a[3] - 0.5 and
            a[2] < b[2] + b[4] - 0.5 and b[2] < a[2] + a[4] - 0.5)


class Fingermaal(unittest.TestCase):
    """A tablet (ratio 2) held across and upright, in both engines: every control at least 44 x
    44 CSS pixels and none over another, the window no wider than the screen, the rows in the
    design's proportions, and held upright the keypad under the worksheet, centred, the window
    using the screen's height."""

    def test_hver_kontroll_er_en_finger_stor(self):
        tjener = motorer.Tjener(motorer.MAPPE)
        if motorer.MOTOR == "webkit":
            tjener.forhaand = [FINGER]
        try:
            for bredde, hoeyde in ((1024, 768), (768, 1024)):
                with self.subTest(bredde=bredde, hoeyde=hoeyde):
                    d = motorer.start(motorer.MOTOR, 2, bredde, hoeyde)
                    try:
                        if motorer.MOTOR == "chromium":
                            d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                              {"enabled": True, "maxTouchPoints": 5})
                        motorer.last(d, tjener.adresse)
                        self.sjekk(d, bredde, hoeyde)
                    finally:
                        motorer.stopp(d)
        finally:
            tjener.stopp()

    def sjekk(self, d, bredde, hoeyde):
        self.assertTrue(d.execute_script("return matchMedia('(pointer: coarse)').matches"))
        d.find_element(motorer.By.ID, "nyoppgave").click()
        vindu, punkter = d.execute_script(KONTROLLER)
        self.assertEqual(len(vindu), 26 + 4 + 1 + 6)  # keys, options, "Ny oppgave", menus
        self.assertGreater(len(punkter), 15)
        # The own equation's window: its six boxes, its two buttons and its close box.
        d.find_element(motorer.By.ID, "Meny").click()
        d.find_element(motorer.By.ID, "egendef").click()
        motorer.vent(lambda: d.execute_script(
            "return document.getElementById('egenlikning').open"))
        egen = d.execute_script(
            "return [...document.querySelectorAll('#egenlikning button, #egenlikning input')]"
            ".map(e => { const r = e.getBoundingClientRect();"
            "  return [e.id || e.className, r.left, r.top, r.width, r.height]; })")
        self.assertEqual(len(egen), 9)
        self.assertLessEqual(max(e[1] + e[3] for e in egen), bredde)
        smaa = ["%s %.0fx%.0f" % (n, b, h) for n, _, _, b, h in vindu + punkter + egen
                if min(b, h) < 44]
        self.assertEqual(smaa, [])
        self.assertEqual([(a[0], b[0]) for i, a in enumerate(vindu) for b in vindu[i + 1:]
                          if over(a, b)], [])
        # The key faces, drawn larger than the design, are pictures at least as sharp as the
        # screen shows them.
        motorer.vent(lambda: d.execute_script(
            "return [...document.querySelectorAll('.tast img')].every(i => i.complete)"))
        self.assertEqual(d.execute_script(
            "return [...document.querySelectorAll('.tast img')].filter(i =>"
            " i.naturalWidth < i.getBoundingClientRect().width * devicePixelRatio - 0.5)"
            ".map(i => i.src)"), [])
        sider = d.execute_script(
            "const r = id => document.getElementById(id).getBoundingClientRect();"
            "return [document.scrollingElement.scrollWidth, r('klientflate').bottom,"
            "        r('Line3').bottom, r('ramme').top, r('ramme').left, r('ramme').right,"
            "        r('Linje_0').width / r('Linje_0').height]")
        self.assertLessEqual(sider[0], bredde)
        self.assertLessEqual(sider[2], sider[3])
        # The rows keep the design's proportions (6105 x 735 twips).
        self.assertAlmostEqual(sider[6], 6105 / 735, delta=0.1)
        if hoeyde > bredde:
            self.assertGreater(sider[1], hoeyde * 0.9)
            self.assertAlmostEqual(sider[4], bredde - sider[5], delta=2)


class Fingre(motorer.Sidetest):
    """On a tablet (1024 x 768, ratio 2): a tap is a click, pressing long selects nothing, the
    menus are a finger high on a touch screen, and a zoom larger than the screen scrolls."""

    TETTHET = 2
    BREDDE, HOEYDE = 1024, 768

    def test_kontrollene_er_for_fingre(self):
        # Every control, but the own-equation boxes, whose text the pupil may select.
        feil = self.d.execute_script(
            "return [...document.querySelectorAll('button, input, label, canvas')]"
            ".map(e => [e.id || e.className, getComputedStyle(e)])"
            ".filter(([n, s]) => s.touchAction !== 'manipulation' ||"
            "  ((s.userSelect || s.webkitUserSelect) !== 'none' && !n.startsWith('koeff_')))"
            ".map(([n]) => n)")
        self.assertEqual(feil, [])

    def test_trykk_med_fingeren(self):
        if self.motor != "chromium":
            self.skipTest("touch is emulated by Chromium only")
        self.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                               {"enabled": True, "maxTouchPoints": 5})
        self.d.execute_cdp_cmd("Emulation.setEmitTouchEventsForMouse", {"enabled": True})
        self.last(tom=True)
        self.assertTrue(self.d.execute_script("return matchMedia('(pointer: coarse)').matches"))

        def trykk(id):
            x, y = self.d.execute_script(
                "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                "return [r.left + r.width / 2, r.top + r.height / 2]", id)
            for art in ("touchStart", "touchEnd"):
                self.d.execute_cdp_cmd("Input.dispatchTouchEvent", {
                    "type": art, "touchPoints": [] if art == "touchEnd" else [{"x": x, "y": y}]})
            self.rolig()

        trykk("nyoppgave")
        self.vent(lambda: len(self.linjer()) == 1)
        trykk("opr_0")
        self.assertIn("siffer_1", self.brukbare())
        # The menus and their items are at least 44 CSS pixels high.
        trykk("Meny")
        hoeyder = self.d.execute_script(
            "return [...document.querySelectorAll('.menyknapp, #Meny + .menyliste .menypunkt')]"
            ".map(e => e.getBoundingClientRect().height)")
        self.assertGreater(len(hoeyder), 5)
        self.assertGreaterEqual(min(hoeyder), 44)

    def test_stor_zoom_ruller(self):
        self.meny("Vis", "vanlig")
        for _ in range(4):
            self.meny("Vis", "stoerre")
        self.assertGreater(self.d.execute_script(
            "return document.scrollingElement.scrollHeight"), self.HOEYDE)
        # The perform key, below the screen's edge, is reached by scrolling.
        self.egen("0", "2", "0", "0", "0", "4")
        self.d.execute_script("document.getElementById('opr_3').scrollIntoView()")
        self.klikk("opr_3", "siffer_2")
        self.d.execute_script("document.getElementById('Utfoer').scrollIntoView()")
        self.klikk("Utfoer")
        self.assertEqual(self.linjer()[-1], "x = 2")


if __name__ == "__main__":
    motorer.kjoer()
