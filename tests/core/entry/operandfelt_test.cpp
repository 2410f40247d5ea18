// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/operandfelt.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/model/ark.h"
#include "forventet.h"
#include "opptaksflate.h"
#include "symbol.h"

namespace balvo::test {
namespace {

// Field height 36.75: m = 18.375. A name at 20 points is 10 wide per character.
constexpr double m = 18.375;

Element navn(const std::string& t) {
    return tekst(0, m - 12, t);
}
Element dash(double p) {
    return bar(4 + p, m - 0.3, 12 + p, m + 0.3);
}
Element tall(double p, const std::string& t) {
    return tekst(4 + p, m - 12, t);
}
Element x(double p) {
    return tekst(4 + p, m - 12.6, "x");
}
Element eksp(double p) {
    return tekst(2 + p, m - 14, "2");
}

class Operandfelt : public ::testing::Test {
protected:
    Operandfelt() {
        for (int i = 0; i < 5; ++i) {
            toemlinje(ark, i);
        }
        ark.sistelinje = 9;
    }
    void record(int n, const char* op, Celle t, Celle nv, int potens) {
        ark.linjeopr[n] = fra_symbol(op);
        ark.linjeteller[n] = t;
        ark.linjenevner[n] = nv;
        ark.linjepotens[n] = potens;
    }
    Opptaksflate& f(int k) { return felter[static_cast<std::size_t>(k)]; }

    Ark ark;
    std::array<Opptaksflate, 5> felter;
};

struct Operasjonsnavn {
    const char* symbol;
    const char* tekst;
    double slutt;  // the pen moves to the name's end only before an operand
};

class Navn : public Operandfelt, public ::testing::WithParamInterface<Operasjonsnavn> {};

TEST_P(Navn, SkrivesMedOrd) {
    const auto& c = GetParam();
    ark.regneart = fra_symbol(c.symbol);
    EXPECT_DOUBLE_EQ(visoperand(ark, f(0)), c.slutt);
    sjekk(f(0).opptak(), {navn(c.tekst)});
    EXPECT_EQ(f(0).opptak()[0].fontnavn, "Times New Roman");
    EXPECT_EQ(f(0).opptak()[0].stoerrelse, 20);
    EXPECT_FALSE(f(0).opptak()[0].kursiv);
}

INSTANTIATE_TEST_SUITE_P(
    Tabell, Navn,
    ::testing::Values(Operasjonsnavn{"+", "Legg til", 80}, Operasjonsnavn{"-", "Trekk fra", 90},
                      Operasjonsnavn{"*", "Gang med", 80}, Operasjonsnavn{":", "Del med", 70},
                      Operasjonsnavn{"r", "Trekk kvadratrot", 0}, Operasjonsnavn{"k", "Kvadrer", 0},
                      Operasjonsnavn{"+/-", "Snu fortegn", 0},
                      Operasjonsnavn{"bytt", "Bytt side", 0}));

TEST_F(Operandfelt, IngenOperasjonIngenTekst) {
    visoperand(ark, f(0));
    EXPECT_TRUE(f(0).opptak().empty());
    EXPECT_EQ(f(0).antall_toemminger(), 1);
}

TEST_F(Operandfelt, LeggTilTreFjerdedeler) {
    ark.regneart = Operasjon::legg_til;
    ark.tellertekst = "3";
    ark.nevnertekst = "4";
    ark.nevnermodus = true;
    const double slutt = visoperand(ark, f(2));
    // w = 8 (one digit at 16 points); the bar spans 70 % of it.
    sjekk(f(2).opptak(), {navn("Legg til"), tekst(84, m - 16, "3"), tekst(84, m, "4"),
                          bar(85.2, m - 0.3, 90.8, m + 0.3)});
    EXPECT_EQ(f(2).opptak()[1].stoerrelse, 16);
    EXPECT_DOUBLE_EQ(slutt, 92);
}

TEST_F(Operandfelt, BroekUtenNevnerGirStrekUnderTelleren) {
    ark.regneart = Operasjon::del;
    ark.tellertekst = "12";
    ark.nevnermodus = true;
    visoperand(ark, f(0));
    sjekk(f(0).opptak(),
          {navn("Del med"), tekst(74, m - 16, "12"), bar(74 + 2.4, m - 0.3, 74 + 13.6, m + 0.3)});
}

TEST_F(Operandfelt, GangMedXIAndre) {
    ark.regneart = Operasjon::gang;
    ark.medx2 = true;
    const double slutt = visoperand(ark, f(0));
    sjekk(f(0).opptak(), {navn("Gang med"), x(80), eksp(94)});
    EXPECT_TRUE(f(0).opptak()[1].kursiv);
    EXPECT_EQ(f(0).opptak()[1].stoerrelse, 20);
    EXPECT_FALSE(f(0).opptak()[2].kursiv);
    EXPECT_EQ(f(0).opptak()[2].stoerrelse, 14);
    EXPECT_DOUBLE_EQ(slutt, 103);
}

TEST_F(Operandfelt, MinusRettEtterNavnetSomSkrevet) {
    ark.regneart = Operasjon::trekk_fra;
    ark.minus = true;
    ark.tellertekst = "05";  // as typed, leading zero kept
    ark.medx = true;
    visoperand(ark, f(0));
    sjekk(f(0).opptak(), {navn("Trekk fra"), dash(90), tall(98, "05"), x(118)});
}

TEST_F(Operandfelt, FontenNullstillesFoerNavnet) {
    f(0).settkursiv(true);
    f(0).settstoerrelse(9);
    ark.regneart = Operasjon::kvadrer;
    visoperand(ark, f(0));
    EXPECT_EQ(f(0).fontnavn(), "Times New Roman");
    EXPECT_EQ(f(0).stoerrelse(), 20);
    EXPECT_FALSE(f(0).kursiv());
}

struct Opptegnet {
    const char* navn;
    const char* op;
    Celle teller, nevner;
    int potens;
    std::vector<Element> ventet;
};

class Linjeopr : public Operandfelt, public ::testing::WithParamInterface<Opptegnet> {};

TEST_P(Linjeopr, TegnesFraOpptegnelsen) {
    const auto& c = GetParam();
    record(3, c.op, c.teller, c.nevner, c.potens);
    vislinjeopr(ark, 3, 2, f(2));
    sjekk(f(2).opptak(), c.ventet);
    EXPECT_TRUE(f(4).opptak().empty());
    EXPECT_EQ(f(4).antall_toemminger(), 0);  // only its own field is drawn
}

INSTANTIATE_TEST_SUITE_P(
    Tabell, Linjeopr,
    ::testing::Values(
        // The dash moves the pen 4 further than while typing.
        Opptegnet{"minus_en_x", "*", -1, 1, 1, {navn("Gang med"), dash(80), tall(92, "1"), x(102)}},
        Opptegnet{"en_x", "*", 1, 1, 1, {navn("Gang med"), x(80)}},
        Opptegnet{"en_x2", "+", 1, 1, 2, {navn("Legg til"), x(80), eksp(94)}},
        Opptegnet{"fem_over_en", "+", 5, 1, 0, {navn("Legg til"), tall(80, "5")}},
        Opptegnet{"en", "-", 1, 1, 0, {navn("Trekk fra"), tall(90, "1")}},
        Opptegnet{"minus_tre_fjerdedeler_x",
                  ":",
                  -3,
                  4,
                  1,
                  {navn("Del med"), dash(70), tekst(86, m - 16, "3"), tekst(86, m, "4"),
                   bar(87.2, m - 0.3, 92.8, m + 0.3), x(94)}},
        Opptegnet{"kvadratrot", "r", 7, 2, 1, {navn("Trekk kvadratrot")}},
        Opptegnet{"kvadrer", "k", 0, 1, 0, {navn("Kvadrer")}},
        Opptegnet{"snu", "+/-", -1, 1, 0, {navn("Snu fortegn")}},
        Opptegnet{"bytt", "bytt", 0, 1, 0, {navn("Bytt side")}},
        Opptegnet{"ingen", "", 0, 1, 2, {}},
        Opptegnet{"minste_tall",
                  "+",
                  std::numeric_limits<Celle>::min(),
                  1,
                  0,
                  {navn("Legg til"), dash(80), tall(92, "9223372036854775808")}}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(Operandfelt, LinjeoprRunderBroekbreddenHalvtTilPar) {
    Breddeflate b;
    b.bredder = {{"Legg til", 40}, {"7", 12.5}, {"9", 11.5}};  // both 12 in whole points
    record(3, "+", 7, 9, 0);
    const double slutt = vislinjeopr(ark, 3, 1, b);
    sjekk(b.opptak(), {navn("Legg til"), tekst(44 + 6 - 6.25, m - 16, "7"),
                       tekst(44 + 6 - 5.75, m, "9"), bar(44 + 1.8, m - 0.3, 44 + 10.2, m + 0.3)});
    EXPECT_DOUBLE_EQ(slutt, 56);
}

TEST_F(Operandfelt, BoksNullTomEtterRulling) {
    record(5, "+", 2, 1, 0);
    record(4, "+", 2, 1, 0);
    f(0).skriv(1, 1, "gammelt");
    vislinjeopr(ark, 5, 0, f(0));
    EXPECT_TRUE(f(0).opptak().empty());
    EXPECT_EQ(f(0).antall_toemminger(), 1);
    vislinjeopr(ark, 4, 0, f(0));  // not yet scrolled: drawn
    EXPECT_EQ(f(0).tekster(), "Legg til 2");
}

TEST_F(Operandfelt, UgyldigLinjeTegnerIngenting) {
    for (int n : {100, -1}) {
        f(1).skriv(1, 1, "gammelt");
        vislinjeopr(ark, n, 1, f(1));
        EXPECT_TRUE(f(1).opptak().empty()) << n;
    }
}

}  // namespace
}  // namespace balvo::test
