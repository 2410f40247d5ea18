#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web edition in a real browser (Chromium or WebKit) against the built folder, served on
localhost. Works exercises by clicking and by the keyboard, checks the worksheet's lines (as
the live region reads them), the score, the refusals, the own-equation dialog, the canvas
drawing and the language switch.

    nettleser_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import glob
import os
import sys
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import motorer

ROT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROT, "src", "web"))
import lagtekster  # noqa: E402

MINUS = "\u2212"

# Every canvas call of the page, recorded before the program starts: [canvas, call, font, ...].
OPPTAK = """{
window.__kall = [];
const p = CanvasRenderingContext2D.prototype;
for (const n of ['fillText', 'fillRect']) {
    const o = p[n];
    p[n] = function (...a) { window.__kall.push([this.canvas.id, n, this.font, ...a]);
                             return o.apply(this, a); };
}
}"""


def oversettelser():
    """{language: {(context, source): text}} from the translation files."""
    ut = {}
    for sti in glob.glob(os.path.join(ROT, "translations", "*.ts")):
        for sprak, kontekst, kilde, tekst in lagtekster.les(sti):
            ut.setdefault(sprak, {})[(kontekst, kilde)] = tekst
    return ut


class Nettleser(motorer.Sidetest):
    FORHAAND = (OPPTAK,)

    # --- the tests -------------------------------------------------------------------------

    def test_start(self):
        self.assertEqual(self.verdier(), ("1", "0", "0"))
        self.assertEqual(self.linjer(), [])
        self.assertEqual(self.brukbare(), [])
        self.assertTrue(self.e("nyoppgave").is_enabled())
        self.assertFalse(self.e("Pi_R").is_displayed())

    def test_hver_tast_er_en_knapp_med_navn(self):
        navn = {
            "opr_0": "Legg til...", "opr_1": "Trekk fra...",
            "opr_2": "Multipliser begge sider med..", "opr_3": "Divider begge sider med...",
            "opr_4": "Trekk kvadratrot av begge sider", "opr_5": "Kvadrer begge sider",
            "opr_6": "Snu alle fortegn", "opr_7": "Bytt sider", "siffer_0": "0",
            "siffer_7": "7", "pm": "Negativt fortegn", "broekstrek": "Brøkstrek",
            "Utfoer": "Utfør", "strykut": "Stryk ut", "variabel_0": "Den ukjente",
            "variabel_1": "Den ukjente i andre", "scrollopp": "Rull opp",
            "scrollned": "Rull ned",
        }
        for id, forventet in navn.items():
            with self.subTest(id):
                k = self.e(id)
                self.assertEqual(k.tag_name, "button")
                self.assertEqual(k.accessible_name, forventet)
        self.assertEqual(self.d.execute_script(
            "return document.querySelectorAll('#klientflate button.tast').length"), 26)

    def test_oppgave_med_klikk(self):
        self.egen("0", "2", "3", "0", "0", "7")
        self.assertEqual(self.linjer(), ["2x + 3 = 7"])
        self.assertEqual(self.brukbare(), ["opr_0", "opr_1", "opr_2", "opr_3", "opr_4",
                                           "opr_5", "opr_6", "opr_7", "strykut"])
        self.klikk("opr_1", "siffer_3", "Utfoer")
        self.assertEqual(self.linjer(), ["2x + 3 = 7", "2x = 4"])
        self.klikk("opr_3", "siffer_2", "Utfoer")
        self.assertEqual(self.linjer(), ["2x + 3 = 7", "2x = 4", "x = 2"])
        # Worded as the desktop's screen reader names the rows.
        self.assertEqual(self.opplest(),
                         ["Oppgave: 2x + 3 = 7", "Linje 1: 2x = 4", "Linje 2: x = 2, løst"])
        self.assertEqual(self.verdier(), ("1", "1", "1"))
        self.assertTrue(self.e("Pi_R").is_displayed())
        # The level of the options counts at the next solved exercise.
        self.klikk("Option2")
        self.klikk("Check1")
        self.assertEqual(self.verdier()[0], "4")

    def test_oppgave_med_tastaturet(self):
        self.d.find_element(By.TAG_NAME, "body").send_keys(Keys.CONTROL, "e")
        self.rolig()
        self.vent(lambda: self.e("egenlikning").get_attribute("open") is not None)
        for k, tekst in enumerate(["0", "5", "-10", "0", "0", "0"]):
            boks = self.e("koeff_%d" % k)
            boks.send_keys(Keys.CONTROL, "a")
            boks.send_keys(tekst)
        self.e("koeff_5").send_keys(Keys.ENTER)
        self.rolig()
        self.assertEqual(self.linjer(), ["5x " + MINUS + " 10 = 0"])
        self.taster("+10" + Keys.ENTER)
        self.assertEqual(self.linjer()[-1], "5x = 10")
        # "-" is "Trekk fra..." while it can be chosen, then the negative sign.
        self.taster("*-")
        self.assertEqual(self.e("pm").is_enabled(), True)
        self.taster(Keys.ESCAPE + ":5" + Keys.ENTER)
        self.assertEqual(self.linjer(), ["5x " + MINUS + " 10 = 0", "5x = 10", "x = 2"])
        self.assertEqual(self.verdier(), ("1", "1", "1"))
        # Shift+X is x²; the digits wait for the next operand. (Shift held, as a keyboard
        # sends it: a bare "X" reaches WebKit's page without Shift.)
        self.taster("+" + Keys.SHIFT + "x" + Keys.NULL)
        self.assertNotIn("siffer_1", self.brukbare())
        self.taster(Keys.ENTER)
        self.assertEqual(self.linjer()[-1], "x² + x = x² + 2")
        self.assertEqual(self.verdier(), ("1", "1", "1"))

    def test_hjelp(self):
        """The coach: "Tips" from Ctrl+T, the window "Løsningsforslag", the rows "Steg:" and
        "Prøve:" after the exercise is solved."""
        self.assertFalse(self.e("tips").is_enabled())
        self.egen("1", "2", "0", "0", "0", "3")
        self.assertTrue(self.e("tips").is_enabled())
        # Asked again on the same line, the hint climbs: the aim, the kind of step, the step.
        for nivaa in ("Fullfør kvadratet.", "Neste steg: Legg til et tall.",
                      "Neste steg: Legg til 1\nDa er du 3 steg fra løsningen."):
            self.taster(Keys.CONTROL + "t" + Keys.NULL)
            self.assertEqual(self.melding(), ("Tips", nivaa, ["OK"]))
            self.svar("ok")
        self.meny("Hjelp", "loesningsforslag")
        self.assertIsNotNone(self.e("Loesningsforslag").get_attribute("open"))
        self.assertEqual(self.e("forslag_tekst").get_attribute("textContent"),
                         "Da er du 3 steg fra løsningen.\nx² + 2x = 3    Legg til 1\n"
                         "x² + 2x + 1 = 4    Trekk kvadratrot\nx + 1 = ±2    Trekk fra 1\n"
                         "x = " + MINUS + "1 ± 2")
        self.assertEqual(len(self.d.find_elements(By.CSS_SELECTOR, "#forslag_rader canvas")), 7)
        self.d.find_element(By.CSS_SELECTOR, "#Loesningsforslag .lukk").click()
        self.rolig()
        self.assertEqual(self.linjer(), ["x² + 2x = 3"])  # the worksheet as it was
        self.taster("+1" + Keys.ENTER + "r" + Keys.ENTER + "-1" + Keys.ENTER)
        self.assertEqual(self.e("Steg").get_attribute("textContent"), "3 (korteste: 3)")
        self.assertEqual(self.e("Proeve").get_attribute("textContent"), "stemmer")

    def test_regn_selv(self):
        """"Regn selv": the waiting row's input with the device's keyboard, a line written
        right, one wrong and named, one given up with Escape; the choice is remembered."""
        self.meny("Hjelp", "regnselv")
        self.assertEqual(self.e("regnselv").get_attribute("aria-checked"), "true")
        self.egen("0", "2", "4", "0", "0", "6")
        self.taster("-4" + Keys.ENTER)
        felt = self.e("skrivfelt")
        self.assertTrue(felt.is_displayed())
        self.assertEqual(felt.get_attribute("aria-label"), "Skriv linje 1")
        self.assertEqual(felt.get_attribute("inputmode"), "text")
        self.assertEqual(self.d.execute_script("return document.activeElement.id"), "skrivfelt")
        self.assertEqual(self.linjer(), ["2x + 4 = 6"])
        self.assertEqual(self.brukbare(), [])  # the keypad waits for the line
        felt.send_keys("2x + 4 = 2")
        self.rolig()
        felt.send_keys(Keys.ENTER)
        self.rolig()
        self.assertEqual(self.melding(),
                         ("Regn selv", "Du har bare gjort det på høyre side.", ["OK"]))
        self.svar("ok")
        self.assertEqual(felt.get_attribute("value"), "2x + 4 = 2")
        self.assertEqual(self.linjer(), ["2x + 4 = 6"])
        felt.send_keys(Keys.CONTROL, "a")
        felt.send_keys("2x=2" + Keys.ENTER)
        self.rolig()
        self.assertFalse(felt.is_displayed())
        self.assertEqual(self.linjer(), ["2x + 4 = 6", "2x = 2"])
        self.taster(":2" + Keys.ENTER)
        self.assertTrue(felt.is_displayed())
        self.assertEqual(felt.get_attribute("aria-label"), "Skriv linje 2")
        felt.send_keys(Keys.ESCAPE)
        self.rolig()
        self.assertFalse(felt.is_displayed())
        self.assertEqual(self.linjer()[-1], "x = 1")
        self.last()
        self.assertEqual(self.e("regnselv").get_attribute("aria-checked"), "true")

    def test_angre(self):
        """"Rediger" after "Valg" with "Angre" (Ctrl+Z) from the shared table: usable while a
        step can be taken back; the solved line undone keeps its points."""
        menyer = self.d.execute_script(
            "return [...document.querySelectorAll('.menyknapp')].map(b => b.id)")
        self.assertEqual(menyer[:3], ["Meny", "Rediger", "Hjelp"])
        self.assertEqual(self.e("angre").get_attribute("aria-keyshortcuts"), "Control+Z")
        self.assertFalse(self.e("angre").is_enabled())
        self.egen("0", "2", "3", "0", "0", "7")
        self.assertFalse(self.e("angre").is_enabled())  # line 0
        self.taster("-3" + Keys.ENTER + ":2" + Keys.ENTER)
        self.assertEqual(self.linjer(), ["2x + 3 = 7", "2x = 4", "x = 2"])
        self.assertEqual(self.verdier(), ("1", "1", "1"))
        self.meny("Rediger", "angre")
        self.assertEqual(self.linjer(), ["2x + 3 = 7", "2x = 4"])
        self.assertEqual(self.verdier(), ("1", "1", "1"))
        self.assertFalse(self.e("Pi_R").is_displayed())
        # While an operand is typed, the first press crosses it out.
        self.taster("+5")
        self.taster(Keys.CONTROL + "z" + Keys.NULL)
        self.assertEqual(self.linjer(), ["2x + 3 = 7", "2x = 4"])
        self.assertNotIn("Utfoer", self.brukbare())
        self.taster(Keys.CONTROL + "z" + Keys.NULL)
        self.assertEqual(self.linjer(), ["2x + 3 = 7"])
        self.assertFalse(self.e("angre").is_enabled())

    def test_rulling(self):
        self.egen("0", "1", "0", "0", "0", "0")
        for _ in range(5):
            self.taster("+1" + Keys.ENTER)
        nyeste = ["x = 0", "x + 2 = 2", "x + 3 = 3", "x + 4 = 4", "x + 5 = 5"]
        self.assertEqual(self.linjer(), nyeste)
        self.assertIn("scrollopp", self.brukbare())
        self.assertNotIn("scrollned", self.brukbare())
        # Looking at an earlier line, nothing can be done to it.
        self.taster(Keys.PAGE_UP)
        self.assertEqual(self.linjer(), ["x = 0", "x + 1 = 1", "x + 2 = 2", "x + 3 = 3",
                                         "x + 4 = 4"])
        self.assertEqual(self.brukbare(), ["scrollned", "strykut"])
        self.klikk("scrollned")
        self.assertEqual(self.linjer(), nyeste)
        self.assertIn("opr_0", self.brukbare())

    def test_paatale_og_advarsel(self):
        self.egen("0", "1", "1", "0", "0", "3")
        self.klikk("opr_3", "siffer_0", "Utfoer")
        self.assertEqual(self.melding(), ("Påtale", "Du kan ikke dele med null.", ["OK"]))
        self.svar("ok")
        self.assertIsNone(self.melding())
        self.assertEqual(self.linjer(), ["x + 1 = 3"])
        # Squaring asks first; No adds no line, and the keys are those of "utført".
        self.klikk("opr_5", "Utfoer")
        tittel, tekst, knapper = self.melding()
        self.assertEqual((tittel, knapper), ("Advarsel", ["Ja", "Nei"]))
        self.assertTrue(tekst.startswith("x-verdier som gjør de to sidene i likningen like\n"))
        self.assertTrue(tekst.endswith("\n\nVil du likevel kvadrere likningen?"))
        self.svar("nei")
        self.assertEqual(self.linjer(), ["x + 1 = 3"])
        self.assertNotIn("Utfoer", self.brukbare())
        # Multiplying by zero, answered Yes: the line is destroyed, as the pupil chose.
        self.klikk("opr_2", "siffer_0", "Utfoer")
        self.assertEqual(self.melding()[0:2],
                         ("Advarsel", "Å gange med null vil ødelegge\nlikningen.\n\n"
                                      "Vil du gjøre det likevel?"))
        self.svar("ja")
        self.assertEqual(self.linjer(), ["x + 1 = 3", "0 = 0"])

    def test_egen_likning_avslag(self):
        self.egen("3/", "0", "0", "0", "0", "0")
        self.assertEqual(self.melding(), (
            "Påtale", "Feil i ruta for x² på venstre side:\n«3/» er ikke et helt tall eller en "
            "brøk.\nSkriv for eksempel 3, -2 eller -3/4.", ["OK"]))
        self.svar("ok")
        # The dialog stays open with the box chosen; the worksheet is as it was.
        self.assertIsNotNone(self.e("egenlikning").get_attribute("open"))
        self.assertEqual(self.d.execute_script("return document.activeElement.id"), "koeff_0")
        self.assertEqual(self.linjer(), [])
        self.klikk("Glem")
        self.assertIsNone(self.e("egenlikning").get_attribute("open"))

    def test_graf_uten_likning(self):
        self.meny("Meny", "mmPapir")
        self.assertEqual(self.melding(), ("Balvo 2.0", "Det er ingen likning å tegne", ["OK"]))
        self.svar("ok")
        self.egen("1", "0", "0", "0", "0", "4")
        self.meny("Meny", "mmPapir")
        self.assertIsNotNone(self.e("mmArk").get_attribute("open"))

    def test_lerretet_tegner_linjen(self):
        """Row 0 gets the typesetter's texts in order, the cell's top-left corner on the point."""
        self.egen("3", "-3/4", "6/8", "0", "1", "5")
        kall = self.d.execute_script(
            "return window.__kall.filter(k => k[0] === 'Linje_0')")
        tekster = [k[3] for k in kall if k[1] == "fillText"]
        self.assertEqual(tekster, ["3", "x", "2", "3", "4", "x", "6", "8", "x", "5"])
        self.assertEqual(sum(1 for k in kall if k[1] == "fillRect"), 9)
        skala = self.d.execute_script(
            "const s = getComputedStyle(document.documentElement).getPropertyValue('--s');"
            "return parseFloat(s) * devicePixelRatio * 4 / 3;")
        foerste = next(k for k in kall if k[1] == "fillText")
        self.assertIn('"Liberation Serif"', foerste[2])
        self.assertAlmostEqual(foerste[4] / skala, 4, delta=0.01)
        stigning = self.d.execute_script(
            "const c = document.createElement('canvas').getContext('2d');"
            "c.font = '20px \"Liberation Serif\"';"
            "return c.measureText('x').fontBoundingBoxAscent;")
        self.assertAlmostEqual(foerste[5] / skala, 36.75 / 2 - 12 + stigning, delta=0.01)

    def hovedtekster(self):
        """Captions, a tooltip, the perform key's name and face picture, the menus."""
        return [self.e("nyoppgave").text, self.e("Label1").text, self.e("Label2").text,
                self.d.find_element(By.CSS_SELECTOR, "#Frame1 legend").text,
                self.e("opr_1").get_attribute("title"), self.e("Utfoer").accessible_name,
                self.d.execute_script("return document.querySelector('#Utfoer img').src")
                .rsplit("/", 1)[1].rsplit("_", 1)[0], self.e("Meny").text, self.e("Spraak").text]

    def test_spraak(self):
        kilder = [("Arket", k) for k in ("Ny oppgave", "Vanskelighetsgrad:", "Løste oppgaver:",
                                         "Likningstype", "Trekk fra...", "Utfør")]
        self.assertEqual(self.hovedtekster(), [k for _, k in kilder] + ["utfoer_nb", "Valg",
                                                                          "Språk"])
        self.egen("0", "2", "3", "0", "0", "7")
        self.klikk("opr_1", "siffer_3", "Utfoer", "opr_3", "siffer_2", "Utfoer", "opr_2",
                   "siffer_5")
        foer = (self.linjer(), self.verdier(), self.brukbare())
        tabell = oversettelser()
        for sprak, ventet in (("nn", ["Ny oppgåve", "Vanskegrad:", "Løyste oppgåver:"]),
                              ("en", ["New exercise", "Level:", "Solved:"])):
            with self.subTest(sprak):
                self.d.execute_script("window.__kall = []")
                self.meny("Spraak", sprak)
                self.assertEqual(self.d.execute_script("return document.documentElement.lang"),
                                 sprak)
                tekster = self.hovedtekster()
                self.assertEqual(tekster[:3], ventet)
                self.assertEqual(tekster, [tabell[sprak][k] for k in kilder] + [
                    "utfoer_" + sprak, tabell[sprak][("Arket", "Valg")],
                    tabell[sprak][("Arket", "Språk")]])
                # The operand fields are drawn again; the worksheet, score and keys stay.
                felt = self.d.execute_script(
                    "return window.__kall.filter(k => k[0].startsWith('opfelt') &&"
                    " k[1] === 'fillText').map(k => k[3])")
                for opr in ("Trekk fra", "Del med", "Gang med"):
                    self.assertIn(tabell[sprak][("Operasjon", opr)], felt)
                self.assertEqual(self.e("Proeve").text, tabell[sprak][("Veileder", "stemmer")])
                self.assertEqual((self.linjer(), self.verdier(), self.brukbare()), foer)
        # Kept for the next visit, with the zoom; nothing else is stored.
        self.meny("Spraak", "nn")
        self.meny("Vis", "stoerre")
        self.d.get(self.tjener.adresse)
        self.vent(lambda: self.d.execute_script("return document.body.dataset.klar") == "1")
        self.assertEqual(self.e("nyoppgave").text, "Ny oppgåve")
        self.assertEqual(sorted(self.d.execute_script("return Object.keys(localStorage)")),
                         ["balvo.spraak", "balvo.zoom"])
        self.meny("Spraak", "nb")
        self.assertEqual(self.e("nyoppgave").text, "Ny oppgave")

    def test_foerste_besoek_foelger_nettleseren(self):
        if self.motor == "webkit":
            # WebKitGTK asks in the system's language; the test machine has no Nynorsk locale.
            self.tjener.forhaand.append(
                "Object.defineProperty(navigator, 'languages', {get: () => ['nn-NO']})")
        d = motorer.start(self.motor, sprak="nn-NO")
        try:
            self.last(d=d)
            self.assertEqual(d.find_element(By.ID, "nyoppgave").text, "Ny oppgåve")
            self.assertIsNone(d.execute_script("return localStorage.getItem('balvo.spraak')"))
        finally:
            motorer.stopp(d)

    def test_vis(self):
        """The menu "Vis" as the desktop's: its items, shortcuts and states step by step."""
        punkter = self.d.execute_script(
            "return [...document.querySelectorAll('#Vis + .menyliste > *')].map(p =>"
            " [p.id, p.getAttribute('role'), p.querySelector('span') ?"
            "  p.querySelector('span').textContent : '',"
            "  p.querySelector('.snarvei') ? p.querySelector('.snarvei').textContent : ''])")
        self.assertEqual(punkter, [
            ["stoerre", "menuitem", "Større", "Ctrl++"],
            ["mindre", "menuitem", "Mindre", "Ctrl+-"],
            ["vanlig", "menuitem", "Vanlig størrelse", "Ctrl+0"],
            ["", "separator", "", ""],
            ["fyll", "menuitemcheckbox", "Fyll vinduet", ""]])

        def tilstand():
            return self.d.execute_script(
                "const e = id => document.getElementById(id);"
                "return [Math.round(e('klientflate').getBoundingClientRect().width),"
                " ...['stoerre', 'mindre', 'vanlig'].map(id => !e(id).disabled),"
                " e('fyll').getAttribute('aria-checked'), localStorage.getItem('balvo.zoom')]")

        fylt = tilstand()[0]
        self.assertGreater(fylt, 1200)
        # (item, width of the window, Større, Mindre, Vanlig størrelse usable, Fyll ticked,
        # the zoom kept)
        for punkt, forventet in (
                ("vanlig", [634, True, True, False, "false", "1"]),
                ("mindre", [476, True, True, True, "false", "0.75"]),
                ("mindre", [317, True, False, True, "false", "0.5"]),
                ("stoerre", [476, True, True, True, "false", "0.75"]),
                ("fyll", [fylt, True, True, True, "true", "fyll"])):
            with self.subTest(punkt=punkt):
                self.meny("Vis", punkt)
                self.assertEqual(tilstand(), forventet)
        # "Fyll vinduet" switched off keeps the scale it gave.
        self.meny("Vis", "fyll")
        self.assertEqual(tilstand()[:5], [fylt, True, True, True, "false"])

    def test_utskrift(self):
        self.meny("Meny", "Utskrift")
        self.assertEqual(self.melding(),
                         ("Til etteretning", "Det er ingen oppgave å skrive ut ennå.", ["OK"]))
        self.svar("ok")
        self.egen("0", "2", "0", "0", "0", "4")
        self.klikk("opr_3", "siffer_2", "Utfoer")
        self.d.execute_script("dispatchEvent(new Event('beforeprint'))")
        self.assertEqual(self.d.execute_script(
            "return document.querySelectorAll('#utskrift .utskriftslinje').length"), 2)
        self.assertEqual(self.d.execute_script(
            "return document.querySelectorAll('#utskrift img.merke').length"), 1)

    def test_uten_webassembly(self):
        """The message in the browser's language, from the translation files."""
        tabell = oversettelser()
        kilde = ("Side", "Denne nettleseren kan ikke kjøre Balvo: den mangler WebAssembly.")
        for sprak, ventet in (("nb-NO", kilde[1]), ("nn-NO", tabell["nn"][kilde]),
                              ("en-GB", tabell["en"][kilde])):
            with self.subTest(sprak):
                self.tjener.forhaand = [
                    "delete window.WebAssembly",
                    "Object.defineProperty(navigator, 'languages', {get: () => ['%s']})" % sprak]
                self.d.get(self.tjener.adresse)
                self.vent(lambda: self.e("ingenwasm").is_displayed())
                self.assertIn(ventet, self.e("ingenwasm").text)
                self.assertEqual(self.d.execute_script("return document.documentElement.lang"),
                                 sprak[:2])


if __name__ == "__main__":
    motorer.kjoer()
