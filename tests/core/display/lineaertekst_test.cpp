// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display/lineaertekst.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "core/model/ark.h"
#include "symbol.h"

namespace balvo::test {
namespace {

// A fraction cell: numerator and denominator.
struct Br {
    Celle t = 0;
    Celle n = 1;
};

// One line: polynomial parts left/right (x², x, constant), root coefficients and radicands.
struct Linjedata {
    const char* navn;
    std::vector<Br> venstre;  // x², x, constant
    std::vector<Br> hoeyre;
    Br k0{};
    std::vector<Br> rot_v{{0}, {0}, {1}};
    Br k7{};
    std::vector<Br> rot_h{{0}, {0}, {1}};
    const char* forventet;
};

// Test names show the row's name, not the bytes of the row.
void PrintTo(const Linjedata& rad, std::ostream* os) {
    *os << rad.navn;
}

void skriv(Ark& ark, const Linjedata& d) {
    toemlinje(ark, 0);
    for (int j = 0; j < 3; ++j) {
        ark.teller[0][1 + j] = d.venstre[j].t;
        ark.nevner[0][1 + j] = d.venstre[j].n;
        ark.teller[0][4 + j] = d.hoeyre[j].t;
        ark.nevner[0][4 + j] = d.hoeyre[j].n;
        ark.rotteller[0][1 + j] = d.rot_v[j].t;
        ark.rotnevner[0][1 + j] = d.rot_v[j].n;
        ark.rotteller[0][4 + j] = d.rot_h[j].t;
        ark.rotnevner[0][4 + j] = d.rot_h[j].n;
    }
    ark.rotteller[0][0] = d.k0.t;
    ark.rotnevner[0][0] = d.k0.n;
    ark.rotteller[0][7] = d.k7.t;
    ark.rotnevner[0][7] = d.k7.n;
}

class Likningstekst : public ::testing::TestWithParam<Linjedata> {};

TEST_P(Likningstekst, SpellsTheLineAsDrawn) {
    Ark ark;
    skriv(ark, GetParam());
    EXPECT_EQ(likningstekst(ark, 0), GetParam().forventet);
}

const Linjedata linjer[] = {
    {"tom", {{0}, {0}, {0}}, {{0}, {0}, {0}}, {}, {{0}, {0}, {1}}, {}, {{0}, {0}, {1}}, "0 = 0"},
    {"andregrad",
     {{2}, {-1}, {3}},
     {{0}, {0}, {0}},
     {},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "2x² − x + 3 = 0"},
    {"lineaer",
     {{0}, {2}, {3}},
     {{0}, {0}, {5}},
     {},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "2x + 3 = 5"},
    {"negativ_foerst",
     {{0}, {-1}, {0}},
     {{0}, {0}, {-7}},
     {},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "−x = −7"},
    {"broek_foran_x",
     {{0}, {3, 4}, {-1, 2}},
     {{-5, 3}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "(3/4)x − 1/2 = −(5/3)x² + 1"},
    {"en_halv_x",
     {{0}, {1, 2}, {0}},
     {{0}, {0}, {1, 2}},
     {},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "(1/2)x = 1/2"},
    {"pluss_minus_rot",
     {{0}, {1}, {0}},
     {{0}, {0}, {0}},
     {},
     {{0}, {0}, {1}},
     {1},
     {{0}, {0}, {2}},
     "x = ±√2"},
    {"pluss_minus_tall",
     {{0}, {1}, {0}},
     {{0}, {0}, {0}},
     {},
     {{0}, {0}, {1}},
     {3},
     {{0}, {0}, {1}},
     "x = ±3"},
    {"negativ_k7",
     {{0}, {-1}, {2}},
     {{0}, {0}, {0}},
     {},
     {{0}, {0}, {1}},
     {-1},
     {{0}, {0}, {3}},
     "−x + 2 = ±√3"},
    {"k7_minus_to",
     {{0}, {1}, {0}},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     {-2},
     {{0}, {0}, {5}},
     "x = 1 ± 2√5"},
    {"rot_venstre",
     {{0}, {0}, {0}},
     {{0}, {0}, {3}},
     {1},
     {{1}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "√(x² + 1) = 3"},
    {"rot_etter_ledd",
     {{0}, {2}, {0}},
     {{0}, {0}, {0}},
     {-3, 4},
     {{0}, {1}, {0}},
     {},
     {{0}, {0}, {1}},
     "2x − (3/4)√x = 0"},
    {"rot_broek_radikand",
     {{0}, {0}, {0}},
     {{0}, {1}, {0}},
     {2},
     {{0}, {0}, {1, 2}},
     {},
     {{0}, {0}, {1}},
     "2√(1/2) = x"},
    {"radikand_en_er_tall",
     {{0}, {0}, {0}},
     {{0}, {0}, {0}},
     {5},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "5 = 0"},
    {"radikand_en_k_en",
     {{0}, {1}, {0}},
     {{0}, {0}, {0}},
     {1},
     {{0}, {0}, {1}},
     {},
     {{0}, {0}, {1}},
     "x + 1 = 0"},
    {"k7_broek_uten_radikand",
     {{0}, {1}, {0}},
     {{0}, {0}, {0}},
     {},
     {{0}, {0}, {1}},
     {-2, 3},
     {{0}, {0}, {1}},
     "x = ±2/3"},
    {"rot_k_null",
     {{0}, {1}, {0}},
     {{0}, {0}, {4}},
     {},
     {{1}, {2}, {3}},
     {},
     {{0}, {0}, {1}},
     "x = 4"},
    {"radikand_negativ",
     {{0}, {0}, {0}},
     {{0}, {0}, {1}},
     {-1},
     {{-1}, {0}, {0}},
     {},
     {{0}, {0}, {1}},
     "−√(−x²) = 1"},
};

INSTANTIATE_TEST_SUITE_P(Linjer, Likningstekst, ::testing::ValuesIn(linjer),
                         [](const auto& info) { return std::string(info.param.navn); });

struct Oprdata {
    const char* navn;
    const char* symbol;
    Celle teller;
    Celle nevner;
    int potens;
    const char* forventet;
};

// Test names show the row's name, not the bytes of the row.
void PrintTo(const Oprdata& rad, std::ostream* os) {
    *os << rad.navn;
}

class Operasjonstekst : public ::testing::TestWithParam<Oprdata> {};

TEST_P(Operasjonstekst, SpellsTheRecordAsTheFieldDrawsIt) {
    Ark ark;
    toemlinje(ark, 3);
    const auto& d = GetParam();
    ark.linjeopr[3] = fra_symbol(d.symbol);
    ark.linjeteller[3] = d.teller;
    ark.linjenevner[3] = d.nevner;
    ark.linjepotens[3] = d.potens;
    EXPECT_EQ(operasjonstekst(ark, 3), d.forventet);
}

const Oprdata operasjoner[] = {
    {"legg_til_broek", "+", 3, 4, 0, "Legg til 3/4"},
    {"trekk_fra", "-", 3, 1, 0, "Trekk fra 3"},
    {"gang_minus_2x", "*", -2, 1, 1, "Gang med −2x"},
    {"del_x2", ":", 1, 1, 2, "Del med x²"},
    {"minus_en_x", "*", -1, 1, 1, "Gang med −1x"},
    {"broek_x", "+", -3, 4, 1, "Legg til −(3/4)x"},
    {"en", "+", 1, 1, 0, "Legg til 1"},
    {"rot", "r", 0, 1, 0, "Trekk kvadratrot"},
    {"kvadrer", "k", 0, 1, 0, "Kvadrer"},
    {"snu", "+/-", 0, 1, 0, "Snu fortegn"},
    {"bytt", "bytt", 0, 1, 0, "Bytt side"},
    {"ingen", "", 0, 1, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Poster, Operasjonstekst, ::testing::ValuesIn(operasjoner),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Radlinje, RowsShowTheWindowThatEndsAtTheCurrentLine) {
    Ark ark;
    struct Rad {
        int linjenr, sistelinje;
        bool oppgave;
        int forventet[5];
    };
    const Rad rader[] = {
        {0, 0, false, {-1, -1, -1, -1, -1}}, {0, 0, true, {0, -1, -1, -1, -1}},
        {2, 2, true, {0, 1, 2, -1, -1}},     {4, 4, true, {0, 1, 2, 3, 4}},
        {7, 7, true, {0, 4, 5, 6, 7}},       {5, 9, true, {0, 2, 3, 4, 5}},
        {4, 9, true, {0, 1, 2, 3, 4}},
    };
    for (const auto& r : rader) {
        ark.linjenr = r.linjenr;
        ark.sistelinje = r.sistelinje;
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(radlinje(ark, k, r.oppgave), r.forventet[k])
                << "linjenr " << r.linjenr << " row " << k;
    }
}

TEST(Arktekst, OneLinePerWorksheetLineWithItsOperation) {
    Ark ark;
    for (int i = 0; i < 3; ++i) toemlinje(ark, i);
    ark.teller[0][2] = 2;
    ark.teller[0][3] = 3;
    ark.teller[0][6] = 5;
    ark.linjeopr[0] = Operasjon::trekk_fra;
    ark.linjeteller[0] = 3;
    ark.teller[1][2] = 2;
    ark.teller[1][6] = 2;
    ark.linjeopr[1] = Operasjon::del;
    ark.linjeteller[1] = 2;
    ark.teller[2][2] = 1;
    ark.teller[2][6] = 1;
    ark.sistelinje = 2;
    EXPECT_EQ(arktekst(ark), "2x + 3 = 5    Trekk fra 3\n2x = 2    Del med 2\nx = 1");
}

}  // namespace
}  // namespace balvo::test
