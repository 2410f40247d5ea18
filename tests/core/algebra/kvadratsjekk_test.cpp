// SPDX-License-Identifier: GPL-3.0-or-later
// The perfect-square verdicts on either side, the line dump and the diagnostic line.
#include <gtest/gtest.h>

#include "core/algebra/regning.h"
#include "likning.h"

namespace balvo::test {
namespace {

struct Kvadrattilfelle {
    const char* navn;
    Side side;
    bool kvadrat;
};

Side broeker(Cellebroek a, Cellebroek b, Cellebroek c) {
    return Side{a, b, c};
}

const Kvadrattilfelle kvadrattilfeller[] = {
    {"x2_pluss_2x_pluss_1", hele(1, 2, 1), true},
    {"x2_minus_2x_pluss_1", hele(1, -2, 1), true},
    {"negativ_a", hele(-1, -2, -1), false},
    {"fire_x2_fire_x_en", hele(4, 4, 1), true},
    {"fjerdedeler", broeker({1, 4}, {1, 2}, {1, 4}), true},
    {"x2_pluss_1", hele(1, 0, 1), false},
    {"2x_pluss_1", hele(0, 2, 1), false},
    {"x2_pluss_x", hele(1, 1, 0), false},
    {"ni", hele(0, 0, 9), true},
    {"fire_niendeler", broeker({0, 1}, {0, 1}, {4, 9}), true},
    {"to", hele(0, 0, 2), false},
    {"null", hele(0, 0, 0), true},
    {"x2", hele(1, 0, 0), true},
    {"fire_x2", hele(4, 0, 0), true},
    {"kvart_x2", broeker({1, 4}, {0, 1}, {0, 1}), true},
    {"niendedels_x2", broeker({1, 9}, {0, 1}, {0, 1}), false},
    {"x2_pluss_3x_pluss_1", hele(1, 3, 1), false},
    {"x_alene", hele(0, 4, 0), false},
    {"negativ_konstant", hele(0, 0, -4), false},
    {"to_x2", hele(2, 0, 0), false},
    {"ikke_kvadratisk_nevner", broeker({1, 2}, {0, 1}, {0, 1}), false},
    {"store_kvadrater", hele(Celle{1} << 52, Celle{1} << 53, Celle{1} << 52), true},
    {"negativ_nevner", broeker({1, -1}, {0, 1}, {0, 1}), false},
};

void PrintTo(const Kvadrattilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Kvadratsjekk : public ::testing::TestWithParam<Kvadrattilfelle> {};

TEST_P(Kvadratsjekk, BeggeSider) {
    const auto& t = GetParam();
    const std::string forventet = t.kvadrat ? "kvadratisk" : "ikkekvadratisk";
    auto ark = nytt_ark();
    skriv(*ark, 0, {t.side, hele(0, 3, 5)});
    skriv(*ark, 1, {hele(3, 0, 7), t.side});
    EXPECT_EQ(kvadratsjekk(*ark, 0, balvo::Side::venstre), forventet);
    EXPECT_EQ(kvadratsjekk(*ark, 1, balvo::Side::hoeyre), forventet);
}

INSTANTIATE_TEST_SUITE_P(Alle, Kvadratsjekk, ::testing::ValuesIn(kvadrattilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

struct Dumptilfelle {
    const char* navn;
    Likning linje;
    std::string vs, hs, diagnose;
};

const Dumptilfelle dumptilfeller[] = {
    {"x2_minus_4",
     {hele(1, 0, -4), hele(0, 0, 0)},
     "VS: 1/1x² + 0/1x + -4/1 + 0/1[0/1x² + 0/1x + 1/1]",
     "HS:  0/1x² + 0/1x + 0/1±0/1[0/1x² + 0/1x + 1/1]",
     "VS=5HS=0 ikkekvadratisk, kvadratisk vrot= 0  hrot =0"},
    {"x_er_4",
     {hele(0, 1, 0), hele(0, 0, 4)},
     "VS: 0/1x² + 1/1x + 0/1 + 0/1[0/1x² + 0/1x + 1/1]",
     "HS:  0/1x² + 0/1x + 4/1±0/1[0/1x² + 0/1x + 1/1]",
     "VS=2HS=1 ikkekvadratisk, kvadratisk vrot= 0  hrot =0"},
    {"minus_x_pluss_2_er_minus_rot_3",
     {hele(0, -1, 2), Side{{0, 1}, {0, 1}, {0, 1}, {-1, 1}, {0, 1}, {0, 1}, {3, 1}}},
     "VS: 0/1x² + -1/1x + 2/1 + 0/1[0/1x² + 0/1x + 1/1]",
     "HS:  0/1x² + 0/1x + 0/1±-1/1[0/1x² + 0/1x + 3/1]",
     "VS=3HS=0 ikkekvadratisk, kvadratisk vrot= 0  hrot =-1"},
    {"venstre_rot_og_broeker",
     {Side{{1, 4}, {-1, 2}, {1, 4}, {2, 3}, {1, 1}, {-5, 2}, {7, 9}}, hele(0, 0, 9)},
     "VS: 1/4x² + -1/2x + 1/4 + 2/3[1/1x² + -5/2x + 7/9]",
     "HS:  0/1x² + 0/1x + 9/1±0/1[0/1x² + 0/1x + 1/1]",
     "VS=7HS=1 kvadratisk, kvadratisk vrot= 2  hrot =0"},
};

void PrintTo(const Dumptilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Dump : public ::testing::TestWithParam<Dumptilfelle> {};

TEST_P(Dump, TegnForTegn) {
    const auto& t = GetParam();
    auto ark = nytt_ark();
    skriv(*ark, 2, t.linje);
    const auto linjer = linjedump(*ark, 2);
    EXPECT_EQ(linjer[0], t.vs);
    EXPECT_EQ(linjer[1], t.hs);
    EXPECT_EQ(diagnoselinje(*ark, 2), t.diagnose);
}

INSTANTIATE_TEST_SUITE_P(Alle, Dump, ::testing::ValuesIn(dumptilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

}  // namespace
}  // namespace balvo::test
