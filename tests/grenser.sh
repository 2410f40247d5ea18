#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The house rules that the compiler does not check: the core includes nothing of Qt or of the
# shells, and no folder of the core includes a folder that includes it back.
set -euo pipefail
src="$(dirname "$0")/../src"
feil=0
if grep -rnE '#include\s*[<"](Q|qt/|web/)' "$src/core"; then
    echo "the core includes Qt or a shell (above)"
    feil=1
fi
# Folder pairs core/a -> core/b (a != b) from the include lines, then a depth-first search
# for a cycle.
kanter=$(grep -rhoE '^#include "core/[a-z]+/' "$src/core" --include='*.h' --include='*.cpp' \
    -H | sed -E 's|.*/core/([a-z]+)/[^:]*:#include "core/([a-z]+)/|\1 \2|' | awk '$1 != $2' |
    sort -u)
if ! python3 - "$kanter" <<'PY'; then
import sys
kanter = {}
for linje in sys.argv[1].splitlines():
    a, b = linje.split()
    kanter.setdefault(a, set()).add(b)
farge = {}
def besok(n, sti):
    farge[n] = 1
    for m in kanter.get(n, ()):
        if farge.get(m) == 1:
            print("include cycle:", " -> ".join(sti + [n, m]))
            sys.exit(1)
        if not farge.get(m):
            besok(m, sti + [n])
    farge[n] = 2
for n in list(kanter):
    if not farge.get(n):
        besok(n, [])
PY
    feil=1
fi
exit $feil
