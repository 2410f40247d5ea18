// SPDX-License-Identifier: GPL-3.0-or-later
// "Regn selv" at the main window: the line waits for the pupil, a wrong line changes nothing,
// a right one is drawn and scored as "Utfør" draws it, Escape shows it; each step's tries are
// counted, kept in the lesson file and checked again by its replay.
#include <gtest/gtest.h>

#include "core/lessonfile/avspilling.h"
#include "core/lessonfile/oektfil.h"
#include "loekke.h"

namespace balvo {
namespace {

class Regnselv : public test::Oekt {
protected:
    void SetUp() override {
        test::Oekt::SetUp();
        arket.settklokke([this] { return sek += 1; });
        arket.settregnselv(true);
    }
    // What a refused line must leave alone: the sheet, the rows, the keys, score and counters.
    std::string bilde() const {
        const Ark& a = arket.ark();
        std::string s = taster() + "|" + skall.poeng_tekst + "|" + std::to_string(a.sistelinje) +
                        "|" + std::to_string(arket.steg_tatt()) + "|" +
                        std::to_string(arket.regnesteg().size());
        for (int n = 0; n <= a.sistelinje + 1; ++n) s += "|" + linje(n);
        return s;
    }
    std::string siste_boks() const {
        return skall.bokser.empty() ? ""
                                    : skall.bokser.back().tittel + ": " + skall.bokser.back().tekst;
    }
    double sek = 0;
};

TEST_F(Regnselv, WrongLinesChangeNothingARightOneIsDrawnEscapeShowsIt) {
    oppgave({0, 2, 4, 0, 0, 6});
    trykk("- 4 U");
    ASSERT_TRUE(arket.venter_linje());
    EXPECT_EQ(arket.ventende_linjenr(), 1);
    EXPECT_EQ(arket.regnerad(), 1);
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_EQ(taster(), "");  // the line being written has the keyboard
    EXPECT_FALSE(arket.hjelp_brukbar());
    const std::string foer = bilde();
    const struct {
        const char* skrevet;
        const char* boks;
    } gale[] = {
        {"", "Regn selv: Skriv linjen før du trykker Enter."},
        {"2x = -2", "Regn selv: Sjekk fortegnet foran 2."},
        {"2x + 4 = 2", "Regn selv: Du har bare gjort det på høyre side."},
        {"2x +", "Regn selv: Kan ikke lese «2x +» ved tegn 4: det mangler et ledd etter +."},
        {"2 = 2x",
         "Regn selv: Det er den samme likningen, men med sidene byttet om.\n"
         "Skriv sidene slik steget gir dem, eller trykk Esc for å se linjen."},
    };
    for (const auto& g : gale) {
        const Linjedom d = arket.skrivlinje(g.skrevet);
        EXPECT_NE(d.dom, Dom::riktig) << g.skrevet;
        EXPECT_EQ(d.tekst, g.skrevet);
        EXPECT_EQ(siste_boks(), g.boks);
        EXPECT_EQ(bilde(), foer) << g.skrevet;
        EXPECT_TRUE(arket.venter_linje());
    }
    EXPECT_EQ(arket.skrivlinje("2x = 2").dom, Dom::riktig);
    EXPECT_FALSE(arket.venter_linje());
    EXPECT_EQ(linje(1), "0/1 2/1 0/1 = 0/1 0/1 2/1");
    EXPECT_EQ(arket.regnesteg().back(), (Regnesteg{1, 4, false, false}));  // unread text is no try
    trykk(": 2 U");
    EXPECT_EQ(arket.skrivlinje("x = 1").dom, Dom::riktig);
    EXPECT_EQ(arket.regnesteg().back(), (Regnesteg{2, 1, true, false}));
    EXPECT_EQ(arket.poeng(), 1);  // scored as "Utfør" scores

    // Escape: the line is written as today and the step counted as shown.
    oppgave({0, 1, 2, 0, 0, 3});
    trykk("- 2 U");
    arket.skrivlinje("x = 5");
    arket.giopp();
    EXPECT_FALSE(arket.venter_linje());
    EXPECT_EQ(linje(1), "0/1 1/1 0/1 = 0/1 0/1 1/1");
    EXPECT_EQ(arket.regnesteg().back(), (Regnesteg{1, 1, false, true}));
    EXPECT_EQ(arket.poeng(), 2);
}

TEST_F(Regnselv, UndoAndANewExerciseDropTheWaitingLine) {
    oppgave({0, 2, 4, 0, 0, 6});
    trykk("- 4 U");
    trykk("A");  // the step goes, the operation typed stays
    EXPECT_FALSE(arket.venter_linje());
    EXPECT_EQ(arket.ark().sistelinje, 0);
    EXPECT_EQ(arket.ark().linjeopr[0], Operasjon::ingen);
    trykk("U");
    EXPECT_TRUE(arket.venter_linje());
    arket.nyoppgave_Click();
    EXPECT_FALSE(arket.venter_linje());
    EXPECT_EQ(arket.ark().sistelinje, 0);
    // Off: "Utfør" writes the line at once, as before.
    arket.settregnselv(false);
    oppgave({0, 2, 4, 0, 0, 6});
    trykk("- 4 U");
    EXPECT_FALSE(arket.venter_linje());
    EXPECT_EQ(arket.ark().sistelinje, 1);
}

TEST_F(Regnselv, TheLessonFileKeepsTheWrittenLinesAndItsReplayChecksThem) {
    oppgave({0, 2, 4, 0, 0, 6});
    trykk("- 4 U");
    arket.skrivlinje("2x = 10");
    arket.skrivlinje("2x=2");
    trykk(": 2 U");
    arket.giopp();
    const auto logg = arket.oekt();
    const std::string tekst = skrivoektfil(lagoektfil(logg, "Kari", "2026-12-08T10:00:00"));
    const Oektlesning l = lesoektfil(tekst);
    ASSERT_TRUE(l.ok) << l.feil;
    const auto& h = l.fil.oppgaver.back().handlinger;
    ASSERT_EQ(h.size(), 5u);
    EXPECT_TRUE(h[0].regnselv);
    EXPECT_EQ(h[1].art, Handlingsart::skrevet);
    EXPECT_EQ(h[1].linje, "2x = 10");
    EXPECT_FALSE(h[1].riktig);
    EXPECT_TRUE(h[2].riktig);
    EXPECT_EQ(h[4].art, Handlingsart::vist);
    const Avspilling a = spillav(l.fil);
    ASSERT_EQ(a.feil, "");
    EXPECT_EQ(a.poster.back().regnesteg, logg.back().regnesteg);
    EXPECT_EQ(logg.back().regnesteg,
              (std::vector<Regnesteg>{{1, 2, false, false}, {2, 0, false, true}}));
    // A file that says a wrong line was right cannot be replayed.
    std::string endret = tekst;
    const auto i = endret.find("\"riktig\": false");
    ASSERT_NE(i, std::string::npos);
    endret.replace(i, 15, "\"riktig\": true");
    const Avspilling b = spillav(lesoektfil(endret).fil);
    EXPECT_NE(b.feil.find("linjen «2x = 10» vurderes ikke slik fila sier"), std::string::npos)
        << b.feil;
}

// Sessions around a waiting line, each saved as a lesson file and replayed: the replay gives
// the same actions, lines and counts, never "kan ikke spilles av". "Angre" on a waiting line
// leaves the operation and operand typed, so that the next action goes on from them.
TEST_F(Regnselv, SessionsAroundAWaitingLineReplayExactly) {
    const struct {
        const char* taster;
        const char* siste;  // the newest line
        std::vector<Regnesteg> regnesteg;
    } oekter[] = {
        // "Angre", then "Utfør" at once on the operation still typed.
        {"- 4 U A U «2x=2»", "0/1 2/1 0/1 = 0/1 0/1 2/1", {{1, 1, true, false}}},
        {"- 4 U A A - 4 U A U «2x=2»", "0/1 2/1 0/1 = 0/1 0/1 2/1", {{1, 1, true, false}}},
        // Another operation chosen after an operand ending in x (the keys allow it): nothing
        // typed on was dropped.
        {"- 2 x U A + 1 U «2x+5=7»", "0/1 2/1 5/1 = 0/1 0/1 7/1", {{1, 1, true, false}}},
        // An operation without an operand, the operand typed on.
        {"b U A U «6=2x+4»", "0/1 0/1 6/1 = 0/1 2/1 4/1", {{1, 1, true, false}}},
        {"- 4 U A 0 U «2x-36=-34»", "0/1 2/1 -36/1 = 0/1 0/1 -34/1", {{1, 1, true, false}}},
        // Crossed out after the line was dropped, or by a second "Angre".
        {"- 4 U A C : 2 U «x+2=3»", "0/1 1/1 2/1 = 0/1 0/1 3/1", {{1, 1, true, false}}},
        {"- 4 U A A : 2 U «x+2=3»", "0/1 1/1 2/1 = 0/1 0/1 3/1", {{1, 1, true, false}}},
        // A wrong line, then dropped and written right.
        {"- 4 U «2x=10» A U «2x=2»", "0/1 2/1 0/1 = 0/1 0/1 2/1", {{1, 1, true, false}}},
        // Escape, and the mode turned off while a line waits: the line is shown.
        {"- 4 U «2x=10» Esc : 2 U «x=1»",
         "0/1 1/1 0/1 = 0/1 0/1 1/1",
         {{1, 1, false, true}, {2, 1, true, false}}},
        {"- 4 U R * 3 U R : 6 U «x=1»",
         "0/1 1/1 0/1 = 0/1 0/1 1/1",
         {{1, 0, false, true}, {3, 1, true, false}}},
        // An earlier line taken back after it was written, then written again.
        {"- 4 U «2x=2» A - 4 U «2x=2»",
         "0/1 2/1 0/1 = 0/1 0/1 2/1",
         {{1, 1, true, false}, {1, 1, true, false}}},
    };
    for (const auto& o : oekter) {
        SCOPED_TRACE(o.taster);
        oppgave({0, 2, 4, 0, 0, 6});
        arket.settregnselv(true);
        trykk(o.taster);
        EXPECT_FALSE(arket.venter_linje());
        EXPECT_EQ(linje(arket.ark().sistelinje), o.siste);
        const auto logg = arket.oekt();
        EXPECT_EQ(logg.back().regnesteg, o.regnesteg);
        for (const Handling& h : logg.back().handlinger) EXPECT_EQ(h.forkastet, "");
        const Oektlesning l =
            lesoektfil(skrivoektfil(lagoektfil(logg, "Kari", "2026-12-08T10:00:00")));
        ASSERT_TRUE(l.ok) << l.feil;
        const Avspilling a = spillav(l.fil);
        ASSERT_EQ(a.feil, "");
        ASSERT_EQ(a.poster.size(), logg.size());
        const Loggpost& s = a.poster.back();
        EXPECT_EQ(s.handlinger, logg.back().handlinger);
        EXPECT_EQ(s.regnesteg, logg.back().regnesteg);
        EXPECT_EQ(oektrad(s, 1), oektrad(logg.back(), 1));
        ASSERT_TRUE(s.ark);
        EXPECT_EQ(s.ark->sistelinje, logg.back().ark->sistelinje);
        EXPECT_EQ(s.ark->teller, logg.back().ark->teller);
    }
}

}  // namespace
}  // namespace balvo
