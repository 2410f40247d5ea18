// SPDX-License-Identifier: GPL-3.0-or-later
// Past five lines: rows 1..4 follow the newest line, and the pupil can scroll back.
#include <gtest/gtest.h>

#include "core/display/linjetegner.h"
#include "loekke.h"

namespace balvo {
namespace {

class Rulling : public test::Oekt {
protected:
    // The texts that row k shows when line n is drawn into it.
    std::string tegnet(int n, int k) {
        test::Opptaksflate flate;
        test::Testskall annet;
        tegnlinje(arket.ark(), n, k, flate, annet);
        return flate.tekster();
    }

    void rader_viser(int foerste) {
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(skall.linjer[static_cast<std::size_t>(k)].tekster(),
                      tegnet(foerste + k - 1, k))
                << "row " << k;
    }

    std::string felt(int k) const { return skall.opfelter[static_cast<std::size_t>(k)].tekster(); }

    // 2x + 3 = 5 solved in five steps; the fifth operation writes line 5, x = 1.
    void fem_steg() {
        oppgave({0, 2, 3, 0, 0, 5});
        trykk("+ 1 U - 4 U * pm 3 U ± U");
        ASSERT_EQ(arket.ark().rad, 4);
        ASSERT_EQ(felt(4), "");
        trykk(": 6 U");
        ASSERT_EQ(linje(5), "0/1 1/1 0/1 = 0/1 0/1 1/1");
    }
};

TEST_F(Rulling, FourOperationsNeedNoScrolling) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("+ 1 U - 4 U * pm 3 U ± U");
    EXPECT_EQ(arket.ark().linjenr, 4);
    rader_viser(1);
    EXPECT_EQ(taster(), "+ - * : r k ± b C");  // no scroll key yet
}

TEST_F(Rulling, FifthOperationScrollsTheLowerRows) {
    fem_steg();
    EXPECT_EQ(arket.ark().linjenr, 5);
    EXPECT_EQ(arket.ark().sistelinje, 5);
    EXPECT_EQ(arket.ark().rad, 4);
    rader_viser(2);
    EXPECT_EQ(skall.linjer[0].tekster(), tegnet(0, 0));  // the exercise stays in row 0
    // Beside rows 1..3 the operations that lead from lines 2, 3, 4 to the next.
    EXPECT_TRUE(skall.opfelter[0].opptak().empty());
    EXPECT_EQ(felt(1), "Gang med 3");
    EXPECT_EQ(felt(2), "Snu fortegn");
    EXPECT_EQ(felt(3), "Del med 6");
    EXPECT_TRUE(skall.opfelter[4].opptak().empty());
    EXPECT_EQ(skall.poeng_tekst, "1");
    EXPECT_TRUE(skall.merke_synlig);
    EXPECT_EQ(taster(), "+ - * : r k ± b ↑ C");
}

TEST_F(Rulling, ScrollUpShowsEarlierLinesAndLocksTheKeys) {
    fem_steg();
    const int rad0 = skall.linjer[0].antall_toemminger();
    const int felt0 = skall.opfelter[0].antall_toemminger();
    trykk("↑");
    EXPECT_EQ(arket.ark().linjenr, 4);
    EXPECT_EQ(arket.ark().sistelinje, 5);
    rader_viser(1);
    EXPECT_EQ(felt(1), "Trekk fra 4");
    EXPECT_EQ(felt(2), "Gang med 3");
    EXPECT_EQ(felt(3), "Snu fortegn");
    EXPECT_EQ(felt(4), "Del med 6");
    EXPECT_FALSE(skall.merke_synlig);
    EXPECT_EQ(taster(), "↓ C");  // every other key is off, Utfør and the digits included
    EXPECT_EQ(skall.linjer[0].antall_toemminger(), rad0);  // row 0 and its field untouched
    EXPECT_EQ(skall.opfelter[0].antall_toemminger(), felt0);

    trykk("↓");
    EXPECT_EQ(arket.ark().linjenr, 5);
    rader_viser(2);
    EXPECT_EQ(felt(3), "Del med 6");
    EXPECT_TRUE(skall.opfelter[4].opptak().empty());
    EXPECT_FALSE(skall.merke_synlig);
    EXPECT_EQ(taster(), "+ - * : r k ± b ↑ C");  // "utført" again, without scoring twice
    EXPECT_EQ(skall.poeng_tekst, "1");
}

TEST_F(Rulling, ScrollingWhileTypingAnOperandGivesItBack) {
    fem_steg();
    trykk("+ 0 U + 3");
    EXPECT_EQ(felt(4), "Legg til 3");
    trykk("↑ ↑");
    EXPECT_EQ(arket.ark().linjenr, 4);
    EXPECT_EQ(taster(), "↓ C");
    trykk("↓");
    EXPECT_EQ(taster(), "↑ ↓ C");
    trykk("↓");
    EXPECT_EQ(taster(), "sif U pm / x x² ↑ C");  // the mode "siffer" as before scrolling
    EXPECT_EQ(felt(4), "Legg til 3");
    trykk("U");
    EXPECT_EQ(linje(7), "0/1 1/1 3/1 = 0/1 0/1 4/1");
    EXPECT_EQ(arket.ark().linjenr, 7);
    rader_viser(4);
}

TEST_F(Rulling, OperationKeyChosenBeforeScrollingStaysChosen) {
    fem_steg();
    trykk("k");
    trykk("↑ ↓");
    EXPECT_EQ(taster(), "U ↑ C");
    EXPECT_EQ(felt(4), "Kvadrer");
    trykk("C");
    trykk("↑ ↓");
    EXPECT_EQ(taster(), "+ - * : r k ± b ↑ C");  // no operation: no Utfør
    EXPECT_EQ(felt(4), "");
}

TEST_F(Rulling, StrykUtWhileScrolledBackKeepsTheRecordInView) {
    fem_steg();
    trykk("+ 3 ↑");
    ASSERT_EQ(felt(4), "Del med 6");
    trykk("C");
    EXPECT_EQ(felt(4), "Del med 6");
    EXPECT_EQ(arket.ark().regneart, Operasjon::ingen);
    EXPECT_EQ(taster(), "↓ C");
    trykk("↓");
    EXPECT_EQ(taster(), "+ - * : r k ± b ↑ C");
    EXPECT_EQ(felt(4), "");
}

TEST_F(Rulling, ARefusedStepOnTheNewestLineIsNotShownAfterScrolling) {
    fem_steg();
    trykk(": 0 U");  // refused: the record of line 5 stays, no line is added
    ASSERT_EQ(arket.ark().linjeopr[5], Operasjon::del);
    ASSERT_EQ(arket.ark().sistelinje, 5);
    trykk("↑");
    EXPECT_EQ(felt(4), "Del med 6");  // line 4's operation beside row 4
    trykk("↓");
    EXPECT_EQ(felt(3), "Del med 6");
    EXPECT_EQ(felt(4), "");  // the newest line's field waits for the next operand
}

TEST_F(Rulling, ScrollUpStopsAtLineFour) {
    fem_steg();
    trykk("+ 0 U + 0 U");  // lines 6 and 7
    trykk("↑ ↑ ↑");
    EXPECT_EQ(arket.ark().linjenr, 4);
    EXPECT_EQ(taster(), "↓ C");
    arket.scrollopp_Click();  // not reachable; changes nothing
    EXPECT_EQ(arket.ark().linjenr, 4);
    trykk("↓ ↓ ↓");
    EXPECT_EQ(arket.ark().linjenr, 7);
    arket.scrollned_Click();
    EXPECT_EQ(arket.ark().linjenr, 7);
    EXPECT_EQ(taster(), "+ - * : r k ± b ↑ C");
}

}  // namespace
}  // namespace balvo
