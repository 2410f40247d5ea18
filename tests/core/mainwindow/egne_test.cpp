// SPDX-License-Identifier: GPL-3.0-or-later
// The own equation: reading the six boxes, refusals that keep the worksheet, and f.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "core/mainwindow/arket.h"
#include "testskall.h"

namespace balvo {
namespace {

using Bokser = std::array<std::string, 6>;

struct Oppsett {
    test::Testskall skall;
    test::Testtilfeldig tilfeldig;
    Arket arket{skall, tilfeldig};
    Oppsett() { arket.Form_Load(); }
};

Tastesett taster_av(std::initializer_list<Tast> liste) {
    Tastesett t;
    for (Tast k : liste) t.set(k);
    return t;
}

Tastesett operasjonstastene() {
    Tastesett t = taster_av({strykut, Check1, Option1, Option2, Option3});
    for (int i = 0; i < 8; ++i) t.set(opr0 + i);
    return t;
}

TEST(Egne, AllZerosGivesZeroEqualsZeroWithTheOperationKeys) {
    Oppsett o;
    const Egnesvar svar = o.arket.egne({"0", "0", "0", "0", "0", "0"});
    EXPECT_TRUE(svar.ok);
    EXPECT_EQ(svar.boks, -1);
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(o.arket.ark().teller[0][j], 0) << j;
        EXPECT_EQ(o.arket.ark().nevner[0][j], 1) << j;
    }
    EXPECT_EQ(o.skall.linjer[0].tekster(), "0 0");
    EXPECT_EQ(o.skall.taster, operasjonstastene());
    EXPECT_TRUE(o.arket.har_oppgave());
    EXPECT_EQ(o.skall.forgrunn, 1);
    EXPECT_TRUE(o.skall.bokser.empty());
}

TEST(Egne, LineZeroKeepsTheFractionsAsTyped) {
    Oppsett o;
    ASSERT_TRUE(o.arket.egne({"3", "-3/4", "6/8", "0", "1", "5"}).ok);
    const Ark& a = o.arket.ark();
    const std::array<Celle, 6> teller{3, -3, 6, 0, 1, 5};
    const std::array<Celle, 6> nevner{1, 4, 8, 1, 1, 1};
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(a.teller[0][j], teller[j - 1]) << j;
        EXPECT_EQ(a.nevner[0][j], nevner[j - 1]) << j;
    }
    EXPECT_EQ(a.rotteller[0][0], 0);
    EXPECT_EQ(a.rotteller[0][7], 0);
    EXPECT_EQ(a.linjenr, 0);
    EXPECT_EQ(a.sistelinje, 0);
    EXPECT_EQ(o.skall.linjer[0].tekster(), "3 x 2 3 4 x 6 8 x 5");
    EXPECT_TRUE(o.skall.dump.empty());  // no diagnostic dump for a typed equation
    // x² on the left: squaring is not offered, the square root is.
    EXPECT_FALSE(o.skall.taster.test(opr0 + 5));
    EXPECT_TRUE(o.skall.taster.test(opr0 + 4));
}

struct Godtatt {
    const char* tekst;
    Celle teller;
    Celle nevner;
};

class EgneGodtar : public ::testing::TestWithParam<Godtatt> {};

TEST_P(EgneGodtar, TextInTheLeftConstantBox) {
    const Godtatt& g = GetParam();
    Oppsett o;
    ASSERT_TRUE(o.arket.egne({"1", "1", g.tekst, "0", "0", "0"}).ok) << g.tekst;
    EXPECT_EQ(o.arket.ark().teller[0][3], g.teller) << g.tekst;
    EXPECT_EQ(o.arket.ark().nevner[0][3], g.nevner) << g.tekst;
}

INSTANTIATE_TEST_SUITE_P(
    Tekster, EgneGodtar,
    ::testing::Values(Godtatt{"3", 3, 1}, Godtatt{"-2", -2, 1}, Godtatt{"+4", 4, 1},
                      Godtatt{"", 0, 1}, Godtatt{"   ", 0, 1}, Godtatt{"  7 ", 7, 1},
                      Godtatt{"\t5\t", 5, 1}, Godtatt{"-3/4", -3, 4}, Godtatt{"6/8", 6, 8},
                      Godtatt{"2/4", 2, 4}, Godtatt{"3/-4", -3, 4}, Godtatt{"-3/-4", 3, 4},
                      Godtatt{"+3/+4", 3, 4}, Godtatt{" -3/4 ", -3, 4}, Godtatt{"007", 7, 1},
                      Godtatt{"0/5", 0, 5}, Godtatt{"2147483647", 2147483647, 1},
                      Godtatt{"-2147483648", -2147483648LL, 1},
                      Godtatt{"-2147483648/-1", 2147483648LL, 1},
                      Godtatt{"1/-2147483648", -1, 2147483648LL}));

struct Avslag {
    int boks;
    const char* tekst;
    const char* melding;
};

constexpr const char* ikke_tall =
    " er ikke et helt tall eller en brøk.\nSkriv for eksempel 3, -2 eller -3/4.";

class EgneAvslaar : public ::testing::TestWithParam<Avslag> {};

bool samme_ark(const Ark& a, const Ark& b) {
    return a.teller == b.teller && a.nevner == b.nevner && a.rotteller == b.rotteller &&
           a.rotnevner == b.rotnevner && a.linjeopr == b.linjeopr &&
           a.linjeteller == b.linjeteller && a.linjenevner == b.linjenevner &&
           a.linjepotens == b.linjepotens && a.linjenr == b.linjenr &&
           a.sistelinje == b.sistelinje && a.rad == b.rad && a.regneart == b.regneart;
}

TEST_P(EgneAvslaar, RefusesAndKeepsEverything) {
    const Avslag& a = GetParam();
    Oppsett o;
    // A worksheet with some history: x = 5 solved (score 1), then two more lines.
    ASSERT_TRUE(o.arket.egne({"0", "1", "0", "0", "0", "5"}).ok);
    o.arket.settmodus(Modus::utfoert);
    ASSERT_EQ(o.arket.poeng(), 1);
    Ark& ark = o.arket.ark();
    ark.teller[1][2] = 2;
    ark.nevner[1][2] = 1;
    ark.linjeopr[0] = Operasjon::gang;
    ark.linjeteller[0] = 2;
    ark.sistelinje = ark.linjenr = ark.rad = 2;
    o.arket.settmodus(Modus::utfoert);

    const Ark foer = o.arket.ark();
    const Tastesett taster_foer = o.skall.taster;
    const auto tegnet_foer = o.skall.linjer[0].opptak().size();
    const int toemt_foer = o.skall.linjer[0].antall_toemminger();
    const int forgrunn_foer = o.skall.forgrunn;

    Bokser bokser{"1", "2", "3", "4", "5", "6"};
    bokser[static_cast<std::size_t>(a.boks)] = a.tekst;
    const Egnesvar svar = o.arket.egne(bokser);

    EXPECT_FALSE(svar.ok);
    EXPECT_EQ(svar.boks, a.boks);
    EXPECT_EQ(svar.melding, a.melding);
    EXPECT_TRUE(samme_ark(o.arket.ark(), foer));
    EXPECT_EQ(o.arket.poeng(), 1);
    EXPECT_EQ(o.arket.loeste(), 1);
    EXPECT_EQ(o.skall.poeng_tekst, "1");
    EXPECT_EQ(o.skall.loeste_tekst, "1");
    EXPECT_EQ(o.skall.taster, taster_foer);
    EXPECT_EQ(o.skall.linjer[0].opptak().size(), tegnet_foer);
    EXPECT_EQ(o.skall.linjer[0].antall_toemminger(), toemt_foer);
    EXPECT_EQ(o.skall.forgrunn, forgrunn_foer);
}

std::string form(const char* boks, const char* tekst) {
    return std::string("Feil i ruta for ") + boks + ":\n«" + tekst + "»" + ikke_tall;
}
const std::string langtekst(40, 'a');
const std::string x2v = form("x² på venstre side", "1.5");
const std::string xv = form("x på venstre side", "1,5");
const std::string kv = form("konstantleddet på venstre side", "abc");
const std::string x2h = form("x² på høyre side", "/5");
const std::string xh = form("x på høyre side", "5/");
const std::string kh = form("konstantleddet på høyre side", "1/2/3");
const std::string innerrom = form("x på venstre side", "3 / 4");
const std::string fortegn = form("konstantleddet på venstre side", "- 3");
const std::string dobbel = form("x² på høyre side", "--3");
const std::string bare_minus = form("x på høyre side", "-");
const std::string bokstav = form("x² på venstre side", "2x");
const std::string bare_x = form("konstantleddet på høyre side", "x");
const std::string minustegn = form("x på venstre side", "−3");
const std::string langt = form("x² på venstre side", "aaaaaaaaaaaaaaaaaaaaaaaa…");

INSTANTIATE_TEST_SUITE_P(
    Tekster, EgneAvslaar,
    ::testing::Values(
        Avslag{0, "1.5", x2v.c_str()}, Avslag{1, "1,5", xv.c_str()}, Avslag{2, "abc", kv.c_str()},
        Avslag{3, "/5", x2h.c_str()}, Avslag{4, "5/", xh.c_str()}, Avslag{5, "1/2/3", kh.c_str()},
        Avslag{1, " 3 / 4 ", innerrom.c_str()}, Avslag{2, "- 3", fortegn.c_str()},
        Avslag{3, "--3", dobbel.c_str()}, Avslag{4, "-", bare_minus.c_str()},
        Avslag{0, "2x", bokstav.c_str()}, Avslag{5, "x", bare_x.c_str()},
        Avslag{1, "−3", minustegn.c_str()}, Avslag{0, langtekst.c_str(), langt.c_str()},
        Avslag{5, "3/0",
               "Feil i ruta for konstantleddet på høyre side:\nNevneren kan ikke være null."},
        Avslag{2, "0/-0",
               "Feil i ruta for konstantleddet på venstre side:\nNevneren kan ikke være null."},
        Avslag{0, "2147483648",
               "Feil i ruta for x² på venstre side:\n«2147483648» er for stort.\n"
               "Bruk tall mellom -2147483648 og 2147483647."},
        Avslag{4, "1/-2147483649",
               "Feil i ruta for x på høyre side:\n«-2147483649» er for stort.\n"
               "Bruk tall mellom -2147483648 og 2147483647."},
        Avslag{3, "99999999999999999999999/2",
               "Feil i ruta for x² på høyre side:\n«99999999999999999999999» er for stort.\n"
               "Bruk tall mellom -2147483648 og 2147483647."}));

TEST(Egne, TheFirstRefusedBoxIsTheOneReported) {
    Oppsett o;
    const Egnesvar svar = o.arket.egne({"1", "a", "0", "1/0", "0", "0"});
    EXPECT_FALSE(svar.ok);
    EXPECT_EQ(svar.boks, 1);
}

TEST(Egne, RefusalBeforeAnyExerciseLeavesTheStartState) {
    Oppsett o;
    const Tastesett foer = o.skall.taster;
    EXPECT_FALSE(o.arket.egne({"1", "2", "3", "4", "5", "6/0"}).ok);
    EXPECT_FALSE(o.arket.har_oppgave());
    EXPECT_EQ(o.skall.taster, foer);
    EXPECT_EQ(o.skall.linjer[0].antall_toemminger(), 0);
}

struct Verdi {
    double x;
    Side side;
    double forventet;
};

class EgneF : public ::testing::TestWithParam<Verdi> {};

TEST_P(EgneF, SideOfLineZero) {
    const Verdi& v = GetParam();
    Oppsett o;
    ASSERT_TRUE(o.arket.egne({"3", "-3/4", "6/8", "0", "1", "5"}).ok);
    // Later lines must not matter: the graph shows the exercise.
    o.arket.ark().teller[1][1] = 99;
    EXPECT_DOUBLE_EQ(o.arket.f(v.x, v.side), v.forventet)
        << v.x << (v.side == Side::venstre ? " left" : " right");
}

INSTANTIATE_TEST_SUITE_P(
    Verdier, EgneF,
    ::testing::Values(Verdi{2, Side::venstre, 11.25}, Verdi{-1, Side::venstre, 4.5},
                      Verdi{0, Side::venstre, 0.75}, Verdi{2, Side::hoeyre, 7},
                      Verdi{-5.5, Side::hoeyre, -0.5}, Verdi{10.5, Side::venstre, 323.625},
                      Verdi{-5.5, Side::venstre, 95.625}, Verdi{10.5, Side::hoeyre, 15.5}));

TEST(Egne, FOfANeverWrittenLineIsZeroNotNaN) {
    Oppsett o;
    EXPECT_EQ(o.arket.f(3, Side::venstre), 0.0);
    EXPECT_EQ(o.arket.f(3, Side::hoeyre), 0.0);
}

}  // namespace
}  // namespace balvo
