// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/algebra/linje.h"

#include <algorithm>
#include <cmath>

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
    // A square leaves 0, 1, 4 or 9 over when divided by 16.
    if (((0x0213U >> (v & 15)) & 1U) == 0) return std::nullopt;
    // The double's root is within one of the true one; 3037000499² is the last square below
    // 2^63, so every product below is exact.
    constexpr Celle stoerste = 3037000499;
    auto r = std::min(static_cast<Celle>(std::sqrt(static_cast<double>(v))), stoerste);
    while (r * r > v) --r;
    while (r < stoerste && (r + 1) * (r + 1) <= v) ++r;
    if (r * r != v) return std::nullopt;
    return r;
}

}  // namespace balvo::algebra
