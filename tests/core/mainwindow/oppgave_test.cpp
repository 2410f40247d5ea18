// SPDX-License-Identifier: GPL-3.0-or-later
// "Ny oppgave": the draws, the fix-ups of each equation type, fractions and reseeding.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/algebra/regning.h"
#include "core/display/linjetegner.h"
#include "loekke.h"

namespace balvo {
namespace {

using test::nevner_trekk;
using test::Opptaksflate;
using test::teller_trekk;

struct Trekkfall {
    const char* navn;
    Likningstype type;
    bool broeker;
    std::array<int, 6> teller;  // drawn numerators, columns 1..6
    std::array<int, 6> nevner;  // drawn denominators (0 stands for the draw that becomes 1)
    const char* linje0;         // line 0 as "t/n t/n t/n = t/n t/n t/n"
};

void PrintTo(const Trekkfall& c, std::ostream* os) {
    *os << c.navn;
}

using Generatoroekt = test::Oekt;

class Generator : public test::Oekt, public ::testing::WithParamInterface<Trekkfall> {};

TEST_P(Generator, DrawsAndFixesLineZero) {
    const auto& c = GetParam();
    if (c.type == Likningstype::kun_x2) arket.Option2_Click();
    if (c.type == Likningstype::begge) arket.Option3_Click();
    arket.Check1_Click(c.broeker);
    trekk(c.teller, c.nevner);
    arket.nyoppgave_Click();
    EXPECT_EQ(linje(0), c.linje0);
    EXPECT_TRUE(tilfeldig.trekk.empty()) << "exactly twelve draws";
}

const std::array<int, 6> blandet = {3, 4, 5, 6, 2, 1};

const Trekkfall trekkfall[] = {
    {"KunXEqualXBecomesPlus3",
     Likningstype::kun_x,
     false,
     {5, 2, 3, -1, 2, 7},
     blandet,
     "0/1 5/1 3/1 = 0/1 2/1 7/1"},
    {"KunXDifferentXStays",
     Likningstype::kun_x,
     false,
     {1, -4, 7, 1, 3, -2},
     blandet,
     "0/1 -4/1 7/1 = 0/1 3/1 -2/1"},
    {"KunX2EqualX2LeftBecomesZero",
     Likningstype::kun_x2,
     false,
     {-3, 4, 2, -3, 5, 6},
     blandet,
     "0/1 0/1 2/1 = -3/1 0/1 6/1"},
    {"KunX2ZeroLeftBecomes3",
     Likningstype::kun_x2,
     false,
     {0, 1, -4, 2, 1, 3},
     blandet,
     "3/1 0/1 -4/1 = 2/1 0/1 3/1"},
    {"KunX2NoFix",
     Likningstype::kun_x2,
     false,
     {2, 1, 1, -1, 1, 0},
     blandet,
     "2/1 0/1 1/1 = -1/1 0/1 0/1"},
    {"BeggeZeroX2XDropsThenRises",
     Likningstype::begge,
     false,
     {0, 1, 5, 2, 4, 1},
     blandet,
     "0/1 3/1 5/1 = 2/1 4/1 1/1"},
    {"BeggeEqualX2ThenEqualX",
     Likningstype::begge,
     false,
     {2, 5, 1, 2, 4, 0},
     blandet,
     "2/1 7/1 1/1 = 2/1 4/1 0/1"},
    {"BeggeZeroX",
     Likningstype::begge,
     false,
     {1, 0, 2, -1, 6, 3},
     blandet,
     "1/1 3/1 2/1 = -1/1 6/1 3/1"},
    {"BeggeZeroX2XDropsOnly",
     Likningstype::begge,
     false,
     {0, 3, -2, 0, 6, 7},
     blandet,
     "0/1 2/1 -2/1 = 0/1 6/1 7/1"},
    {"BeggeNoFix",
     Likningstype::begge,
     false,
     {3, -2, 1, 1, 5, -4},
     blandet,
     "3/1 -2/1 1/1 = 1/1 5/1 -4/1"},
    // With fractions the drawn denominators stay and line 0 is reduced: 4/6 shows as 2/3.
    // The fix-ups look at numerators only, so 4/6 and 2/3 pass as different.
    {"KunXFractionsReduced",
     Likningstype::kun_x,
     true,
     {3, 4, -2, 1, 2, 6},
     {5, 6, 4, 2, 3, 0},
     "0/1 2/3 -1/2 = 0/1 2/3 6/1"},
    {"KunXFractionsEqualNumerators",
     Likningstype::kun_x,
     true,
     {1, 2, -4, 1, 2, 7},
     {1, 4, 1, 1, 3, 1},
     "0/1 5/4 -4/1 = 0/1 2/3 7/1"},
    {"BeggeFractionsPassAsDifferent",
     Likningstype::begge,
     true,
     {1, 2, 3, -2, 1, 6},
     {2, 4, 6, 4, 2, 5},
     "1/2 1/2 1/2 = -1/2 1/2 6/5"},
    {"DenominatorDrawZeroIsOne",
     Likningstype::kun_x2,
     true,
     {2, 0, 3, 5, 0, 1},
     {0, 0, 0, 0, 0, 0},
     "2/1 0/1 3/1 = 5/1 0/1 1/1"},
    {"KunX2FractionsZeroOverDrawn",
     Likningstype::kun_x2,
     true,
     {4, 3, 2, 4, 6, 4},
     {6, 5, 4, 2, 3, 6},
     "7/6 0/1 1/2 = 2/1 0/1 2/3"},
};

INSTANTIATE_TEST_SUITE_P(Tabell, Generator, ::testing::ValuesIn(trekkfall),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST_F(Generatoroekt, NumeratorIsFloorOf12rMinus4) {
    // The left constant is touched by no fix-up; each press reads one value of r.
    for (int k = 0; k < 12; ++k) {
        for (double r : {k / 12.0 + 1e-9, (k + 1) / 12.0 - 1e-9}) {
            tilfeldig.trekk = {0, 0, 0, 0, r, 0, 0, 0, 0, 0, 0, 0};
            arket.nyoppgave_Click();
            EXPECT_EQ(arket.ark().teller[0][3], k - 4) << "r = " << r;
        }
    }
}

TEST_F(Generatoroekt, DenominatorIsFloorOf7rWithOneForZero) {
    arket.Check1_Click(true);
    const int venter[] = {1, 1, 2, 3, 4, 5, 6};
    for (int k = 0; k < 7; ++k) {
        for (double r : {k / 7.0 + 1e-9, (k + 1) / 7.0 - 1e-9}) {
            // Numerator 1 over the drawn denominator: nothing to reduce.
            tilfeldig.trekk = {0, 0, 0, 0, teller_trekk(1), r, 0, 0, 0, 0, 0, 0};
            arket.nyoppgave_Click();
            EXPECT_EQ(arket.ark().nevner[0][3], venter[k]) << "r = " << r;
        }
    }
}

TEST_F(Generatoroekt, ReseedsOnEveryPress) {
    arket.nyoppgave_Click();
    arket.nyoppgave_Click();
    arket.nyoppgave_Click();
    EXPECT_EQ(tilfeldig.seedinger, 3);
}

TEST(Klokketilfeldig, AFixedSeedDrawsTheSameExercisesWhateverTheClock) {
    // The first draws of mt19937_64 from seed 5489, top 53 bits: the same in every library.
    Klokketilfeldig a, b;
    a.settfroe(5489);
    b.settfroe(5489);
    EXPECT_DOUBLE_EQ(a.neste(), static_cast<double>(14514284786278117030ULL >> 11) * 0x1p-53);
    b.neste();
    for (int i = 0; i < 1000; ++i) {
        // A new exercise reseeds from the clock, except with a fixed seed.
        if (i % 100 == 0) a.seed_fra_klokka(), b.seed_fra_klokka();
        const double r = a.neste();
        EXPECT_EQ(r, b.neste());
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
    // Two worksheets from one seed: the same exercises one after another, not one repeated.
    test::Testskall s1, s2;
    Klokketilfeldig t1, t2;
    t1.settfroe(42);
    t2.settfroe(42);
    Arket foerste{s1, t1}, andre{s2, t2};
    foerste.Form_Load();
    andre.Form_Load();
    std::set<std::string> ulike;
    for (int i = 0; i < 5; ++i) {
        foerste.nyoppgave_Click();
        andre.nyoppgave_Click();
        std::string l1, l2;
        for (int j = 1; j <= 6; ++j) {
            l1 += std::to_string(foerste.ark().teller[0][j]) + " ";
            l2 += std::to_string(andre.ark().teller[0][j]) + " ";
        }
        EXPECT_EQ(l1, l2);
        ulike.insert(l1);
    }
    EXPECT_GT(ulike.size(), 1U);
}

TEST_F(Generatoroekt, NewExerciseShowsLineZeroAndOffersTheOperations) {
    trekk({0, 2, 3, 0, 0, 5});  // 2x + 3 = 5
    arket.nyoppgave_Click();
    EXPECT_EQ(linje(0), "0/1 2/1 3/1 = 0/1 0/1 5/1");
    EXPECT_EQ(taster(), "+ - * : r k ± b C");
    EXPECT_TRUE(arket.har_oppgave());
    // Row 0 shows line 0 as the typesetter draws it; the dump of line 0 is in box 7.
    Opptaksflate ventet;
    test::Testskall annet;
    tegnlinje(arket.ark(), 0, 0, ventet, annet);
    EXPECT_EQ(skall.linjer[0].tekster(), ventet.tekster());
    const auto dump = linjedump(arket.ark(), 0);
    EXPECT_EQ(skall.dump, (std::vector<std::string>{dump[0], dump[1]}));
    EXPECT_EQ(arket.ark().linjenr, 0);
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_EQ(arket.ark().rad, 0);
}

TEST_F(Generatoroekt, SecondPressDiscardsTheFirstExercise) {
    trekk({0, 2, 3, 0, 0, 5});
    arket.nyoppgave_Click();
    trykk("- 3 U : 2 U");  // solved: x = 1
    ASSERT_EQ(arket.ark().sistelinje, 2);
    ASSERT_EQ(skall.poeng_tekst, "1");

    trekk({0, -1, 4, 0, 6, -3});
    arket.nyoppgave_Click();
    EXPECT_EQ(linje(0), "0/1 -1/1 4/1 = 0/1 6/1 -3/1");
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(linje(n), "0/1 0/1 0/1 = 0/1 0/1 0/1") << n;
        EXPECT_EQ(arket.ark().linjeopr[static_cast<std::size_t>(n)], Operasjon::ingen) << n;
    }
    EXPECT_EQ(arket.ark().linjenr, 0);
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_EQ(arket.ark().rad, 0);
    EXPECT_TRUE(skall.linjer[1].opptak().empty());
    EXPECT_TRUE(skall.linjer[2].opptak().empty());
    EXPECT_TRUE(skall.opfelter[0].opptak().empty());
    EXPECT_EQ(skall.poeng_tekst, "1");  // the score stays
    EXPECT_EQ(skall.loeste_tekst, "1");
    // The new exercise can score again: −x + 4 = 6x − 3 to x = 1.
    trykk("- 6 x U - 4 U : pm 7 U");
    EXPECT_EQ(linje(3), "0/1 1/1 0/1 = 0/1 0/1 1/1");
    EXPECT_EQ(skall.poeng_tekst, "2");
    EXPECT_EQ(skall.loeste_tekst, "2");
}

}  // namespace
}  // namespace balvo
