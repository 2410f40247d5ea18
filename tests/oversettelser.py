#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text of the catalogue has a finished translation in both translation files.

    oversettelser.py LUPDATE LRELEASE SOURCE_ROOT

lupdate reads the sources (the BALVO_TR texts of the core and the shells) into copies of
translations/*.ts, so that a text added without `update_translations` counts as untranslated;
lrelease must then report every text finished. Each translation keeps its source's placeholders (%1, %2), its
paragraphs (empty lines) and a letter-spaced emphasis like "i k k e".
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


def feil_i(sti):
    """The unfinished messages and the translations that lose something of their source."""
    for kontekst in ET.parse(sti).getroot().iter("context"):
        for m in kontekst.iter("message"):
            kilde, o = m.findtext("source") or "", m.find("translation")
            hvor = "%s %r" % (kontekst.findtext("name"), kilde[:50])
            if o is None or o.get("type") == "unfinished" or not o.text:
                yield "unfinished: " + hvor
                continue
            if sorted(PLASS.findall(kilde)) != sorted(PLASS.findall(o.text)):
                yield "placeholders differ: %s -> %r" % (hvor, o.text)
            if kilde.count("\n\n") != o.text.count("\n\n"):
                yield "paragraphs differ: %s -> %r" % (hvor, o.text)
            if SPERRET.search(kilde) and not SPERRET.search(o.text):
                yield "the spaced-out emphasis is lost: %s -> %r" % (hvor, o.text)


def qt_tr(rot):
    """Qt's tr("...") in the sources: every text is named by BALVO_TR, so that the core and both
    shells share one catalogue; Qt's tr() would file it under a class of its own."""
    for mappe, _, filer in os.walk(os.path.join(rot, "src")):
        for f in filer:
            if f.endswith((".cpp", ".h")):
                with open(os.path.join(mappe, f), encoding="utf-8") as kilde:
                    for nr, linje in enumerate(kilde, 1):
                        if re.search(r'\btr\(\s*"', linje):
                            yield "%s:%d: write ui::qtr(BALVO_TR(...)) instead of tr(\"...\")" % (
                                os.path.relpath(os.path.join(mappe, f), rot), nr)


def main(lupdate, lrelease, rot):
    feil = list(qt_tr(rot))
    with tempfile.TemporaryDirectory() as tmp:
        for fil, sprak in SPRAAK.items():
            kopi = os.path.join(tmp, fil)
            shutil.copy(os.path.join(rot, "translations", fil), kopi)
            if ET.parse(kopi).getroot().get("language") != sprak:
                feil.append("%s: the language is not %s" % (fil, sprak))
            subprocess.run([lupdate, "-silent", "-tr-function-alias",
                            "QT_TRANSLATE_NOOP+=BALVO_TR", "-locations", "none",
                            "-no-obsolete"]
                           + [os.path.join(rot, "src", d) for d in ("core", "qt", "web")]
                           + ["-ts", kopi], check=True)
            ut = subprocess.run([lrelease, kopi, "-qm", kopi + ".qm"], capture_output=True,
                                text=True, check=True).stdout
            print(fil, ut.strip().splitlines()[-1])
            if not re.search(r"\(\d+ finished and 0 unfinished\)", ut) or "untranslated" in ut:
                feil.append("%s: lrelease reports unfinished texts (cmake --build build "
                            "--target update_translations, then translate them)" % fil)
            feil += ["%s: %s" % (fil, f) for f in feil_i(kopi)]
    for f in feil:
        print("FEIL:", f)
    return 1 if feil else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
