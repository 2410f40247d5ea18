// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The busy line the typesetting benchmarks draw: fractions, x², radicals on both sides, ±.
#include "core/model/ark.h"

// −3/4 x² + 5/2 x − 7/3 + 2/5·√(3x² − 1/2 x + 9) = 11/6 x² − x + 1 ± 7/8·√(5/3 x² + 2x − 4)
inline void travel_linje(balvo::Ark& ark, int n) {
    balvo::toemlinje(ark, n);
    const balvo::Celle t[8] = {0, -3, 5, -7, 11, -1, 1, 0};
    const balvo::Celle nv[8] = {1, 4, 2, 3, 6, 1, 1, 1};
    const balvo::Celle rt[8] = {2, 3, -1, 9, 5, 2, -4, 7};
    const balvo::Celle rn[8] = {5, 1, 2, 1, 3, 1, 1, 8};
    for (int j = 0; j < 8; ++j) {
        ark.teller[n][j] = t[j];
        ark.nevner[n][j] = nv[j];
        ark.rotteller[n][j] = rt[j];
        ark.rotnevner[n][j] = rn[j];
    }
}
