#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The lesson in the browser: "Økt → Lagre økta som..." downloads the lesson as a file (the
pupil's name asked once), the class overview reads such files back from the file chooser and
from a drop on the page, shows the pupils, the levels and a worksheet, and downloads the CSV;
the row "Avstand:" after each step while its choice in "Hjelp" is on.

    oekt_test.py FOLDER [chromium|webkit]      (FOLDER: build-web/nett)
"""
import json

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

import motorer

# What the page hands the browser is caught where it hands it: the blob behind each link
# clicked with a download name, and every print (counted, never opened).
FANG = """
window.__nedlastet = [];
window.__utskrifter = 0;
(function () {
    const blober = new Map();
    const lag = URL.createObjectURL.bind(URL);
    URL.createObjectURL = function (b) { const u = lag(b); blober.set(u, b); return u; };
    const klikk = HTMLAnchorElement.prototype.click;
    HTMLAnchorElement.prototype.click = function () {
        if (!this.hasAttribute('download') || !blober.has(this.href)) return klikk.call(this);
        const navn = this.getAttribute('download');
        const type = blober.get(this.href).type;
        blober.get(this.href).arrayBuffer().then(function (b) {
            window.__nedlastet.push({navn: navn, type: type, bytes: Array.from(new Uint8Array(b))});
        });
    };
    window.print = function () { window.__utskrifter++; };
})();
"""

# Files given to the page as the pupil gives them: chosen in the overview's file chooser, or
# dropped on the page.
GI_FILER = """
const [filer, slipp] = arguments;
const dt = new DataTransfer();
for (const [navn, bytes] of filer) dt.items.add(new File([new Uint8Array(bytes)], navn));
if (slipp) {
    document.getElementById('app').dispatchEvent(
        new DragEvent('drop', {dataTransfer: dt, bubbles: true, cancelable: true}));
} else {
    const inn = document.getElementById('klassefiler');
    inn.files = dt.files;
    inn.dispatchEvent(new Event('change', {bubbles: true}));
}
"""


class Oekt(motorer.Sidetest):
    FORHAAND = (FANG,)

    def nedlastet(self, antall):
        self.vent(lambda: self.d.execute_script("return __nedlastet.length") >= antall)
        return self.d.execute_script("return __nedlastet")[antall - 1]

    def lagre(self, type, navn=None):
        """"Lagre økta som..." with the file type chosen and, when it is asked, the name."""
        self.meny("Oekt", "lagreoekt")
        self.assertTrue(self.e("oektlagring").get_attribute("open"))
        Select(self.e("oektlagring_type")).select_by_value(type)
        self.assertEqual(self.e("oektlagring_navnrad").is_displayed(), navn is not None)
        if navn is not None:
            self.e("oektlagring_navn").send_keys(navn)
        self.d.find_element(By.CSS_SELECTOR, "#oektlagring button[value=lagre]").click()
        self.rolig()

    def tabell(self, id):
        return self.d.execute_script(
            "return [...document.querySelectorAll('#%s tbody tr')]"
            ".map(r => [...r.cells].map(c => c.textContent))" % id)

    def test_lagre_og_les_tilbake(self):
        """A lesson of two exercises saved as a file, then read back into the overview twice
        over (the copy marked) beside a file cut short; a worksheet drawn, the CSV."""
        self.egen("0", "2", "3", "0", "0", "7")
        self.taster(Keys.CONTROL + "t" + Keys.NULL)
        self.svar("ok")
        self.taster("-3" + Keys.ENTER + ":2" + Keys.ENTER)
        self.egen("0", "1", "2", "0", "3", "0")
        self.taster("-x" + Keys.ENTER)
        self.lagre("balvo", "Kari Nordmann")
        fil = self.nedlastet(1)
        self.assertEqual((fil["navn"], fil["type"]), ("økt.balvo", "application/json"))
        oekt = json.loads(bytes(fil["bytes"]).decode("utf-8"))
        self.assertEqual((oekt["format"], oekt["navn"]), ("balvo-okt", "Kari Nordmann"))
        self.assertRegex(oekt["tidspunkt"], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d$")
        self.assertEqual(len(oekt["oppgaver"]), 2)
        self.assertEqual([(h["handling"], h.get("operasjon"), h.get("operand"))
                          for h in oekt["oppgaver"][0]["handlinger"]],
                         [("Tips", None, None), ("Utfør", "-", "3"), ("Utfør", ":", "2")])
        # The name is asked once per run; the PDF is the browser's print of the lesson record.
        self.lagre("balvo")
        self.assertEqual(json.loads(bytes(self.nedlastet(2)["bytes"]).decode())["navn"],
                         "Kari Nordmann")
        self.lagre("pdf")
        self.assertEqual(self.d.execute_script("return __utskrifter"), 1)
        self.assertEqual(self.d.execute_script(
            "return document.querySelectorAll('#utskrift .oektoppgave').length"), 2)

        # Read back: the file, the same lesson again under another name, a file cut short.
        bytes_ = fil["bytes"]
        self.d.execute_script("document.getElementById('Klasseoversikt').close()")
        self.meny("Oekt", "klasseoversikt")
        self.assertTrue(self.e("Klasseoversikt").get_attribute("open"))
        self.d.execute_script(GI_FILER, [["kari.balvo", bytes_], ["kopi.balvo", bytes_],
                                         ["halv.balvo", bytes_[:len(bytes_) // 2]]], False)
        self.vent(lambda: len(self.tabell("klasse_elevtabell")) == 2)
        elever = self.tabell("klasse_elevtabell")
        self.assertEqual(elever[0][:9], ["Kari Nordmann", "2", "1", "3", "5", "1", "0", "0", "0"])
        self.assertEqual(elever[0][10:], ["", "kari.balvo"])
        self.assertEqual(elever[1][10:], ["samme økt som «kari.balvo»", "kopi.balvo"])
        self.assertEqual(self.tabell("klasse_nivaatabell"),
                         [["egen", "2", "1", "0,0", "linje 0 (1 ganger)", "–"]])
        self.assertEqual(self.e("klasse_uleselige").text,
                         "halv.balvo: Filen er avkortet: slutten mangler.")
        # The first pupil's exercises, and one's worksheet as the program draws it.
        self.assertEqual([r[:6] for r in self.tabell("klasse_oppgavetabell")],
                         [["1", "2x + 3 = 7 (egen)", "1", "2", "2", "ja"],
                          ["2", "x + 2 = 3x (egen)", "1", "1", "3", "nei"]])
        self.assertRegex(self.e("klasse_elevtittel").text,
                         r"^Oppgavene til Kari Nordmann, lagret \d+\. \w+ \d{4} kl\. \d\d\.\d\d$")
        self.d.find_element(By.CSS_SELECTOR, "#klasse_oppgavetabell tbody tr .radknapp").click()
        self.rolig()
        self.assertEqual(len(self.d.find_elements(
            By.CSS_SELECTOR, "#klasse_ark .utskriftslinje canvas.likning")), 3)
        self.assertEqual(self.d.find_element(By.CSS_SELECTOR, "#klasse_ark h4").text,
                         "Kari Nordmann")
        # The CSV for a Norwegian spreadsheet: a byte-order mark, semicolons, CRLF.
        self.klikk("klasse_csv")
        csv = self.nedlastet(3)
        self.assertEqual(csv["navn"], "klasse.csv")
        tekst = bytes(csv["bytes"]).decode("utf-8")
        self.assertTrue(tekst.startswith("\ufeffNavn;Oppgaver;Løst;Steg;Korteste;"))
        self.assertEqual(tekst.split("\r\n")[1].split(";")[:3], ["Kari Nordmann", "2", "1"])
        self.klikk("klasse_skrivut")
        self.assertEqual(self.d.execute_script("return __utskrifter"), 2)
        self.assertEqual(self.d.execute_script(
            "return document.querySelectorAll('#utskrift .klassetabell').length"), 2)

        # Dropped on the page, a file opens the overview by itself.
        self.d.execute_script("document.getElementById('Klasseoversikt').close()")
        self.d.execute_script(GI_FILER, [["ola.balvo", bytes_]], True)
        self.vent(lambda: self.tabell("klasse_elevtabell")[:1] == [
            ["Kari Nordmann", "2", "1", "3", "5", "1", "0", "0", "0", "0,0", "", "ola.balvo"]])
        self.assertTrue(self.e("Klasseoversikt").get_attribute("open"))

    def test_ingen_oppgave(self):
        """Before an exercise there is nothing to save; the overview opens all the same."""
        self.meny("Oekt", "lagreoekt")
        self.assertEqual(self.melding()[0], "Til etteretning")
        self.svar("ok")
        self.assertFalse(self.e("oektlagring").get_attribute("open"))
        self.meny("Oekt", "klasseoversikt")
        self.assertTrue(self.e("Klasseoversikt").get_attribute("open"))
        self.assertFalse(self.e("klasse_csv").is_enabled())

    def test_avstand(self):
        """"Hjelp → Avstand etter hvert steg": the row "Avstand:" says after each step how far
        the line is from a solved one, and offers a hint after two steps no closer."""
        self.assertFalse(self.e("Avstand").is_displayed())
        self.meny("Hjelp", "avstand")
        self.assertEqual(self.e("avstand").get_attribute("aria-checked"), "true")
        self.assertTrue(self.e("Avstand").is_displayed())
        self.egen("0", "2", "3", "0", "0", "7")
        self.assertEqual(self.e("Avstand").text, "")
        self.taster("-3" + Keys.ENTER)
        self.assertEqual(self.e("Avstand").text, "1 steg igjen")
        self.taster("+1" + Keys.ENTER)
        self.assertEqual(self.e("Avstand").text, "Ikke nærmere: 2 steg igjen (før: 1)")
        self.taster("-1" + Keys.ENTER)
        self.assertEqual(self.e("Avstand").text,
                         "Denne linjen hadde du før (linje 1). 1 steg igjen. "
                         "Trenger du et tips? Trykk Ctrl+T.")
        # Remembered: the page loaded again shows the row at once.
        self.last()
        self.assertTrue(self.e("Avstand").is_displayed())


if __name__ == "__main__":
    motorer.kjoer()
