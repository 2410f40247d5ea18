// SPDX-License-Identifier: GPL-3.0-or-later
// What Utfør refuses, and the program's own limits on the keys.
#include <gtest/gtest.h>

#include "core/algebra/regning.h"
#include "loekke.h"

namespace balvo {
namespace {

using Utfoering = test::Oekt;

// Everything a refusal must leave alone, to compare before and after.
struct Bilde {
    std::string linjer, opr, operand, poeng;
    int linjenr, sistelinje, rad;
    std::size_t dump, diagnose;
    bool operator==(const Bilde&) const = default;
};

Bilde bilde(const Arket& arket, const test::Testskall& skall) {
    const Ark& a = arket.ark();
    Bilde b;
    for (int n = 0; n <= a.sistelinje + 1; ++n)
        for (int j = 0; j < antall_kolonner; ++j)
            b.linjer += std::to_string(a.teller[n][j]) + "/" + std::to_string(a.nevner[n][j]) +
                        "r" + std::to_string(a.rotteller[n][j]) + "/" +
                        std::to_string(a.rotnevner[n][j]) + " ";
    for (int n = 0; n <= a.sistelinje; ++n)
        b.opr += std::string(symbol(a.linjeopr[n])) + std::to_string(a.linjeteller[n]) + "/" +
                 std::to_string(a.linjenevner[n]) + std::to_string(a.linjepotens[n]) + " ";
    b.operand = std::string(symbol(a.regneart)) + "|" + a.tellertekst + "|" + a.nevnertekst;
    b.poeng = skall.poeng_tekst + "|" + skall.loeste_tekst;
    b.linjenr = a.linjenr;
    b.sistelinje = a.sistelinje;
    b.rad = a.rad;
    b.dump = skall.dump.empty() ? 0 : std::hash<std::string>{}(skall.dump[0] + skall.dump[1]);
    b.diagnose = skall.diagnose.empty() ? 0 : std::hash<std::string>{}(skall.diagnose[0]);
    return b;
}

TEST_F(Utfoering, OperandAbove32767IsRefusedAndNothingChanges) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("+ 3 U");
    const struct {
        const char* taster;
        const char* operand;
    } fall[] = {
        {"+ 40000", "+|40000|"},
        {"* 32768", "*|32768|"},
        {"- 1 / 40000", "-|1|40000"},
        {"+ 99999999999999999999999999999", "+|99999999999999999999999999999|"},
        {": pm 000040000", ":|000040000|"},
    };
    for (const auto& f : fall) {
        skall.bokser.clear();
        trykk("C");  // as the message says: cross out, then choose again
        trykk(f.taster);
        const Bilde foer = bilde(arket, skall);
        const std::string keys = taster();
        arket.Utfoer_Click();
        ASSERT_EQ(skall.bokser.size(), 1u) << f.taster;
        EXPECT_EQ(skall.bokser[0].tittel, "Påtale");
        EXPECT_EQ(skall.bokser[0].tekst,
                  "Tallet er for stort: teller og nevner kan være høyst 32767.\n"
                  "Trykk «Stryk ut» og velg operasjonen på nytt.");
        EXPECT_EQ(bilde(arket, skall), foer) << f.taster;
        EXPECT_EQ(std::string(symbol(arket.ark().regneart)) + "|" + arket.ark().tellertekst + "|" +
                      arket.ark().nevnertekst,
                  f.operand);
        EXPECT_EQ(taster(), keys);
        EXPECT_EQ(arket.ark().linjeopr[1], Operasjon::ingen);  // not even the record
    }
}

TEST_F(Utfoering, LargestOperandAndLeadingZerosAreAccepted) {
    oppgave({0, 1, 0, 0, 0, 0});
    trykk("+ 32767 U");
    EXPECT_EQ(linje(1), "0/1 1/1 32767/1 = 0/1 0/1 32767/1");
    trykk("- 0032767 / 00032767 U");
    EXPECT_EQ(linje(2), "0/1 1/1 32766/1 = 0/1 0/1 32766/1");
    EXPECT_EQ(arket.ark().linjeteller[1], 32767);
    EXPECT_EQ(arket.ark().linjenevner[1], 32767);
    EXPECT_TRUE(skall.bokser.empty());
}

TEST_F(Utfoering, DenominatorZeroIsRefusedLikeDivisionByZero) {
    oppgave({0, 2, 3, 0, 0, 5});
    for (const char* t : {"+ 3 / 0", "* 2 / 000", "- 1 / 0 x"}) {
        skall.bokser.clear();
        trykk(t);
        trykk("U");
        ASSERT_EQ(skall.bokser.size(), 1u) << t;
        EXPECT_EQ(skall.bokser[0].tittel, "Påtale");
        EXPECT_EQ(skall.bokser[0].tekst, "Du kan ikke dele med null.");
        EXPECT_EQ(arket.ark().sistelinje, 0) << t;
        EXPECT_EQ(linje(1), "0/0 0/0 0/0 = 0/0 0/0 0/0") << "line 1 never written";
        EXPECT_EQ(taster(), "+ - * : r k ± b C");
    }
}

TEST_F(Utfoering, InexactResultIsRefusedAndTheSheetStaysAsItWas) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("+ 1 U");
    // Line 1 by hand: a coefficient so large that multiplying by 4 leaves the exact range.
    arket.ark().teller[1][2] = Celle{1} << 52;
    arket.settmodus(Modus::utfoert);
    trykk("* 4");
    Bilde foer = bilde(arket, skall);
    const auto rad2 = skall.linjer[2].opptak().size();
    trykk("U");
    ASSERT_EQ(skall.bokser.size(), 1u);
    EXPECT_EQ(skall.bokser[0].tittel, "Påtale");
    EXPECT_EQ(skall.bokser[0].tekst,
              "Tallene blir for store til at regningen kan gjøres nøyaktig.\n"
              "Velg en annen operasjon.");
    Bilde etter = bilde(arket, skall);
    // The record of line 1 is written before the arithmetic, as for a division by zero.
    EXPECT_EQ(arket.ark().linjeopr[1], Operasjon::gang);
    EXPECT_EQ(arket.ark().linjeteller[1], 4);
    etter.opr = foer.opr = "";
    etter.operand = foer.operand = "";
    EXPECT_EQ(etter, foer);  // lines 0..2, counters, score, boxes 7 and 8
    EXPECT_EQ(skall.linjer[2].opptak().size(), rad2);
    EXPECT_EQ(taster(), "+ - * : r k ± b C");
    // The pupil goes on with another operation.
    trykk(": 2 U");
    EXPECT_EQ(linje(2), "0/1 2251799813685248/1 2/1 = 0/1 0/1 3/1");
}

TEST_F(Utfoering, LineNinetyNineTakesNoOperation) {
    oppgave({0, 1, 0, 0, 0, 2});
    for (int i = 0; i < 99; ++i) trykk("+ 0 U");
    ASSERT_EQ(arket.ark().linjenr, 99);
    ASSERT_EQ(arket.ark().sistelinje, 99);
    ASSERT_EQ(arket.ark().rad, 4);
    EXPECT_EQ(linje(99), "0/1 1/1 0/1 = 0/1 0/1 2/1");
    const Bilde foer = bilde(arket, skall);
    const std::string keys = taster();

    for (int i = 0; i < 8; ++i) {
        skall.bokser.clear();
        arket.opr_Click(i);
        ASSERT_EQ(skall.bokser.size(), 1u);
        EXPECT_EQ(skall.bokser[0].tittel, "Påtale");
        EXPECT_EQ(skall.bokser[0].tekst,
                  "Arket er fullt: det har plass til 100 linjer.\n"
                  "Trykk «Ny oppgave» eller velg «Egen likning» for å begynne på nytt.");
        EXPECT_EQ(taster(), keys);
        EXPECT_FALSE(skall.taster.test(Utfoer));
    }
    // Utfør itself refuses too, should it ever be reached with an operation chosen.
    ASSERT_EQ(arket.ark().regneart, Operasjon::legg_til);
    skall.bokser.clear();
    arket.Utfoer_Click();
    ASSERT_EQ(skall.bokser.size(), 1u);
    EXPECT_EQ(skall.bokser[0].tittel, "Påtale");
    EXPECT_EQ(bilde(arket, skall), foer);
    // The keys never offer Utfør on line 99.
    for (const char* m : {"opr4-7", "siffer", "x eller x2"}) {
        arket.settmodus(test::modus(m));
        EXPECT_FALSE(skall.taster.test(Utfoer)) << m;
    }
}

TEST_F(Utfoering, NoUtfoerWithoutAChosenOperation) {
    oppgave({0, 2, 3, 0, 0, 5});
    for (const char* m : {"opr4-7", "siffer", "x eller x2", "scrollned", "ryddopp"}) {
        arket.settmodus(test::modus(m));
        EXPECT_FALSE(skall.taster.test(Utfoer)) << m;
    }
    // And the handler does nothing then.
    arket.Utfoer_Click();
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_TRUE(skall.bokser.empty());
}

TEST_F(Utfoering, StrykUtOnlyOnceAnExerciseExists) {
    EXPECT_EQ(taster(), "");
    arket.strykut_Click();  // not reachable; does nothing
    EXPECT_EQ(taster(), "");
    trekk({1, 2, 3, 4, 5, 6});
    arket.nyoppgave_Click();
    EXPECT_TRUE(skall.taster.test(strykut));
}

TEST_F(Utfoering, SolvedLineScoresOnceEvenWhenEnteredAgain) {
    oppgave({0, 1, 0, 0, 0, 4});  // x = 4 already on line 0
    EXPECT_EQ(skall.poeng_tekst, "0");
    arket.Option3_Click();  // level 5 at the moment of scoring
    for (int i = 0; i < 3; ++i) arket.settmodus(Modus::utfoert);
    EXPECT_EQ(skall.poeng_tekst, "5");
    EXPECT_EQ(skall.loeste_tekst, "1");
    oppgave({0, 1, 0, 0, 0, 4});  // a new exercise may score again
    arket.settmodus(Modus::utfoert);
    EXPECT_EQ(skall.poeng_tekst, "10");
    EXPECT_EQ(skall.loeste_tekst, "2");
}

}  // namespace
}  // namespace balvo
