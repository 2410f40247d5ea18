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
    // The magnitude as unsigned, so that even the most negative numerator has one.
    const auto storrelse = teller < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(teller)
                                      : static_cast<std::uint64_t>(teller);
    const auto d = static_cast<Celle>(std::gcd(storrelse, static_cast<std::uint64_t>(nevner)));
    teller /= d;
    nevner /= d;
}

}  // namespace

void forkort(Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return;
    for (int j = 1; j <= 6; ++j) forkortbroek(ark.teller[n][j], ark.nevner[n][j]);
    for (int j : {0, 7}) forkortbroek(ark.rotteller[n][j], ark.rotnevner[n][j]);
}

}  // namespace balvo
