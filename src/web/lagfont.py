#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a web font as WOFF2 holding only the characters Balvo can show: printable ASCII and
Latin-1, and every character of the program's texts in all three languages (the sources and
the translation files), so that the page downloads a small part of each font. The hinting
instructions are left out: the tablets' engines (WebKit's Core Text, FreeType's light
hinting on ChromeOS) do not run them, and they were two thirds of each file.

    lagfont.py INN.ttf UT.woff2 FIL...      (FIL: translations/*.ts, src files to read)
"""
import sys

from fontTools import subset


def tegn(filer):
    alle = {chr(c) for c in range(0x20, 0x7f)} | {chr(c) for c in range(0xa0, 0x100)}
    for sti in filer:
        with open(sti, encoding="utf-8", errors="ignore") as f:
            alle |= {c for c in f.read() if ord(c) >= 0x80}
    return sorted(alle)


def main():
    inn, ut, *filer = sys.argv[1:]
    valg = subset.Options()
    valg.flavor = "woff2"
    valg.layout_features = ["*"]
    valg.name_IDs = ["*"]
    valg.notdef_outline = True
    valg.hinting = False
    font = subset.load_font(inn, valg)
    s = subset.Subsetter(valg)
    s.populate(unicodes=[ord(c) for c in tegn(filer)])
    s.subset(font)
    subset.save_font(font, ut, valg)


if __name__ == "__main__":
    main()
