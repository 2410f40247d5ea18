// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the level, the reset and the score of the main window's logic.
#include <gtest/gtest.h>

#include "core/mainwindow/arket.h"
#include "testskall.h"

namespace balvo {
namespace {

using test::Testskall;
using test::Testtilfeldig;

struct Nivaafall {
    int option;  // 1 "Kun x", 2 "Kun x²", 3 "Både x² og x"
    bool broeker;
    const char* nivaa;
};

class Nivaa : public ::testing::TestWithParam<Nivaafall> {};

TEST_P(Nivaa, FollowsTypeAndFractions) {
    Testskall skall;
    Testtilfeldig tilfeldig;
    Arket arket(skall, tilfeldig);
    arket.Form_Load();
    const auto& c = GetParam();
    if (c.option == 1) arket.Option1_Click();
    if (c.option == 2) arket.Option2_Click();
    if (c.option == 3) arket.Option3_Click();
    arket.Check1_Click(c.broeker);
    EXPECT_EQ(skall.nivaa_tekst, c.nivaa);
}

INSTANTIATE_TEST_SUITE_P(Tabell, Nivaa,
                         ::testing::Values(Nivaafall{1, false, "1"}, Nivaafall{1, true, "2"},
                                           Nivaafall{2, false, "3"}, Nivaafall{2, true, "4"},
                                           Nivaafall{3, false, "5"}, Nivaafall{3, true, "6"}));

class ArketTest : public ::testing::Test {
protected:
    ArketTest() : arket(skall, tilfeldig) { arket.Form_Load(); }

    // Writes x = 7 on line n without going through the keypad.
    void skriv_x_er_7(int n) {
        toemlinje(arket.ark(), n);
        arket.ark().teller[n][2] = 1;
        arket.ark().teller[n][6] = 7;
    }

    Testskall skall;
    Testtilfeldig tilfeldig;
    Arket arket;
};

TEST_F(ArketTest, StartUpShowsLevelOneAndZerosWithNoKeypadKey) {
    EXPECT_EQ(skall.nivaa_tekst, "1");
    EXPECT_EQ(skall.poeng_tekst, "0");
    EXPECT_EQ(skall.loeste_tekst, "0");
    EXPECT_FALSE(skall.merke_synlig);
    for (int k = 0; k < antall_taster; ++k) {
        const bool lov = k == Check1 || k == Option1 || k == Option2 || k == Option3;
        EXPECT_EQ(skall.taster.test(static_cast<std::size_t>(k)), lov) << "key " << k;
    }
    EXPECT_EQ(arket.ark().rotnevner[0][0], 1);
    EXPECT_EQ(arket.ark().rotnevner[0][7], 1);
}

TEST_F(ArketTest, ChangingOptionsChangesLevelButNotWorksheet) {
    skriv_x_er_7(0);
    arket.Option2_Click();
    arket.Check1_Click(true);
    EXPECT_EQ(skall.nivaa_tekst, "4");
    arket.Option3_Click();
    EXPECT_EQ(skall.nivaa_tekst, "6");
    arket.Check1_Click(false);
    EXPECT_EQ(skall.nivaa_tekst, "5");
    EXPECT_EQ(arket.ark().teller[0][2], 1);
    EXPECT_EQ(arket.ark().teller[0][6], 7);
}

TEST_F(ArketTest, ResetAfterTwelveLinesClearsThemAllAndTheCounters) {
    Ark& ark = arket.ark();
    for (int i = 0; i <= 12; ++i) {
        for (int j = 0; j < antall_kolonner; ++j) {
            ark.teller[i][j] = 10 + j;
            ark.nevner[i][j] = 20 + j;
            ark.rotteller[i][j] = 30 + j;
            ark.rotnevner[i][j] = 40 + j;
        }
        ark.linjeopr[i] = Operasjon::gang;
        ark.linjeteller[i] = 3;
        ark.linjenevner[i] = 4;
        ark.linjepotens[i] = 1;
    }
    ark.sistelinje = ark.linjenr = 12;
    ark.rad = 4;
    skall.vismerke(100, 36.75);
    arket.ryddopp();
    for (int i = 0; i <= 12; ++i) {
        for (int j = 0; j < antall_kolonner; ++j) {
            EXPECT_EQ(ark.teller[i][j], 0);
            EXPECT_EQ(ark.nevner[i][j], 1);
            EXPECT_EQ(ark.rotteller[i][j], (j == 3 || j == 6) ? 1 : 0);
            EXPECT_EQ(ark.rotnevner[i][j], 1);
        }
        EXPECT_EQ(ark.linjeopr[i], Operasjon::ingen);
        EXPECT_EQ(ark.linjeteller[i], 0);
        EXPECT_EQ(ark.linjenevner[i], 1);
        EXPECT_EQ(ark.linjepotens[i], 1) << "the power of the operand is not reset";
    }
    EXPECT_EQ(ark.teller[13][1], 0);
    EXPECT_EQ(ark.nevner[13][1], 0) << "a line beyond the sheet stays never-written";
    EXPECT_EQ(ark.linjenr, 0);
    EXPECT_EQ(ark.sistelinje, 0);
    EXPECT_EQ(ark.rad, 0);
    EXPECT_FALSE(skall.merke_synlig);
    for (int k = 0; k < 5; ++k) {
        EXPECT_GE(skall.linjer[static_cast<std::size_t>(k)].antall_toemminger(), 1);
        EXPECT_GE(skall.opfelter[static_cast<std::size_t>(k)].antall_toemminger(), 1);
    }
}

TEST_F(ArketTest, SolvedLineScoresTheLevelShown) {
    arket.Option2_Click();  // level 3
    skriv_x_er_7(0);
    arket.settmodus(Modus::utfoert);
    EXPECT_EQ(skall.poeng_tekst, "3");
    EXPECT_EQ(skall.loeste_tekst, "1");
}

TEST_F(ArketTest, UnsolvedLineScoresNothing) {
    toemlinje(arket.ark(), 0);
    arket.ark().teller[0][6] = 7;
    arket.ark().teller[0][5] = 1;  // 0 = x + 7
    arket.settmodus(Modus::utfoert);
    EXPECT_EQ(skall.poeng_tekst, "0");
    EXPECT_EQ(skall.loeste_tekst, "0");
}

TEST_F(ArketTest, AnExerciseScoresOnceAndTheNextOneAgain) {
    skriv_x_er_7(0);
    arket.settmodus(Modus::utfoert);
    arket.settmodus(Modus::utfoert);
    EXPECT_EQ(arket.poeng(), 1);
    EXPECT_EQ(arket.loeste(), 1);
    arket.ryddopp();  // a new exercise begins with the reset
    arket.Option3_Click();
    skriv_x_er_7(0);
    arket.settmodus(Modus::utfoert);
    EXPECT_EQ(skall.poeng_tekst, "6");
    EXPECT_EQ(skall.loeste_tekst, "2");
}

}  // namespace
}  // namespace balvo
