// SPDX-License-Identifier: GPL-3.0-or-later
// Scrolling rows 1..4 over the worksheet, one line at a time.
#include "core/display/linjetegner.h"
#include "core/entry/operandfelt.h"
#include "core/mainwindow/arket.h"

namespace balvo {

void Arket::scrollopp_Click() {
    if (ark_.linjenr <= 4) return;  // rows 1..4 already show lines 1..4
    rull(-1, Modus::scrollopp);
}

void Arket::scrollned_Click() {
    if (ark_.linjenr >= ark_.sistelinje) return;  // the newest line is in view
    rull(+1, Modus::scrollned);
}

void Arket::rull(int steg, Modus m) {
    ark_.linjenr += steg;
    for (int k = 1; k <= 4; ++k) {
        const int n = ark_.linjenr - 4 + k;
        visning_.rad(ark_, k, n);
        vislinjeoprifelt(n, k);
    }
    visning_.skjulmerke();
    // Back at the newest line with an operand half built: show it again beside its row,
    // since settmodus hands the keys back to that operand.
    if (ark_.linjenr == ark_.sistelinje && bygger_operand()) visning_.operand(ark_, ark_.rad);
    settmodus(m);
}

}  // namespace balvo
