// SPDX-License-Identifier: GPL-3.0-or-later
// Whole sessions through the main window's logic: exercise, keypad, Utfør, score.
#include <gtest/gtest.h>

#include "loekke.h"

namespace balvo {
namespace {

using Loekke = test::Oekt;

TEST_F(Loekke, LinearExerciseSolvedInTwoSteps) {
    arket.Option1_Click();
    arket.Check1_Click(true);  // level 2
    trekk({0, 2, 3, 0, 0, 5}, {1, 1, 1, 1, 1, 1});
    arket.nyoppgave_Click();
    EXPECT_EQ(linje(0), "0/1 2/1 3/1 = 0/1 0/1 5/1");

    trykk("-");
    EXPECT_EQ(taster(), "sif pm x x² C");
    trykk("3");
    EXPECT_EQ(taster(), "sif U pm / x x² C");
    trykk("U");
    EXPECT_EQ(linje(1), "0/1 2/1 0/1 = 0/1 0/1 2/1");
    EXPECT_EQ(arket.ark().linjeopr[0], Operasjon::trekk_fra);
    EXPECT_EQ(arket.ark().linjeteller[0], 3);
    EXPECT_EQ(arket.ark().linjenevner[0], 1);
    EXPECT_EQ(arket.ark().linjepotens[0], 0);
    EXPECT_EQ(skall.poeng_tekst, "0");
    EXPECT_EQ(taster(), "+ - * : r k ± b C");

    trykk(": 2 U");
    EXPECT_EQ(linje(2), "0/1 1/1 0/1 = 0/1 0/1 1/1");
    EXPECT_EQ(arket.ark().linjenr, 2);
    EXPECT_EQ(arket.ark().sistelinje, 2);
    EXPECT_EQ(arket.ark().rad, 2);
    EXPECT_EQ(skall.poeng_tekst, "2");
    EXPECT_EQ(skall.loeste_tekst, "1");
    EXPECT_TRUE(skall.bokser.empty());
    EXPECT_EQ(skall.dump.size(), 2u);
    ASSERT_EQ(skall.diagnose.size(), 1u);
    EXPECT_EQ(skall.diagnose[0], "VS=2HS=1 ikkekvadratisk, kvadratisk vrot= 0  hrot =0");
}

TEST_F(Loekke, SquareRootOfXSquaredIsNineGivesPlusMinusThree) {
    arket.Option2_Click();  // level 3
    oppgave({1, 0, 0, 0, 0, 9});
    EXPECT_EQ(taster(), "+ - * : r ± b C");
    trykk("r");
    EXPECT_EQ(taster(), "U C");
    trykk("U");
    EXPECT_EQ(linje(1), "0/1 1/1 0/1 = 0/1 0/1 0/1");
    EXPECT_EQ(arket.ark().rotteller[1][7], 3);
    EXPECT_EQ(arket.ark().rotnevner[1][7], 1);
    EXPECT_EQ(arket.ark().linjeopr[0], Operasjon::rot);
    EXPECT_EQ(arket.ark().linjeteller[0], 1);
    EXPECT_EQ(arket.ark().linjenevner[0], 1);
    EXPECT_EQ(skall.poeng_tekst, "3");
    EXPECT_EQ(skall.loeste_tekst, "1");
    // x = ±3 has a root part: no second root; squaring it back needs no warning.
    EXPECT_EQ(taster(), "+ - * : k ± b C");
    trykk("k U");
    EXPECT_TRUE(skall.bokser.empty());
    EXPECT_EQ(linje(2), "1/1 0/1 0/1 = 0/1 0/1 9/1");
}

TEST_F(Loekke, SevenEqualsXScoresOnlyAfterSwap) {
    oppgave({0, 0, 7, 0, 1, 0});
    trykk("+ 0 U");  // adding 0: 7 = x again
    EXPECT_EQ(linje(1), "0/1 0/1 7/1 = 0/1 1/1 0/1");
    EXPECT_EQ(skall.poeng_tekst, "0");
    trykk("b U");
    EXPECT_EQ(linje(2), "0/1 1/1 0/1 = 0/1 0/1 7/1");
    EXPECT_EQ(skall.poeng_tekst, "1");
    EXPECT_EQ(skall.loeste_tekst, "1");
}

TEST_F(Loekke, SolvedExerciseScoresOnce) {
    oppgave({0, 2, 0, 0, 0, 6});
    trykk(": 2 U");
    ASSERT_EQ(skall.poeng_tekst, "1");
    // A refused division by zero on the solved line: the sheet and the score stay.
    trykk(": 0 U");
    ASSERT_EQ(skall.bokser.size(), 1u);
    EXPECT_EQ(skall.bokser[0].tittel, "Påtale");
    EXPECT_EQ(skall.bokser[0].tekst, "Du kan ikke dele med null.");
    EXPECT_FALSE(skall.bokser[0].spoersmaal);
    EXPECT_EQ(arket.ark().sistelinje, 1);
    EXPECT_EQ(arket.ark().linjeopr[1], Operasjon::del);  // the record of the refused step stays
    EXPECT_EQ(taster(), "+ - * : r k ± b C");
    EXPECT_EQ(skall.poeng_tekst, "1");
    // Swapping twice comes back to x = 3 without scoring again.
    trykk("b U b U");
    EXPECT_EQ(linje(3), "0/1 1/1 0/1 = 0/1 0/1 3/1");
    EXPECT_EQ(skall.poeng_tekst, "1");
    EXPECT_EQ(skall.loeste_tekst, "1");
}

TEST_F(Loekke, EmptyOperandsTakeTheirDefaults) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("+ x U");  // adds 1x
    EXPECT_EQ(linje(1), "0/1 3/1 3/1 = 0/1 1/1 5/1");
    EXPECT_EQ(arket.ark().linjeteller[0], 1);
    EXPECT_EQ(arket.ark().linjepotens[0], 1);
    trykk("- pm 3 U");  // subtracts −3
    EXPECT_EQ(linje(2), "0/1 3/1 6/1 = 0/1 1/1 8/1");
    EXPECT_EQ(arket.ark().linjeteller[1], -3);
    EXPECT_EQ(arket.ark().tellertekst, "-3");
    EXPECT_EQ(arket.ark().nevnertekst, "1");
    trykk("- 3 / 4 U");
    EXPECT_EQ(linje(3), "0/1 3/1 21/4 = 0/1 1/1 29/4");
    EXPECT_EQ(arket.ark().linjenevner[2], 4);
}

TEST_F(Loekke, SquaringWarningAnsweredNoAddsNoLine) {
    oppgave({0, 1, 1, 0, 0, 3});  // x + 1 = 3
    trykk("k U");
    ASSERT_EQ(skall.bokser.size(), 1u);
    EXPECT_TRUE(skall.bokser[0].spoersmaal);
    EXPECT_EQ(skall.bokser[0].tittel, "Advarsel");
    EXPECT_EQ(skall.bokser[0].tekst,
              "x-verdier som gjør de to sidene i likningen like\n"
              "men med motsatte fortegn er jo  i k k e  løsninger.\n\n"
              "Den likningen du får ved kvadrering vil imidlertid\n"
              "også ha slike x-verdier som løsning. (De kan av-\n"
              "sløres ved å sette prøve eller ved å se på grafisk\n"
              "løsning.)\n\n"
              "Vil du likevel kvadrere likningen?");
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_EQ(arket.ark().linjenr, 0);
    EXPECT_EQ(taster(), "+ - * : r k ± b C");

    skall.svar.push_back(true);
    trykk("k U");
    EXPECT_EQ(linje(1), "1/1 2/1 1/1 = 0/1 0/1 9/1");
}

TEST_F(Loekke, MultiplyingByZeroIsConfirmed) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("* 0 U");
    ASSERT_EQ(skall.bokser.size(), 1u);
    EXPECT_EQ(skall.bokser[0].tittel, "Advarsel");
    EXPECT_EQ(skall.bokser[0].tekst,
              "Å gange med null vil ødelegge\nlikningen.\n\nVil du gjøre det likevel?");
    EXPECT_TRUE(skall.bokser[0].spoersmaal);
    EXPECT_EQ(arket.ark().sistelinje, 0);

    skall.svar.push_back(true);
    trykk("* 0 U");
    EXPECT_EQ(linje(1), "0/1 0/1 0/1 = 0/1 0/1 0/1");
}

TEST_F(Loekke, MultiplyingByXTellsAboutTheSolutionZero) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("* x U");
    EXPECT_EQ(linje(1), "2/1 3/1 0/1 = 0/1 5/1 0/1");
    ASSERT_EQ(skall.bokser.size(), 1u);
    EXPECT_EQ(skall.bokser[0].tittel, "Til etteretning");
    EXPECT_EQ(skall.bokser[0].tekst, "Løsningen x=0 følger med på\nlasset når du ganger med x.");
    EXPECT_FALSE(skall.bokser[0].spoersmaal);
    trykk(": x U");
    EXPECT_EQ(linje(2), "0/1 2/1 3/1 = 0/1 0/1 5/1");
    ASSERT_EQ(skall.bokser.size(), 2u);
    EXPECT_EQ(skall.bokser[1].tittel, "Til etteretning");
    EXPECT_EQ(skall.bokser[1].tekst, "Løsningen x=0\ngår nå tapt.");
}

TEST_F(Loekke, StrykUtClearsTheOperandAndOffersTheOperations) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("+ 3 C");
    EXPECT_TRUE(skall.opfelter[0].opptak().empty());
    EXPECT_EQ(arket.ark().regneart, Operasjon::ingen);
    EXPECT_EQ(arket.ark().tellertekst, "");
    EXPECT_EQ(taster(), "+ - * : r k ± b C");
}

}  // namespace
}  // namespace balvo
