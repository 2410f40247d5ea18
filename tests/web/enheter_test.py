#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web edition on the pupils' devices: one engine at the pixel ratios and viewport sizes of
a Chromebook and a tablet held across and upright. Each device gets a fresh browser.

    enheter_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import io
import itertools
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
        """Fails for each bar or stroke without dark ink under it on the page."""
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
        self.maxDiff = None
        self.assertEqual(feil, [], navn)

    def test_hvert_tegn_er_skarpt(self):
        self.travel_ark()
        # "Fyll vinduet" at widths giving the page scales 1, 1.1, 1.23, 1.36 and 1.74; then
        # "Vis 125 %".
        for bredde in (634, 697, 780, 862, 1103):
            with self.subTest(skala=bredde / 634):
                self.d.execute_script("window.__blekk = []")
                motorer.sett_stoerrelse(self.d, bredde, self.HOEYDE)
                self.rolig()
                self.sjekk_blekk("skala %.2f" % (bredde / 634))
        with self.subTest(skala="Vis 125 %"):
            self.d.execute_script("window.__blekk = []")
            self.meny("Vis", "1.25")
            self.sjekk_blekk("Vis 125 %")


class BlekkTetthet2(Blekk):
    TETTHET = 2


if __name__ == "__main__":
    motorer.kjoer()
