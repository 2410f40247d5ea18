// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include "core/model/ark.h"

namespace balvo {
namespace {

// One line written cell by cell: polynomial fractions of columns 1..6, root coefficients and
// the right radicand's x² and x numerators.
struct Loestfall {
    const char* navn;
    std::array<Celle, 7> teller;  // index 1..6 used
    std::array<Celle, 7> nevner;
    Celle k0 = 0, k7 = 0;
    Celle hoeyre_rot_x2 = 0, hoeyre_rot_x = 0;
    bool loest;
};

// Test names show the row's name, not the bytes of the row.
void PrintTo(const Loestfall& rad, std::ostream* os) {
    *os << rad.navn;
}

class Loest : public ::testing::TestWithParam<Loestfall> {};

TEST_P(Loest, DecidesXEqualsNumber) {
    const auto& c = GetParam();
    Ark ark;
    toemlinje(ark, 4);
    for (int j = 1; j <= 6; ++j) {
        ark.teller[4][j] = c.teller[j];
        ark.nevner[4][j] = c.nevner[j];
    }
    ark.rotteller[4][0] = c.k0;
    ark.rotteller[4][7] = c.k7;
    ark.rotteller[4][4] = c.hoeyre_rot_x2;
    ark.rotteller[4][5] = c.hoeyre_rot_x;
    EXPECT_EQ(loest(ark, 4), c.loest);
}

constexpr std::array<Celle, 7> en{1, 1, 1, 1, 1, 1, 1};

INSTANTIATE_TEST_SUITE_P(
    Linjer, Loest,
    ::testing::Values(
        Loestfall{"x_er_7", {0, 0, 1, 0, 0, 0, 7}, en, 0, 0, 0, 0, true},
        Loestfall{
            "x_er_minus_2_5", {0, 0, 1, 0, 0, 0, -2}, {1, 1, 1, 1, 1, 1, 5}, 0, 0, 0, 0, true},
        Loestfall{"x_er_1_pm_2rot3", {0, 0, 1, 0, 0, 0, 1}, en, 0, 2, 0, 0, true},
        Loestfall{"venstre_rot", {0, 0, 1, 0, 0, 0, 7}, en, 3, 0, 0, 0, false},
        Loestfall{"to_todeler_x", {0, 0, 2, 0, 0, 0, 7}, {1, 1, 2, 1, 1, 1, 1}, 0, 0, 0, 0, false},
        Loestfall{"syv_er_x", {0, 0, 0, 7, 0, 1, 0}, en, 0, 0, 0, 0, false},
        Loestfall{"x2_er_9", {0, 1, 0, 0, 0, 0, 9}, en, 0, 0, 0, 0, false},
        Loestfall{"x_pluss_1_er_3", {0, 0, 1, 1, 0, 0, 3}, en, 0, 0, 0, 0, false},
        Loestfall{"x_er_x", {0, 0, 1, 0, 0, 1, 0}, en, 0, 0, 0, 0, false},
        Loestfall{"x_er_x2", {0, 0, 1, 0, 1, 0, 0}, en, 0, 0, 0, 0, false},
        Loestfall{"x_er_rot_av_x", {0, 0, 1, 0, 0, 0, 0}, en, 0, 1, 0, 1, false},
        Loestfall{"x_er_rot_av_x2", {0, 0, 1, 0, 0, 0, 0}, en, 0, 1, 1, 0, false},
        Loestfall{"x_er_0", {0, 0, 1, 0, 0, 0, 0}, en, 0, 0, 0, 0, true}),
    [](const auto& info) { return std::string(info.param.navn); });

}  // namespace
}  // namespace balvo
