#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page with the translations of its own texts: every element marked data-tekst
gets data-nn and data-en from the translation files' context "Side" (its Bokmål text is the
source), so that oppstart.js can show it in the browser's language before the program runs.
A marked text without a finished translation stops the build.

The page's own style sheet and script (beside the page in its folder) are written into it, so
that the browser does not wait for two more files before the program can start.

    lagside.py INN.html UT.html FILE.ts...
"""
import html
import os
import re
import sys

import lagtekster

MERKET = re.compile(r"<(\w+) data-tekst>([^<]*)</\1>")
STIL = re.compile(r'<link rel="stylesheet" href="([\w.-]+)">')
SKRIPT = re.compile(r'<script src="([\w.-]+)"></script>')


def skriv_inn(side, mappe):
    """The page with each of its style sheets and scripts from `mappe` written into it."""

    def innhold(m, tag):
        sti = os.path.join(mappe, m.group(1))
        if not os.path.exists(sti):
            return m.group(0)
        with open(sti, encoding="utf-8") as f:
            tekst = f.read()
        if "</" + tag in tekst:
            sys.exit("lagside.py: %s kan ikke skrives inn i siden" % sti)
        return "<%s>\n%s</%s>" % (tag, tekst, tag)

    side = STIL.sub(lambda m: innhold(m, "style"), side)
    return SKRIPT.sub(lambda m: innhold(m, "script"), side)


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
    side = skriv_inn(side, os.path.dirname(os.path.abspath(inn)))
    with open(ut, "w", encoding="utf-8") as f:
        f.write(side)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
