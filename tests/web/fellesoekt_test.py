#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The scripted session both shells play (fellesoekt.tsv): after every action the worksheet's
elements, the usable keys, the score, what the live region says and any box must be exactly
the committed record (fellesoekt.json) that the desktop's test compares with too.

    fellesoekt_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import json
import os

import motorer

HER = os.path.dirname(os.path.abspath(__file__))


def skript():
    """The script's rows: (action, what), the seed's row included."""
    with open(os.path.join(HER, "fellesoekt.tsv"), encoding="utf-8") as f:
        return [tuple((linje.rstrip("\n").split("\t") + [""])[:2]) for linje in f
                if linje.strip() and not linje.startswith("#")]


class Fellesoekt(motorer.Sidetest):
    def gjoer(self, art, hva):
        if art == "ny":
            self.klikk("nyoppgave")
        elif art == "tast":
            for t in hva.split():
                self.assertTrue(self.e(t).is_enabled(), t)
                self.klikk(t)
        elif art == "meny":
            meny = self.d.execute_script(
                "return document.getElementById(arguments[0]).closest('.meny')"
                ".querySelector('.menyknapp').id", hva)
            self.assertTrue(self.e(hva).is_enabled(), hva)
            self.meny(meny, hva)
        elif art == "spraak":
            self.meny("Spraak", hva)
        else:
            self.fail("unknown action " + art)

    def tilstand(self, gjort):
        boks = self.melding()
        if boks:
            self.svar("ok")
        return {
            "gjort": gjort,
            "linjer": self.d.execute_script(
                "return [...document.querySelectorAll('#arkliste [role=option]')]"
                ".map(e => e.textContent)"),
            "taster": self.brukbare(),
            "poeng": self.e("Poeng").get_attribute("textContent"),
            "sagt": self.d.execute_script(
                "return document.getElementById('opplesning').textContent"),
            "boks": boks[0] + "|" + boks[1] if boks else "",
        }

    def test_samme_oekt_som_skrivebordet(self):
        """Every step alike, as the record has it from the desktop."""
        with open(os.path.join(HER, "fellesoekt.json"), encoding="utf-8") as f:
            ventet = json.load(f)
        fikk = []
        for art, hva in skript():
            if art == "froe":
                self.d.execute_script("Module.ccall('balvo_froe', null, ['number'], [arguments[0]])", int(hva))
                continue
            self.d.execute_script("document.getElementById('opplesning').textContent = ''")
            self.gjoer(art, hva)
            fikk.append(self.tilstand(art + ("\t" + hva if hva else "")))
        # BALVO_FELLESOEKT_UT=FILE keeps what this engine showed, to see a drift whole.
        if os.environ.get("BALVO_FELLESOEKT_UT"):
            with open(os.environ["BALVO_FELLESOEKT_UT"], "w", encoding="utf-8") as f:
                json.dump(fikk, f, ensure_ascii=False, indent=1)
        for skulle, var in zip(ventet, fikk):
            self.assertEqual(var, skulle, skulle["gjort"])
        self.assertEqual(len(fikk), len(ventet))


if __name__ == "__main__":
    motorer.kjoer()
