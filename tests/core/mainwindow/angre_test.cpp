// SPDX-License-Identifier: GPL-3.0-or-later
// "Angre": the newest step taken back, the sheet, the counters, the rows and the keys as when
// the line before it was reached; the score stays.
#include <gtest/gtest.h>

#include <vector>

#include "loekke.h"

namespace balvo {
namespace {

// Everything undo must put back: the tables and records, the counters, what every row and
// field shows, the marker, the keys, the score.
struct Bilde {
    Linjetabell teller, nevner, rotteller, rotnevner;
    std::array<Operasjon, antall_linjer> opr;
    std::array<Celle, antall_linjer> pt, pn;
    std::array<int, antall_linjer> potens;
    int linjenr, sistelinje, rad;
    std::vector<std::vector<test::Opptak>> flater;
    bool merke;
    std::string taster, poeng;
    bool operator==(const Bilde&) const = default;
};

class Angre : public test::Oekt {
protected:
    Bilde bilde() const {
        const Ark& a = arket.ark();
        Bilde b{a.teller,           a.nevner,      a.rotteller,
                a.rotnevner,        a.linjeopr,    a.linjeteller,
                a.linjenevner,      a.linjepotens, a.linjenr,
                a.sistelinje,       a.rad,         {},
                skall.merke_synlig, taster(),      skall.poeng_tekst};
        for (const auto* flater : {&skall.linjer, &skall.opfelter})
            for (const auto& f : *flater) b.flater.push_back(f.opptak());
        return b;
    }
};

TEST_F(Angre, SessionsGoBackToTheLineBefore) {
    struct Rad {
        const char* navn;
        std::array<Celle, 6> oppgave;
        const char* foer;   // keys up to the state undo must come back to
        const char* steg;   // the keys undo takes back (and the A presses)
        const char* poeng;  // the score after it all
    };
    const Rad rader[] = {
        {"plain step", {0, 2, 3, 0, 0, 5}, "", "- 3 U A", "0"},
        {"twice", {0, 2, 3, 0, 0, 5}, "", "- 3 U : 2 U A A", "1"},
        // Scrolled back from the sixth line: undo shows the newest line again.
        {"scrolled", {0, 2, 3, 0, 0, 5}, "+ 1 U - 4 U * pm 3 U ± U : 6 U", "+ 0 U ↑ ↑ A", "1"},
        // A solved line undone keeps its points; solving it again adds none.
        {"solved", {0, 2, 3, 0, 0, 5}, "- 3 U", ": 2 U A", "1"},
        // A refused step writes the record of its line; undo puts back what stood before.
        {"refused first", {0, 2, 3, 0, 0, 5}, ": 0 U", "- 3 U A", "0"},
    };
    for (const Rad& r : rader) {
        SCOPED_TRACE(r.navn);
        arket.Form_Load();
        oppgave(r.oppgave);
        trykk(r.foer);
        const Bilde foer = bilde();
        trykk(r.steg);
        const Bilde etter = bilde();
        EXPECT_EQ(etter.teller, foer.teller);
        EXPECT_EQ(etter.opr, foer.opr);
        EXPECT_EQ(etter.pt, foer.pt);
        EXPECT_EQ(etter.linjenr, foer.linjenr);
        EXPECT_EQ(etter.sistelinje, foer.sistelinje);
        EXPECT_EQ(etter.rad, foer.rad);
        EXPECT_EQ(etter.taster,
                  "+ - * : r k ± b" + std::string(foer.linjenr > 4 ? " ↑" : "") + " C");
        EXPECT_EQ(etter.poeng, r.poeng);
        // The window too, field by field (the score aside: it stays).
        Bilde uten_poeng = etter;
        uten_poeng.poeng = foer.poeng;
        if (std::string(r.navn) != "refused first") {
            EXPECT_TRUE(uten_poeng == foer);
        }
    }
}

TEST_F(Angre, ASolvedExerciseScoresOnce) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("- 3 U : 2 U");
    ASSERT_EQ(skall.poeng_tekst, "1");
    ASSERT_TRUE(skall.merke_synlig);
    trykk("A");
    EXPECT_FALSE(skall.merke_synlig);
    trykk(": 2 U");
    EXPECT_EQ(skall.poeng_tekst, "1");
    EXPECT_EQ(skall.loeste_tekst, "1");
    EXPECT_TRUE(skall.merke_synlig);
    EXPECT_EQ(arket.angrede_steg(), 1);
    // The steps the pupil took: two on the sheet and the one taken back.
    EXPECT_EQ(skall.stegrad, "3 (korteste: 2)");
}

TEST_F(Angre, LineZeroAndTheStartCannotBeUndone) {
    EXPECT_FALSE(arket.kan_angre());  // no exercise yet
    oppgave({0, 2, 3, 0, 0, 5});
    EXPECT_FALSE(arket.kan_angre());
    const Bilde foer = bilde();
    arket.angre();
    EXPECT_TRUE(bilde() == foer);
}

TEST_F(Angre, WhileTypingItFirstCrossesTheOperandOut) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("- 3 U + 1");
    ASSERT_EQ(skall.opfelter[1].tekster(), "Legg til 1");
    trykk("A");
    EXPECT_EQ(arket.ark().sistelinje, 1);  // the line stays
    EXPECT_EQ(arket.ark().regneart, Operasjon::ingen);
    EXPECT_TRUE(skall.opfelter[1].opptak().empty());
    EXPECT_EQ(taster(), "+ - * : r k ± b C");
    trykk("A");  // now the line
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_FALSE(arket.kan_angre());
}

TEST_F(Angre, ANewExerciseStartsAfresh) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("- 3 U A");
    oppgave({0, 1, 0, 0, 0, 4});
    EXPECT_EQ(arket.angrede_steg(), 0);
    EXPECT_FALSE(arket.kan_angre());
}

}  // namespace
}  // namespace balvo
