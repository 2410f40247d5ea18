// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <numeric>

#include "core/algebra/regning.h"

namespace balvo {
namespace {

// Lowest terms by the greatest common divisor. A denominator of 1 or less is left alone:
// that also keeps a never-written fraction (0/0) from being divided by zero.
void forkortbroek(Celle& teller, Celle& nevner) {
    if (nevner <= 1) return;
    if (teller == 0) {
        nevner = 1;
        return;
    }
    // The magnitude as unsigned, so that even the most negative numerator has one.
    const auto storrelse = teller < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(teller)
                                      : static_cast<std::uint64_t>(teller);
    const auto d = std::gcd(storrelse, static_cast<std::uint64_t>(nevner));
    // Most fractions are in lowest terms already, and division is slow.
    if (d == 1) return;
    teller /= static_cast<Celle>(d);
    nevner /= static_cast<Celle>(d);
}

}  // namespace

void forkort(Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return;
    for (int j = 1; j <= 6; ++j) forkortbroek(ark.teller[n][j], ark.nevner[n][j]);
    for (int j : {0, 7}) forkortbroek(ark.rotteller[n][j], ark.rotnevner[n][j]);
}

}  // namespace balvo
