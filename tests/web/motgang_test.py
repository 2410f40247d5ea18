#!/usr/bin/env python3
"""The web edition when the browser is against it: storage refused, no service worker, a
canvas without a context, a window 320 pixels wide, a program it cannot read; then offline
after the first visit and a new build replacing the kept one.

    motgang_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import unittest

from selenium.webdriver.common.by import By

import motorer

# Private browsing: every use of localStorage throws.
UTEN_LAGRING = """Object.defineProperty(window, 'localStorage', {configurable: true,
    get() { throw new DOMException('Lagring er slått av', 'SecurityError'); }})"""
# A browser where asking for the service worker throws.
UTEN_SW = """Object.defineProperty(Navigator.prototype, 'serviceWorker', {configurable: true,
    get() { throw new DOMException('Ingen service worker', 'SecurityError'); }})"""
# A row canvas the browser gives no context (out of memory at its size).
UTEN_KONTEKST = """{
const o = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (...a) {
    return this.id === 'Linje_1' ? null : o.apply(this, a);
};
}"""


class Motgang(motorer.Sidetest):
    def oppgave(self):
        """An exercise solved as a pupil would, with the page's error text hidden."""
        self.egen("0", "2", "3", "0", "0", "7")
        self.klikk("opr_1", "siffer_3", "Utfoer", "opr_3", "siffer_2", "Utfoer")
        self.assertEqual(self.verdier(), ("1", "1", "1"))
        self.assertEqual(len(self.linjer()), 3)
        self.assertFalse(self.e("lastefeil").is_displayed())

    def test_motgang(self):
        for navn, skript in (("uten lagring", UTEN_LAGRING), ("uten service worker", UTEN_SW),
                             ("lerret uten kontekst", UTEN_KONTEKST)):
            with self.subTest(navn):
                self.tjener.forhaand = [skript]
                self.last()
                self.oppgave()
                # The menus work on; without storage nothing is kept, and nothing is said.
                self.meny("Spraak", "nn")
                self.assertEqual(self.e("nyoppgave").text, "Ny oppgåve")
                self.meny("Vis", "vanlig")
                self.meny("Spraak", "nb")
                self.assertIsNone(self.melding())

    def test_smalt_vindu(self):
        """320 CSS pixels wide: the whole window is there, smaller, and works."""
        if self.motor == "webkit":
            self.skipTest("MiniBrowser's window is never narrower than 447 pixels")
        d = motorer.start(self.motor, 1, 320, 568)
        try:
            self.last(d=d)
            bredde = d.execute_script(
                "return document.getElementById('klientflate').getBoundingClientRect().right")
            self.assertLessEqual(bredde, 320)
            d.find_element(By.ID, "nyoppgave").click()
            motorer.vent(lambda: d.execute_script(
                "return document.querySelector('#linjer p').textContent") != "")
        finally:
            motorer.stopp(d)

    def test_program_som_ikke_kan_leses(self):
        """A program the browser cannot read (a broken download, a server that sends it as
        text): the page says so, and is never left blank."""
        self.tjener.erstatt = {"/balvo.wasm": b"ikke et program"}
        d = motorer.start(self.motor, 1, 1366, 768)
        try:
            d.get(self.tjener.adresse)
            motorer.vent(lambda: d.find_element(By.ID, "lastefeil").is_displayed())
        finally:
            motorer.stopp(d)
            self.tjener.erstatt = {}


class Frakoblet(motorer.Sidetest):
    def test_frakoblet_og_ny_utgave(self):
        # The first visit keeps every file; the service worker then answers the page.
        self.vent(lambda: self.d.execute_script(
            "return !!(navigator.serviceWorker && navigator.serviceWorker.controller)"), tid=30)
        gammel = self.d.execute_script("return caches.keys()")
        self.assertEqual(len(gammel), 1)
        # Offline: the page starts and works from what was kept.
        self.tjener.nett = False
        self.last()
        self.egen("0", "2", "0", "0", "0", "4")
        self.klikk("opr_3", "siffer_2", "Utfoer")
        self.assertEqual(self.linjer()[-1], "x = 2")
        # Online again with a new build: the next visit installs it, the old one is deleted,
        # and the visit after shows the new page.
        self.tjener.nett = True
        with open(motorer.MAPPE + "/sw.js", "rb") as f:
            sw = f.read()
        with open(motorer.MAPPE + "/index.html", "rb") as f:
            side = f.read()
        self.tjener.erstatt = {
            "/sw.js": sw.replace(gammel[0].encode(), b"balvo-nyutgave"),
            "/": side.replace(b"<title>", b'<meta name="utgave" content="ny"><title>'),
        }
        self.tjener.erstatt["/index.html"] = self.tjener.erstatt["/"]
        self.last()
        self.vent(lambda: self.d.execute_script("return caches.keys()") == ["balvo-nyutgave"],
                  tid=30)
        self.tjener.nett = False
        self.last()
        self.assertEqual(self.d.execute_script(
            "const m = document.querySelector('meta[name=utgave]'); return m && m.content"), "ny")


if __name__ == "__main__":
    motorer.kjoer()
