// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checked whole-number arithmetic for the worksheet cells. A result that cannot be held
// exactly comes back empty; nothing is ever wrapped, rounded or widened to floating point.
#include <cstdint>
#include <optional>

namespace balvo {

using Celle = std::int64_t;

// Largest magnitude a worksheet number may have: beyond it the value would no longer be
// exact if anyone (the graph, a double) read it, so results past it are refused.
inline constexpr Celle eksakt_grense = Celle{1} << 53;

inline constexpr bool innenfor(Celle v) {
    return v >= -eksakt_grense && v <= eksakt_grense;
}

inline std::optional<Celle> gange(Celle a, Celle b) {
    Celle r = 0;
    if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
    return r;
}

inline std::optional<Celle> pluss(Celle a, Celle b) {
    Celle r = 0;
    if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
    return r;
}

inline std::optional<Celle> minus(Celle a, Celle b) {
    Celle r = 0;
    if (__builtin_sub_overflow(a, b, &r)) return std::nullopt;
    return r;
}

inline std::optional<Celle> motsatt(Celle a) {
    return minus(0, a);
}

}  // namespace balvo
