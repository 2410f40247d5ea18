// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/algebra/linje.h"

namespace balvo::algebra {

Linje Linje::fra(const Ark& ark, int n) {
    return Linje{ark.teller[n], ark.nevner[n], ark.rotteller[n], ark.rotnevner[n]};
}

void Linje::til(Ark& ark, int n) const {
    ark.teller[n] = teller;
    ark.nevner[n] = nevner;
    ark.rotteller[n] = rotteller;
    ark.rotnevner[n] = rotnevner;
}

bool Linje::eksakt() const {
    for (const auto* tabell : {&teller, &nevner, &rotteller, &rotnevner}) {
        for (Celle v : *tabell) {
            if (!innenfor(v)) return false;
        }
    }
    return true;
}

void Linje::fjernrot(Side side) {
    const int o = forskyvning(side);
    rotteller[rotkolonne(side)] = 0;
    rotnevner[rotkolonne(side)] = 1;
    for (int j = o + 1; j <= o + 3; ++j) {
        rotteller[j] = 0;
        rotnevner[j] = 1;
    }
    rotteller[o + 3] = 1;
}

std::optional<Celle> helrot(Celle v) {
    if (v < 0) return std::nullopt;
    // Largest r with r·r <= v, found by halving; 3037000499² is the last square below 2^63.
    Celle lav = 0, hoey = 3037000499;
    while (lav < hoey) {
        const Celle midt = lav + (hoey - lav + 1) / 2;
        if (midt * midt <= v) {
            lav = midt;
        } else {
            hoey = midt - 1;
        }
    }
    if (lav * lav != v) return std::nullopt;
    return lav;
}

}  // namespace balvo::algebra
