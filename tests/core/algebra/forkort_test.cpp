// SPDX-License-Identifier: GPL-3.0-or-later
// Lowest terms for every reduced column; zero denominators and extreme values are safe.
#include <gtest/gtest.h>

#include <limits>

#include "core/algebra/regning.h"
#include "likning.h"

namespace balvo::test {
namespace {

struct Forkorting {
    Celle t, n;    // before
    Celle tf, nf;  // after
};

constexpr Celle minst = std::numeric_limits<Celle>::min();
constexpr Celle stoerst = std::numeric_limits<Celle>::max();

const Forkorting forkortinger[] = {
    {6, 4, 3, 2},
    {-6, 4, -3, 2},
    {8, 8, 1, 1},
    {0, 7, 0, 1},
    {-1, 6, -1, 6},
    {7, 1, 7, 1},
    {0, 0, 0, 0},  // never written: left alone, no division by zero
    {5, 0, 5, 0},
    {-3, -6, -3, -6},  // a denominator below 1 is left alone
    {Celle{1} << 53, (Celle{1} << 53) - 2, (Celle{1} << 52), (Celle{1} << 52) - 1},
    {(Celle{1} << 53) - 1, Celle{1} << 53, (Celle{1} << 53) - 1, Celle{1} << 53},
    {minst, 2, minst / 2, 1},
    {minst, stoerst, minst, stoerst},
    {stoerst, stoerst, 1, 1},
};

void PrintTo(const Forkorting& f, std::ostream* ut) {
    *ut << f.t << "/" << f.n;
}

class Forkort : public ::testing::TestWithParam<Forkorting> {};

TEST_P(Forkort, HverRedusertKolonne) {
    const auto& f = GetParam();
    auto ark = nytt_ark();
    for (int j = 1; j <= 6; ++j) {
        ark->teller[1][j] = f.t;
        ark->nevner[1][j] = f.n;
    }
    for (int j : {0, 7}) {
        ark->rotteller[1][j] = f.t;
        ark->rotnevner[1][j] = f.n;
    }
    forkort(*ark, 1);
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(ark->teller[1][j], f.tf) << j;
        EXPECT_EQ(ark->nevner[1][j], f.nf) << j;
    }
    for (int j : {0, 7}) {
        EXPECT_EQ(ark->rotteller[1][j], f.tf) << j;
        EXPECT_EQ(ark->rotnevner[1][j], f.nf) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Alle, Forkort, ::testing::ValuesIn(forkortinger));

TEST(Forkort, RadikanderOgTommeKolonnerStaar) {
    auto ark = nytt_ark();
    for (int j : {0, 7}) {
        ark->teller[2][j] = 6;
        ark->nevner[2][j] = 4;
    }
    for (int j = 1; j <= 6; ++j) {
        ark->rotteller[2][j] = 6;
        ark->rotnevner[2][j] = 4;
    }
    forkort(*ark, 2);
    for (int j : {0, 7}) {
        EXPECT_EQ(ark->teller[2][j], 6);
        EXPECT_EQ(ark->nevner[2][j], 4);
    }
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(ark->rotteller[2][j], 6);
        EXPECT_EQ(ark->rotnevner[2][j], 4);
    }
}

}  // namespace
}  // namespace balvo::test
