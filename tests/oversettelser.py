#!/usr/bin/env python3
"""Every text of the catalogue has a finished translation in both translation files.

    oversettelser.py LUPDATE LRELEASE SOURCE_ROOT

lupdate reads the sources (the core's BALVO_TR texts too) into copies of translations/*.ts, so
that a text added without running `update_translations` counts as untranslated; lrelease must
then report every text finished. Each translation keeps its source's placeholders (%1, %2),
its paragraphs (empty lines) and a letter-spaced emphasis like "i k k e".
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SPRAAK = {"balvo_nn.ts": "nn_NO", "balvo_en.ts": "en_GB"}
PLASS = re.compile(r"%\d")
SPERRET = re.compile(r"  (?:\w ){2,}\w  ")


def meldinger(sti):
    for kontekst in ET.parse(sti).getroot().iter("context"):
        navn = kontekst.findtext("name")
        for m in kontekst.iter("message"):
            yield navn, m.findtext("source") or "", m.find("translation")


def sjekk_innhold(sti):
    feil = []
    for navn, kilde, oversatt in meldinger(sti):
        tekst = (oversatt.text or "") if oversatt is not None else ""
        hvor = "%s: %s %r" % (os.path.basename(sti), navn, kilde[:40])
        if sorted(PLASS.findall(kilde)) != sorted(PLASS.findall(tekst)):
            feil.append("%s: placeholders differ in %r" % (hvor, tekst))
        if kilde.count("\n\n") != tekst.count("\n\n"):
            feil.append("%s: paragraphs differ in %r" % (hvor, tekst))
        if SPERRET.search(kilde) and not SPERRET.search(tekst):
            feil.append("%s: the letter-spaced emphasis is lost in %r" % (hvor, tekst))
        if tekst != tekst.strip() and kilde == kilde.strip():
            feil.append("%s: spaces around %r" % (hvor, tekst))
    return feil


def main(lupdate, lrelease, rot):
    feil = []
    with tempfile.TemporaryDirectory() as tmp:
        for fil, sprak in SPRAAK.items():
            kopi = os.path.join(tmp, fil)
            shutil.copy(os.path.join(rot, "translations", fil), kopi)
            if ET.parse(kopi).getroot().get("language") != sprak:
                feil.append("%s: language is not %s" % (fil, sprak))
            ut = subprocess.run(
                [lupdate, "-tr-function-alias", "QT_TRANSLATE_NOOP+=BALVO_TR", "-locations",
                 "none", "-no-obsolete"]
                + [os.path.join(rot, "src", d) for d in ("core", "qt", "web")]
                + ["-ts", kopi], capture_output=True, text=True)
            if ut.returncode != 0:
                feil.append("%s: lupdate failed\n%s" % (fil, ut.stdout + ut.stderr))
                continue
            ut = subprocess.run([lrelease, kopi, "-qm", os.path.join(tmp, fil + ".qm")],
                                capture_output=True, text=True)
            rapport = ut.stdout + ut.stderr
            print(fil, rapport.strip().splitlines()[-1] if rapport.strip() else "")
            ferdig = re.search(r"Generated (\d+) translation\(s\) \((\d+) finished and (\d+) "
                               r"unfinished\)", rapport)
            if ut.returncode != 0 or not ferdig:
                feil.append("%s: lrelease failed\n%s" % (fil, rapport))
                continue
            if int(ferdig.group(3)) or "untranslated" in rapport:
                uferdige = [(n, k) for n, k, o in meldinger(kopi)
                            if o is None or o.get("type") == "unfinished" or not o.text]
                feil.append("%s: %s unfinished (cmake --build build --target "
                            "update_translations, then translate):\n  %s"
                            % (fil, ferdig.group(3) if int(ferdig.group(3)) else "some",
                               "\n  ".join("%s: %r" % u for u in uferdige)))
            feil += sjekk_innhold(kopi)
    for f in feil:
        print("FEIL:", f)
    return 1 if feil else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
