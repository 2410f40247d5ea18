// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One worksheet line held apart from the worksheet: what the coach searches over. Columns 0
// and 7 of teller/nevner carry nothing and are always 0/1 here, so that two lines that read
// the same are the same state.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/algebra/linje.h"
#include "core/model/ark.h"

namespace balvo {

struct Tilstand : algebra::Linje {
    bool operator==(const Tilstand&) const = default;

    static Tilstand fra(const Ark& ark, int n) {
        Tilstand s{algebra::Linje::fra(ark, n)};
        for (int j : {0, 7}) {
            s.teller[j] = 0;
            s.nevner[j] = 1;
        }
        return s;
    }
};

// A hash of every cell, for the set of lines already seen.
inline std::uint64_t hash(const Tilstand& s) {
    std::uint64_t h = 0;
    for (const auto* tabell : {&s.teller, &s.nevner, &s.rotteller, &s.rotnevner}) {
        for (Celle v : *tabell) h = (h ^ static_cast<std::uint64_t>(v)) * 0x9e3779b97f4a7c15ULL;
    }
    h ^= h >> 32;
    h *= 0xff51afd7ed558ccdULL;
    return h ^ (h >> 29);
}

}  // namespace balvo
