#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The house rules the compiler does not check, over the whole of src/: which folder may
include which. The core includes nothing of Qt or of the shells; the desktop (qt) and the
browser (web) use the core and never each other; inside the core and inside the desktop shell
the folders stand in one order, and a folder includes only itself and the folders before it.
A broken rule is named by the file, the line and the include."""
import os
import re
import sys

# Each part of src/ with its folders in order, lowest first, and the parts it may use.
LAG = {
    "core": ["tekst", "model", "algebra", "display", "entry", "coach", "graph", "document",
             "mainwindow", "about", "lessonfile"],
    "qt": ["ui", "about", "graph", "coach", "document", "lessonfile", "mainwindow"],
    "web": [""],
    "main.cpp": [""],
}
BRUKER = {"core": set(), "qt": {"core"}, "web": {"core"}, "main.cpp": {"core", "qt"}}
# Parts that may include Qt's own headers.
MED_QT = {"qt", "main.cpp"}

INKLUDER = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def plass(sti):
    """(part, folder) of a path below src/ or of an include's path."""
    deler = sti.split("/")
    if deler[0] not in LAG:
        return None
    if len(deler) > 2 and LAG[deler[0]] != [""]:
        return deler[0], deler[1]
    return deler[0], ""


def brudd(src):
    for mappe, _, filer in os.walk(src):
        for f in sorted(filer):
            if not f.endswith((".h", ".cpp")):
                continue
            sti = os.path.relpath(os.path.join(mappe, f), src).replace(os.sep, "/")
            fra = plass(sti)
            if fra is None:
                continue
            with open(os.path.join(mappe, f), encoding="utf-8") as kilde:
                for nr, linje in enumerate(kilde, 1):
                    m = INKLUDER.match(linje)
                    if not m:
                        continue
                    hvor = "src/%s:%d: #include %s" % (sti, nr, m.group(2))
                    if m.group(1) == "<":
                        if re.match(r"Q[A-Za-z]*(/|$)", m.group(2)) and fra[0] not in MED_QT:
                            yield hvor + ": %s may not use Qt" % fra[0]
                        continue
                    til = plass(m.group(2))
                    if til is None:
                        continue
                    if til[0] != fra[0]:
                        if til[0] not in BRUKER[fra[0]]:
                            yield hvor + ": %s may not use %s" % (fra[0], til[0])
                        continue
                    orden = LAG[fra[0]]
                    if til[1] not in orden or fra[1] not in orden:
                        yield hvor + ": %s/%s is in no layer of %s" % (fra[0], til[1], fra[0])
                    elif orden.index(til[1]) > orden.index(fra[1]):
                        yield hvor + ": %s/%s may not use %s/%s, which comes after it" % (
                            fra[0], fra[1], til[0], til[1])


def main(src):
    feil = list(brudd(src))
    for f in feil:
        print(f)
    return 1 if feil else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else
                  os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")))
