// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display/linjetegner.h"

#include "core/display/leddeling.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/model/ark.h"
#include "forventet.h"
#include "opptaksflate.h"

namespace balvo::test {
namespace {

// Box height 36.75, so the middle m is 18.375. Widths: 0.5 × size per character, so a digit
// or x is 10 wide at 20 points, 8 at 16 points and 7 at 14 points.
constexpr double m = 18.375;

class Testmerke : public Merke {
public:
    void vismerke(double v, double t) override {
        synlig = true;
        venstre = v;
        topp = t;
    }
    void skjulmerke() override { synlig = false; }
    bool synlig = false;
    double venstre = -1, topp = -1;
};

// Bars of the signs at pen position p.
std::vector<Element> minus(double p) {
    return {bar(p + 4, m - 0.3, p + 12, m + 0.3)};
}
std::vector<Element> pluss(double p) {
    return {bar(p + 7.625, m - 4, p + 8.375, m + 4), bar(p + 4, m - 0.3, p + 12, m + 0.3)};
}
std::vector<Element> likhet(double p) {
    return {bar(p + 8, m - 1.9, p + 16, m - 1.3), bar(p + 8, m + 1.3, p + 16, m + 1.9)};
}
std::vector<Element> plussminus(double p) {
    return {bar(p + 7.625, m - 8, p + 8.375, m), bar(p + 4, m - 4.3, p + 12, m - 3.7),
            bar(p + 4, m + 3.7, p + 12, m + 4.3)};
}
std::vector<Element> rottegn(double p) {
    return {strek(p + 4, m - 4.8, p + 8, m + 16),     strek(p + 4.3, m - 4.8, p + 8.4, m + 16),
            strek(p + 4.6, m - 4.8, p + 8.7, m + 16), strek(p + 8.3, m + 16, p + 13.6, m - 16),
            strek(p + 8.6, m + 16, p + 13.9, m - 16), strek(p + 8.8, m + 16, p + 14.4, m - 16)};
}
Element tall(double p, const std::string& t) {
    return tekst(p + 4, m - 12, t);
}
Element x(double p) {
    return tekst(p + 4, m - 12.6, "x");
}
Element eksp(double p) {
    return tekst(p + 2, m - 14, "2");
}

std::vector<Element> ledd(std::initializer_list<std::vector<Element>> deler) {
    std::vector<Element> alle;
    for (const auto& d : deler) alle.insert(alle.end(), d.begin(), d.end());
    return alle;
}

class Linjetegner : public ::testing::Test {
protected:
    Linjetegner() { toemlinje(ark, 0); }
    void tegn(int boks = 0) { slutt = tegnlinje(ark, 0, boks, flate, merke); }
    void venstre(Celle x2, Celle x1, Celle k) { sett(1, x2, x1, k); }
    void hoeyre(Celle x2, Celle x1, Celle k) { sett(4, x2, x1, k); }
    void sett(int j, Celle x2, Celle x1, Celle k) {
        ark.teller[0][j] = x2;
        ark.teller[0][j + 1] = x1;
        ark.teller[0][j + 2] = k;
    }

    Ark ark;
    Opptaksflate flate;
    Testmerke merke;
    double slutt = 0;
};

TEST_F(Linjetegner, TomLinjeErNullLikNull) {
    tegn();
    EXPECT_EQ(flate.antall_toemminger(), 1);
    sjekk(flate.opptak(), ledd({{tall(0, "0")}, likhet(10), {tall(26, "0")}}));
    EXPECT_NEAR(flate.opptak()[0].x1, 4, 0.01);
    EXPECT_NEAR(flate.opptak()[1].x1, 18, 0.01);  // TW("0") + 8
    EXPECT_NEAR(flate.opptak()[1].x2, 26, 0.01);  // TW("0") + 16
    EXPECT_NEAR(flate.opptak()[3].x1, 30, 0.01);  // 4 after the equals sign
    EXPECT_DOUBLE_EQ(slutt, 36);                  // the pen ends at the line's end
    EXPECT_FALSE(merke.synlig);
}

TEST_F(Linjetegner, AndregradslikningHeleRekken) {
    venstre(2, -1, 3);  // 2x² − x + 3 = 0
    tegn();
    sjekk(flate.opptak(), ledd({{tall(0, "2"), x(10), eksp(24)},
                                minus(33),
                                {x(45)},
                                pluss(59),
                                {tall(71, "3")},
                                likhet(81),
                                {tall(97, "0")}}));
    EXPECT_EQ(flate.tekster(), "2 x 2 x 3 0");
}

TEST_F(Linjetegner, NegativtFoersteLeddStarterMedMinus) {
    venstre(0, -1, 0);  // −x = 5
    hoeyre(0, 0, 5);
    tegn();
    sjekk(flate.opptak(), ledd({minus(0), {x(12)}, likhet(26), {tall(42, "5")}}));
}

TEST_F(Linjetegner, NullleddMidtILinjaGirIngenLuke) {
    venstre(3, 0, -4);  // 3x² − 4 = 0
    tegn();
    sjekk(flate.opptak(), ledd({{tall(0, "3"), x(10), eksp(24)},
                                minus(33),
                                {tall(45, "4")},
                                likhet(55),
                                {tall(71, "0")}}));
}

TEST_F(Linjetegner, BroekMedBredereNevnerSentreresPaaNevneren) {
    ark.teller[0][3] = 3;  // 3/16 = 0
    ark.nevner[0][3] = 16;
    tegn();
    // w = 16: the numerator (8 wide) is centred, the denominator fills w.
    sjekk(flate.opptak(), ledd({{tekst(8, m - 16, "3"), tekst(4, m, "16"),
                                 bar(4 + 0.15 * 16, m - 0.3, 4 + 0.85 * 16, m + 0.3)},
                                likhet(20),
                                {tall(36, "0")}}));
}

TEST_F(Linjetegner, HalvtXErBroekOgX) {
    ark.teller[0][2] = 1;  // ½x = 0
    ark.nevner[0][2] = 2;
    tegn();
    sjekk(flate.opptak(),
          ledd({{tekst(4, m - 16, "1"), tekst(4, m, "2"), bar(5.2, m - 0.3, 10.8, m + 0.3)},
                {x(12)},
                likhet(26),
                {tall(42, "0")}}));
}

TEST_F(Linjetegner, BroekbreddeRundesHalvtTilPar) {
    Breddeflate b;
    b.bredder = {{"7", 12.5}, {"9", 11.5}};  // both 12 in whole points
    ark.teller[0][3] = -7;
    ark.nevner[0][3] = 9;
    tegnlinje(ark, 0, 0, b, merke);
    sjekk({b.opptak().begin(), b.opptak().begin() + 4},
          ledd({minus(0),
                {tekst(12 + 4 + 6 - 6.25, m - 16, "7"), tekst(12 + 4 + 6 - 5.75, m, "9"),
                 bar(16 + 1.8, m - 0.3, 16 + 10.2, m + 0.3)}}));
    // The pen moves on by 4 + 12, then the equals sign.
    EXPECT_NEAR(b.opptak()[4].x1, 28 + 8, 0.01);
}

TEST_F(Linjetegner, KonstantenEnErSifferetEn) {
    venstre(0, 0, 1);
    tegn();
    EXPECT_EQ(flate.tekster(), "1 0");
    sjekk({flate.opptak().front()}, {tall(0, "1")});
}

struct Rotkoeff {
    const char* navn;
    Celle k;
    Celle n;
    std::vector<Element> venstreside;  // what the left side draws
};

class RotkoeffUtenRadikand : public Linjetegner, public ::testing::WithParamInterface<Rotkoeff> {};

TEST_P(RotkoeffUtenRadikand, StaarSomVanligTall) {
    const auto& c = GetParam();
    ark.rotteller[0][0] = c.k;  // radicand stays the constant 1
    ark.rotnevner[0][0] = c.n;
    tegn();
    sjekk(
        {flate.opptak().begin(), flate.opptak().begin() + static_cast<long>(c.venstreside.size())},
        c.venstreside);
    for (const auto& o : flate.opptak()) EXPECT_NE(o.art, Opptak::Art::strek);
}

INSTANTIATE_TEST_SUITE_P(
    Tabell, RotkoeffUtenRadikand,
    ::testing::Values(Rotkoeff{"fem", 5, 1, {tall(0, "5")}}, Rotkoeff{"en", 1, 1, {tall(0, "1")}},
                      Rotkoeff{"minus_en", -1, 1, ledd({minus(0), {tall(12, "1")}})},
                      Rotkoeff{"broek",
                               2,
                               3,
                               {tekst(4, m - 16, "2"), tekst(4, m, "3"),
                                bar(5.2, m - 0.3, 10.8, m + 0.3)}}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST_F(Linjetegner, VenstreRotkoeffEtterLeddFaarPluss) {
    venstre(0, 1, 0);  // x + 5 = 0, the 5 from the left root coefficient
    ark.rotteller[0][0] = 5;
    tegn();
    sjekk({flate.opptak().begin(), flate.opptak().begin() + 4},
          ledd({{x(0)}, pluss(14), {tall(26, "5")}}));
}

TEST_F(Linjetegner, HoeyreRotkoeffErAlltidPlussMinus) {
    venstre(0, 1, 0);  // x = ±2 from K7 = −2
    ark.rotteller[0][7] = -2;
    tegn(2);
    sjekk(flate.opptak(), ledd({{x(0)},
                                likhet(14),
                                plussminus(30),
                                {tall(42, "2")},
                                {bar(4, m + 15.5, 52, m + 16.5)}}));
    EXPECT_TRUE(merke.synlig);
    EXPECT_NEAR(merke.venstre, 72, 0.01);
    EXPECT_NEAR(merke.topp, 73.5, 0.01);
}

TEST_F(Linjetegner, RotAvToMedStrekerOgOverstrek) {
    venstre(0, 1, 0);  // x = ±√2
    ark.rotteller[0][7] = 1;
    ark.rotteller[0][6] = 2;
    tegn();
    sjekk(flate.opptak(), ledd({{x(0)},
                                likhet(14),
                                plussminus(30),
                                rottegn(42),
                                {tall(55.6, "2")},
                                {bar(55.6, m - 16.5, 65.6, m - 15.5)},
                                {bar(4, m + 15.5, 65.6, m + 16.5)}}));
    EXPECT_NEAR(merke.venstre, 85.6, 0.01);
}

TEST_F(Linjetegner, VenstreRadikandMedFlereLedd) {
    ark.rotteller[0][0] = 3;  // 3·√(x² + 1) = 6
    ark.rotteller[0][1] = 1;
    hoeyre(0, 0, 6);
    tegn();
    // After "3" the radical runs from 10 to 23.6, where the radicand starts.
    sjekk(flate.opptak(), ledd({{tall(0, "3")},
                                rottegn(10),
                                {x(23.6), eksp(37.6)},
                                pluss(46.6),
                                {tall(58.6, "1")},
                                {bar(23.6, m - 16.5, 68.6, m - 15.5)},
                                likhet(68.6),
                                {tall(84.6, "6")}}));
}

TEST_F(Linjetegner, RadikandUtenKoeffisientTegnesIkke) {
    ark.rotteller[0][1] = 1;  // radicand x² + 1 left behind, but no root part
    tegn();
    sjekk(flate.opptak(), ledd({{tall(0, "0")}, likhet(10), {tall(26, "0")}}));
}

TEST_F(Linjetegner, LoestLinjeUnderstrekesOgMerkes) {
    venstre(0, 1, 0);  // x = −7
    hoeyre(0, 0, -7);
    tegn(3);
    sjekk(flate.opptak(),
          ledd({{x(0)}, likhet(14), minus(30), {tall(42, "7")}, {bar(4, m + 15.5, 52, m + 16.5)}}));
    EXPECT_TRUE(merke.synlig);
    EXPECT_NEAR(merke.venstre, 72, 0.01);
    EXPECT_NEAR(merke.topp, 3 * 36.75, 0.01);
}

TEST_F(Linjetegner, UloestLinjeRoererIkkeMerket) {
    hoeyre(0, 1, 0);  // 0 = x is not solved
    merke.synlig = true;
    tegn();
    EXPECT_TRUE(merke.synlig);
    EXPECT_DOUBLE_EQ(merke.venstre, -1);
    EXPECT_EQ(flate.opptak().size(), 4u);  // 0, two bars, x: no underline
}

TEST_F(Linjetegner, SkrifterPaaElementene) {
    venstre(3, 0, 0);  // 3x² + 1/2 = 0
    ark.teller[0][3] = 1;
    ark.nevner[0][3] = 2;
    tegn();
    struct Skrift {
        std::string tekst;
        double stoerrelse;
        bool kursiv;
    };
    const std::vector<Skrift> ventet = {{"3", 20, false}, {"x", 20, true},  {"2", 14, false},
                                        {"1", 16, false}, {"2", 16, false}, {"0", 20, false}};
    std::vector<Skrift> fikk;
    for (const auto& o : flate.opptak()) {
        if (o.art != Opptak::Art::skriv) continue;
        EXPECT_EQ(o.fontnavn, "Times New Roman");
        fikk.push_back({o.tekst, o.stoerrelse, o.kursiv});
    }
    ASSERT_EQ(fikk.size(), ventet.size());
    for (std::size_t i = 0; i < fikk.size(); ++i) {
        EXPECT_EQ(fikk[i].tekst, ventet[i].tekst);
        EXPECT_EQ(fikk[i].stoerrelse, ventet[i].stoerrelse) << fikk[i].tekst;
        EXPECT_EQ(fikk[i].kursiv, ventet[i].kursiv) << fikk[i].tekst;
    }
}

TEST_F(Linjetegner, MinsteTallSkrivesUtenOverflyt) {
    ark.teller[0][3] = std::numeric_limits<Celle>::min();
    tegn();
    EXPECT_EQ(flate.tekster(), "9223372036854775808 0");
    EXPECT_EQ(flate.opptak()[0].art, Opptak::Art::rektangel);
}

TEST_F(Linjetegner, LinjeUtenforArketTegnerIngenting) {
    tegnlinje(ark, 100, 0, flate, merke);
    tegnlinje(ark, -1, 0, flate, merke);
    EXPECT_TRUE(flate.opptak().empty());
    EXPECT_EQ(flate.antall_toemminger(), 2);
}

TEST(Settskrift, SetterSkriftForArt) {
    struct Rad {
        Boksfamilie sted;
        Skriftart art;
        double stoerrelse;
        bool kursiv;
    };
    // The box starts as MS Sans Serif 13.5, italic.
    const Rad rader[] = {
        {Boksfamilie::likning, Skriftart::broek, 16, false},
        {Boksfamilie::likning, Skriftart::heltall, 20, false},
        {Boksfamilie::operasjon, Skriftart::variabel, 20, true},
        {Boksfamilie::operasjon, Skriftart::eksponent, 14, false},
    };
    for (const auto& r : rader) {
        Opptaksflate f;
        f.settkursiv(true);
        settskrift(r.sted, f, r.art);
        const int nr = static_cast<int>(&r - rader);
        EXPECT_EQ(f.fontnavn(), "Times New Roman") << nr;
        EXPECT_EQ(f.stoerrelse(), r.stoerrelse) << nr;
        EXPECT_EQ(f.kursiv(), r.kursiv) << nr;
    }
}

TEST(Hjelpere, HeltbreddeRunderHalvtTilPar) {
    const std::pair<double, int> rader[] = {
        {2.5, 2},   {3.5, 4}, {10.49, 10},       {10.51, 11},      {-2.5, -2},
        {-3.5, -4}, {7.0, 7}, {std::nan(""), 0}, {1e300, INT_MAX}, {-1e300, INT_MIN},
    };
    for (const auto& [inn, ut] : rader) EXPECT_EQ(heltbredde(inn), ut) << inn;
}

TEST(Hjelpere, Beloeptekst) {
    EXPECT_EQ(beloeptekst(-5), "5");
    EXPECT_EQ(beloeptekst(0), "0");
    EXPECT_EQ(beloeptekst(9007199254740992), "9007199254740992");
    EXPECT_EQ(beloeptekst(std::numeric_limits<Celle>::min()), "9223372036854775808");
}

TEST(Hjelpere, RadikandFinnes) {
    struct Rad {
        Celle x2, x, k, knevner;
        bool finnes;
    };
    const Rad rader[] = {
        {0, 0, 0, 1, false}, {0, 0, 0, 0, false}, {0, 0, 1, 1, false}, {0, 0, 1, 2, true},
        {0, 0, 2, 1, true},  {1, 0, 1, 1, true},  {0, -1, 0, 1, true}, {0, 0, -1, 1, true},
    };
    for (const auto& r : rader) {
        for (bool hoeyre : {false, true}) {
            Ark ark;
            toemlinje(ark, 4);
            const int j = hoeyre ? 4 : 1;
            ark.rotteller[4][j] = r.x2;
            ark.rotteller[4][j + 1] = r.x;
            ark.rotteller[4][j + 2] = r.k;
            ark.rotnevner[4][j + 2] = r.knevner;
            const Side side = hoeyre ? Side::hoeyre : Side::venstre;
            const Side andre = hoeyre ? Side::venstre : Side::hoeyre;
            EXPECT_EQ(radikand_finnes(ark, 4, side), r.finnes)
                << r.x2 << ' ' << r.x << ' ' << r.k << '/' << r.knevner << ' ' << hoeyre;
            EXPECT_FALSE(radikand_finnes(ark, 4, andre));
        }
    }
}

}  // namespace
}  // namespace balvo::test
