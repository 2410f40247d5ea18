#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page with the translations of its own texts: every element marked data-tekst
gets data-nn and data-en from the translation files' context "Side" (its Bokmål text is the
source), so that oppstart.js can show it in the browser's language before the program runs.
A marked text without a finished translation stops the build.

    lagside.py INN.html UT.html FILE.ts...
"""
import html
import re
import sys

import lagtekster

MERKET = re.compile(r"<(\w+) data-tekst>([^<]*)</\1>")


def main(argv):
    inn, ut, *ts = argv[1:]
    tekster = {}
    for sti in ts:
        for sprak, kontekst, kilde, tekst in lagtekster.les(sti):
            if kontekst == "Side":
                tekster.setdefault(sprak, {})[kilde] = tekst
    with open(inn, encoding="utf-8") as f:
        side = f.read()

    def oversett(m):
        kilde = html.unescape(m.group(2))
        attr = ""
        for sprak in sorted(tekster):
            if kilde not in tekster[sprak]:
                sys.exit("lagside.py: %r mangler i %s" % (kilde, sprak))
            attr += ' data-%s="%s"' % (sprak, html.escape(tekster[sprak][kilde]))
        return "<%s data-tekst%s>%s</%s>" % (m.group(1), attr, m.group(2), m.group(1))

    side, antall = MERKET.subn(oversett, side)
    if not antall:
        sys.exit("lagside.py: ingen tekster merket data-tekst i " + inn)
    with open(ut, "w", encoding="utf-8") as f:
        f.write(side)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
