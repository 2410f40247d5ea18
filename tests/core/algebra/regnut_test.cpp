// SPDX-License-Identifier: GPL-3.0-or-later
// The next line for each operation, cell by cell, and the refusal of inexact results.
#include <gtest/gtest.h>

#include "core/algebra/regning.h"
#include "likning.h"

namespace balvo::test {
namespace {

struct Regnetilfelle {
    const char* navn;
    Likning foer;
    std::string opr;
    Celle p, q;
    int potens;
    bool forkortes;  // compare after forkort(n+1)
    Likning etter;
    std::string boks;  // the "Til etteretning" text, empty when none is shown
};

// A side with only a ± (or left) root: 0 = rot·√(ra x² + rb x + rc).
Side bare_rot(Cellebroek rot, Cellebroek ra, Cellebroek rb, Cellebroek rc) {
    return Side{{0, 1}, {0, 1}, {0, 1}, rot, ra, rb, rc};
}

const std::string gange_x = "Løsningen x=0 følger med på\nlasset når du ganger med x.";
const std::string dele_x = "Løsningen x=0\ngår nå tapt.";

const Regnetilfelle regnetilfeller[] = {
    {"leggtil_tre_firedeler",
     {hele(0, 1, 0), hele(0, 0, 0)},
     "+",
     3,
     4,
     0,
     false,
     {Side{{0, 1}, {1, 1}, {3, 4}}, Side{{0, 1}, {0, 1}, {3, 4}}},
     ""},
    {"leggtil_x",
     {hele(0, 2, 3), hele(0, 0, 5)},
     "+",
     1,
     1,
     1,
     false,
     {hele(0, 3, 3), hele(0, 1, 5)},
     ""},
    {"leggtil_minus_x2_beholder_rot",
     {hele(1, 0, 0), bare_rot({1, 1}, {0, 1}, {0, 1}, {2, 1})},
     "+",
     -1,
     1,
     2,
     false,
     {hele(0, 0, 0), Side{{-1, 1}, {0, 1}, {0, 1}, {1, 1}, {0, 1}, {0, 1}, {2, 1}}},
     ""},
    {"trekkfra_to_tredeler",
     {Side{{0, 1}, {0, 1}, {1, 2}}, hele(0, 0, 0)},
     "-",
     2,
     3,
     0,
     true,
     {Side{{0, 1}, {0, 1}, {-1, 6}}, Side{{0, 1}, {0, 1}, {-2, 3}}},
     ""},
    {"trekkfra_minus_tre",
     {hele(0, 1, 0), hele(0, 0, 1)},
     "-",
     -3,
     1,
     0,
     false,
     {hele(0, 1, 3), hele(0, 0, 4)},
     ""},
    {"gange_med_x",
     {hele(0, 2, 3), hele(0, 0, 5)},
     "*",
     1,
     1,
     1,
     false,
     {hele(2, 3, 0), hele(0, 5, 0)},
     gange_x},
    {"gange_med_broek",
     {Side{{0, 1}, {1, 2}, {3, 1}}, hele(0, 0, 5)},
     "*",
     -2,
     3,
     0,
     false,
     {Side{{0, 3}, {-2, 6}, {-6, 3}, {0, 3}}, Side{{0, 3}, {0, 3}, {-10, 3}, {0, 3}}},
     ""},
    {"gange_rotkoeffisient",
     {hele(0, 1, 0), bare_rot({2, 3}, {0, 1}, {0, 1}, {5, 1})},
     "*",
     3,
     2,
     0,
     false,
     {Side{{0, 2}, {3, 2}, {0, 2}, {0, 2}},
      Side{{0, 2}, {0, 2}, {0, 2}, {6, 6}, {0, 1}, {0, 1}, {5, 1}}},
     ""},
    {"gange_med_null",
     {Side{{0, 1}, {1, 2}, {-2, 1}}, bare_rot({2, 3}, {1, 1}, {0, 1}, {3, 1})},
     "*",
     0,
     5,
     0,
     true,
     {hele(0, 0, 0), hele(0, 0, 0)},
     ""},
    {"dele_med_x",
     {hele(2, 3, 0), hele(0, 5, 0)},
     ":",
     1,
     1,
     1,
     false,
     {hele(0, 2, 3), hele(0, 0, 5)},
     dele_x},
    {"dele_med_minus_fire",
     {hele(0, 2, 0), hele(0, 0, 2)},
     ":",
     -4,
     1,
     0,
     false,
     {Side{{0, 4}, {-2, 4}, {0, 4}, {0, 4}}, Side{{0, 4}, {0, 4}, {-2, 4}, {0, 4}}},
     ""},
    {"dele_med_minus_fire_forkortet",
     {hele(0, 2, 0), hele(0, 0, 2)},
     ":",
     -4,
     1,
     0,
     true,
     {Side{{0, 1}, {-1, 2}, {0, 1}}, Side{{0, 1}, {0, 1}, {-1, 2}}},
     ""},
    {"dele_rot_med_minus_broek",
     {hele(0, 1, 0), bare_rot({1, 1}, {0, 1}, {0, 1}, {2, 1})},
     ":",
     -2,
     3,
     0,
     false,
     {Side{{0, 2}, {-3, 2}, {0, 2}, {0, 2}},
      Side{{0, 2}, {0, 2}, {0, 2}, {-3, 2}, {0, 1}, {0, 1}, {2, 1}}},
     ""},
    {"rot_x2_er_ni",
     {hele(1, 0, 0), hele(0, 0, 9)},
     "r",
     1,
     1,
     0,
     false,
     {hele(0, 1, 0), bare_rot({3, 1}, {0, 1}, {0, 1}, {1, 1})},
     ""},
    {"rot_x2_er_to",
     {hele(1, 0, 0), hele(0, 0, 2)},
     "r",
     1,
     1,
     0,
     false,
     {hele(0, 1, 0), bare_rot({1, 1}, {0, 1}, {0, 1}, {2, 1})},
     ""},
    {"rot_ni_er_x2",
     {hele(0, 0, 9), hele(1, 0, 0)},
     "r",
     1,
     1,
     0,
     false,
     {hele(0, 0, 3), hele(0, 1, 0)},
     ""},
    {"rot_fortegn_fra_b",
     {hele(4, -4, 1), Side{{0, 1}, {0, 1}, {1, 4}}},
     "r",
     1,
     1,
     0,
     false,
     {hele(0, 2, -1), bare_rot({1, 2}, {0, 1}, {0, 1}, {1, 1})},
     ""},
    {"rot_broeker",
     {Side{{1, 4}, {1, 2}, {1, 4}}, hele(0, 0, 0)},
     "r",
     1,
     1,
     0,
     false,
     {Side{{0, 1}, {1, 2}, {1, 2}}, hele(0, 0, 0)},
     ""},
    {"rot_ikke_kvadrat_venstre",
     {hele(1, 0, 1), hele(0, 0, 0)},
     "r",
     1,
     1,
     0,
     false,
     {bare_rot({1, 1}, {1, 1}, {0, 1}, {1, 1}), hele(0, 0, 0)},
     ""},
    {"kvadrer_x_pluss_en",
     {hele(0, 1, 1), hele(0, 0, 3)},
     "k",
     1,
     1,
     0,
     false,
     {hele(1, 2, 1), hele(0, 0, 9)},
     ""},
    {"kvadrer_oppheve_rot",
     {hele(0, 1, 0), bare_rot({1, 1}, {0, 1}, {0, 1}, {2, 1})},
     "k",
     1,
     1,
     0,
     false,
     {hele(1, 0, 0), hele(0, 0, 2)},
     ""},
    {"kvadrer_rot_med_broeker",
     {Side{{0, 1}, {0, 1}, {1, 2}}, bare_rot({2, 3}, {0, 1}, {1, 1}, {5, 2})},
     "k",
     1,
     1,
     0,
     false,
     {Side{{0, 1}, {0, 2}, {1, 4}}, Side{{0, 9}, {4, 9}, {20, 18}}},
     ""},
    {"kvadrer_venstre_rot",
     {bare_rot({-3, 1}, {0, 1}, {2, 1}, {1, 1}), hele(0, 1, 0)},
     "k",
     1,
     1,
     0,
     false,
     {hele(0, 18, 9), hele(1, 0, 0)},
     ""},
    {"snu_med_rot",
     {hele(0, 1, -2), bare_rot({1, 1}, {0, 1}, {0, 1}, {3, 1})},
     "+/-",
     1,
     1,
     0,
     false,
     {hele(0, -1, 2), bare_rot({-1, 1}, {0, 1}, {0, 1}, {3, 1})},
     ""},
    {"snu_broeker",
     {Side{{-1, 2}, {0, 1}, {7, 3}}, hele(0, 0, -1)},
     "+/-",
     1,
     1,
     0,
     false,
     {Side{{1, 2}, {0, 1}, {-7, 3}}, hele(0, 0, 1)},
     ""},
    {"bytt_sider",
     {hele(0, 2, 0), hele(0, 0, 4)},
     "bytt",
     1,
     1,
     0,
     false,
     {hele(0, 0, 4), hele(0, 2, 0)},
     ""},
    {"bytt_med_rot",
     {hele(0, 1, 0), bare_rot({2, 3}, {0, 1}, {0, 1}, {2, 1})},
     "bytt",
     1,
     1,
     0,
     false,
     {bare_rot({2, 3}, {0, 1}, {0, 1}, {2, 1}), hele(0, 1, 0)},
     ""},
};

void PrintTo(const Regnetilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Regnut : public ::testing::TestWithParam<Regnetilfelle> {};

TEST_P(Regnut, SkriverNesteLinje) {
    const auto& t = GetParam();
    auto ark = nytt_ark();
    skriv(*ark, 0, t.foer);
    ark->linjeopr[0] = fra_symbol(t.opr);
    ark->linjeteller[0] = t.p;
    ark->linjenevner[0] = t.q;
    ark->linjepotens[0] = t.potens;

    const Regneresultat svar = regnut(*ark, 0);
    ASSERT_EQ(svar.status, Regnestatus::ok);
    if (t.forkortes) forkort(*ark, 1);

    EXPECT_EQ(les(*ark, 1), t.etter);
    EXPECT_EQ(les(*ark, 0), t.foer) << "line n is never changed";
    // The box the pupil is shown after the line is written (its text: the perform tests).
    const Etteretning ventet = t.boks.empty()      ? Etteretning::ingen
                               : t.boks == gange_x ? Etteretning::gange_med_x
                                                   : Etteretning::dele_med_x;
    EXPECT_EQ(svar.etteretning, ventet);
}

INSTANTIATE_TEST_SUITE_P(Alle, Regnut, ::testing::ValuesIn(regnetilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

// Line n+1 before the operation: every cell 4242 except the four denominators of column 2.
void fyll_med_vaktverdi(Ark& ark, int i) {
    for (auto* tabell : {&ark.teller, &ark.nevner, &ark.rotteller, &ark.rotnevner}) {
        (*tabell)[i].fill(4242);
    }
}

struct Uekstilfelle {
    const char* navn;
    Likning foer;
    std::string opr;
    Celle p, q;
    int potens;
    int n = 0;
};

constexpr Celle to_i_52 = Celle{1} << 52;

const Uekstilfelle uekte_tilfeller[] = {
    {"gange_2_52_med_7", {hele(0, to_i_52, 0), hele(0, 0, 1)}, "*", 7, 1, 0},
    {"gange_med_x_uten_boks", {hele(0, 3, to_i_52), hele(0, 0, 1)}, "*", 3, 1, 1},
    {"nevnerprodukt_flyter_over",
     {Side{{0, 1}, {1, Celle{1} << 40}, {0, 1}}, hele(0, 0, 1)},
     "+",
     1,
     Celle{1} << 30,
     1},
    {"mellomprodukt_flyter_over",
     {Side{{0, 1}, {0, 1}, {Celle{1} << 40, 3}}, hele(0, 0, 1)},
     "-",
     1,
     Celle{1} << 30,
     0},
    {"dele_med_x_uten_boks", {hele(to_i_52, 1, 0), hele(0, 1, 0)}, ":", 1, 3, 1},
    {"kvadrer_stor_b", {hele(0, Celle{1} << 27, 0), hele(0, 0, 1)}, "k", 1, 1, 0},
    {"kvadrer_rotnevner",
     {hele(0, 1, 0), bare_rot({1, Celle{1} << 32}, {0, 1}, {0, 1}, {2, 1})},
     "k",
     1,
     1,
     0},
    {"snu_utenfor_grensen", {hele(0, 1, 0), hele(0, 0, to_i_52 * 4)}, "+/-", 1, 1, 0},
    {"operandnevner_null", {hele(0, 1, 0), hele(0, 0, 1)}, "*", 3, 0, 0},
    {"leggtil_nevner_null", {hele(0, 1, 0), hele(0, 0, 1)}, "+", 3, 0, 0},
    {"dele_med_null", {hele(0, 1, 0), hele(0, 0, 1)}, ":", 0, 1, 0},
    {"ukjent_potens", {hele(0, 1, 0), hele(0, 0, 1)}, "+", 1, 1, 3},
    {"siste_linje", {hele(0, 1, 0), hele(0, 0, 1)}, "bytt", 1, 1, 0, siste_linje},
};

void PrintTo(const Uekstilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class IkkeEksakt : public ::testing::TestWithParam<Uekstilfelle> {};

TEST_P(IkkeEksakt, LarNesteLinjeVaere) {
    const auto& t = GetParam();
    auto ark = nytt_ark();
    skriv(*ark, t.n, t.foer);
    ark->linjeopr[t.n] = fra_symbol(t.opr);
    ark->linjeteller[t.n] = t.p;
    ark->linjenevner[t.n] = t.q;
    ark->linjepotens[t.n] = t.potens;
    const int neste = t.n == siste_linje ? t.n - 1 : t.n + 1;  // line 99 has no successor
    fyll_med_vaktverdi(*ark, neste);
    const auto vakt = les(*ark, neste);

    const Regneresultat svar = regnut(*ark, t.n);
    EXPECT_EQ(svar.status, Regnestatus::ikke_eksakt);
    EXPECT_EQ(les(*ark, neste), vakt);
    EXPECT_EQ(ark->teller[neste][0], 4242);
    EXPECT_EQ(ark->nevner[neste][7], 4242);
    EXPECT_EQ(les(*ark, t.n), t.foer);
    EXPECT_EQ(svar.etteretning, Etteretning::ingen);
}

INSTANTIATE_TEST_SUITE_P(Alle, IkkeEksakt, ::testing::ValuesIn(uekte_tilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Regnut, Grensen2i53ErEksakt) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(0, to_i_52, 0), hele(0, 0, -to_i_52)});
    ark->linjeopr[0] = Operasjon::gang;
    ark->linjeteller[0] = 2;
    ark->linjenevner[0] = 1;
    ASSERT_EQ(regnut(*ark, 0).status, Regnestatus::ok);
    EXPECT_EQ(ark->teller[1][2], Celle{1} << 53);
    EXPECT_EQ(ark->teller[1][6], -(Celle{1} << 53));
}

TEST(Regnut, IngenOperasjonNormalisererBare) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(0, 1, 0), hele(0, 0, 4)});
    ark->linjeopr[0] = Operasjon::ingen;
    skriv(*ark, 1, {Side{{1, -2}, {5, 3}, {-7, -1}, {2, -3}}, hele(0, 0, 9)});
    const Regneresultat svar = regnut(*ark, 0);
    ASSERT_EQ(svar.status, Regnestatus::ok);
    EXPECT_EQ(les(*ark, 1), (Likning{Side{{-1, 2}, {5, 3}, {7, 1}, {-2, 3}}, hele(0, 0, 9)}));
    EXPECT_EQ(svar.etteretning, Etteretning::ingen);
}

TEST(Regnut, AldriSkrevetLinjeGirIngenDelingMedNull) {
    // Line 5 was never written: every cell, the denominators too, is 0.
    auto ark = std::make_unique<Ark>();
    for (const char* opr : {"+", "-", "*", ":", "r", "k", "+/-", "bytt"}) {
        ark->linjeopr[5] = fra_symbol(opr);
        ark->linjeteller[5] = 2;
        ark->linjenevner[5] = 3;
        EXPECT_EQ(regnut(*ark, 5).status, Regnestatus::ok) << opr;
        forkort(*ark, 6);
    }
}

}  // namespace
}  // namespace balvo::test
