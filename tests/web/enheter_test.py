#!/usr/bin/env python3
"""The web edition on the pupils' devices: one engine at the pixel ratios and viewport sizes of
a Chromebook and a tablet held across and upright. Each device gets a fresh browser.

    enheter_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import itertools
import unittest

import motorer


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


if __name__ == "__main__":
    motorer.kjoer()
