// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told: the worksheet's lines as they read, the operand as it is typed,
// the element each action puts the pupil on, and moving through the lines with the rows
// scrolling as the scroll keys do.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/entry/operandfelt.h"
#include "core/mainwindow/opplesning.h"
#include "core/mainwindow/utforming.h"
#include "loekke.h"

namespace balvo {
namespace {

class Leser : public test::Oekt {
protected:
    // The element told after the keys, as "name | description"; "-" when nothing is told.
    std::string etter(const std::string& taster) {
        trykk(taster);
        const int i = leser.endring();
        if (i < 0) return "-";
        EXPECT_EQ(leser.fokus(), i);
        const Leseelement e = leser.element(i);
        return e.navn + " | " + e.beskrivelse;
    }

    std::string alle() const {
        std::string s;
        for (int i = 0; i < leser.antall(); ++i) {
            const Leseelement e = leser.element(i);
            s += e.navn + " | " + e.beskrivelse + "\n";
        }
        return s;
    }

    Opplesning leser{arket};
};

TEST_F(Leser, OneExerciseToldStepByStep) {
    EXPECT_EQ(leser.antall(), 0);
    EXPECT_EQ(leser.fokus(), -1);
    oppgave({0, 2, 3, 0, 0, 5});
    struct Steg {
        const char* taster;
        const char* sagt;
    };
    const Steg steg[] = {
        {"", "Oppgave: 2x + 3 = 5 | "},
        {"-", "Trekk fra | "},
        {"3", "Trekk fra 3 | "},
        {"U", "Linje 1: 2x = 2 | "},
        {":", "Del med | "},
        {"2", "Del med 2 | "},
        {"U", "Linje 2: x = 1, løst | Poeng: 1"},
        {"A", "Linje 1: 2x = 2 | "},  // undone: the line before is the newest again
        {": 2 U", "Linje 2: x = 1, løst | Poeng: 1"},
    };
    for (const Steg& s : steg) EXPECT_EQ(etter(s.taster), s.sagt) << "after " << s.taster;
    EXPECT_EQ(alle(),
              "Oppgave: 2x + 3 = 5 | neste steg: Trekk fra 3\n"
              "Linje 1: 2x = 2 | neste steg: Del med 2\n"
              "Linje 2: x = 1, løst | Poeng: 1\n");
    EXPECT_EQ(etter(""), "-");  // nothing changed, nothing told
}

TEST_F(Leser, EveryOperationAtOnceAndTheRowAvstandAfterTheNewLine) {
    arket.settavstand(true);
    oppgave({0, 2, 3, 0, 0, 5});
    leser.endring();
    struct Steg {
        const char* taster;
        const char* sagt;
    };
    const Steg steg[] = {
        {"±", "Snu fortegn | "},
        {"U", "Linje 1: −2x − 3 = −5 | Ikke nærmere: 2 steg igjen (før: 2)."},
        {"b", "Bytt side | "},
        {"C", "Linje 1: −2x − 3 = −5 | Operanden er strøket ut"},
        {"± U",
         "Linje 2: 2x + 3 = 5 | Denne linjen hadde du før (oppgaven). Ikke nærmere: 2 steg igjen "
         "(før: 2). Trenger du et tips? Trykk Ctrl+T."},
        {"- 3 U", "Linje 3: 2x = 2 | 1 steg igjen."},
        {": 2 U", "Linje 4: x = 1, løst | Poeng: 1"},
    };
    for (const Steg& s : steg) EXPECT_EQ(etter(s.taster), s.sagt) << "after " << s.taster;
}

TEST_F(Leser, CrossedOutAndRefusedAreToldApart) {
    oppgave({0, 2, 3, 0, 0, 5});
    leser.endring();
    EXPECT_EQ(etter("- 3"), "Trekk fra 3 | ");
    // The operand is the last element, beside the newest line's row.
    EXPECT_EQ(leser.antall(), 2);
    EXPECT_TRUE(leser.er_operand(1));
    EXPECT_EQ(leser.rad(1), 0);
    EXPECT_EQ(leser.feltnavn(0), "Trekk fra 3");
    EXPECT_EQ(leser.radnavn(0), "Oppgave: 2x + 3 = 5");
    EXPECT_EQ(etter("C"), "Oppgave: 2x + 3 = 5 | Operanden er strøket ut");
    EXPECT_EQ(etter("C"), "-");  // nothing left to cross out
    EXPECT_EQ(etter("-"), "Trekk fra | ");
    EXPECT_EQ(leser.element(0).beskrivelse, "neste steg: Trekk fra");
    EXPECT_EQ(etter("C"), "Oppgave: 2x + 3 = 5 | Operanden er strøket ut");
    // A division by zero is refused in a box; the pupil is back on the line, nothing crossed.
    EXPECT_EQ(etter(": 0"), "Del med 0 | ");
    EXPECT_EQ(etter("U"), "Oppgave: 2x + 3 = 5 | ");
    ASSERT_EQ(skall.bokser.size(), std::size_t{1});
}

TEST(Operandtekst, AsTheFieldShowsIt) {
    struct Rad {
        Inntasting operand;
        const char* tekst;
    };
    const Rad rader[] = {
        {{Operasjon::ingen, "", "", false, false, false, false}, ""},
        {{Operasjon::legg_til, "3", "4", false, true, false, false}, "Legg til 3/4"},
        {{Operasjon::trekk_fra, "3", "", false, true, false, false}, "Trekk fra 3/"},
        {{Operasjon::gang, "2", "", true, false, true, false}, "Gang med −2x"},
        {{Operasjon::del, "3", "4", false, true, false, true}, "Del med (3/4)x²"},
        {{Operasjon::legg_til, "007", "", false, false, false, false}, "Legg til 007"},
        {{Operasjon::trekk_fra, "", "", true, false, false, false}, "Trekk fra −"},
        {{Operasjon::kvadrer, "", "", false, false, false, false}, "Kvadrer"},
    };
    for (const Rad& r : rader) EXPECT_EQ(operandtekst(r.operand), r.tekst);
}

// 2x + 3 = 5 in five steps: lines 0..5, rows 1..4 showing lines 2..5.
class Flytting : public Leser {
protected:
    void SetUp() override {
        Leser::SetUp();
        oppgave({0, 2, 3, 0, 0, 5});
        leser.endring();
        trykk("+ 1 U - 4 U * pm 3 U ± U : 6 U");
        ASSERT_EQ(leser.endring(), 5);
    }
    // The element the pupil is on, the line the rows end at and the keys.
    std::string her() const {
        return std::to_string(leser.fokus()) + " rows to " + std::to_string(arket.ark().linjenr) +
               ": " + taster();
    }
};

TEST_F(Flytting, UpAndDownScrollTheRowsAsTheScrollKeysDo) {
    struct Steg {
        Leseretning retning;
        bool flyttet;
        const char* her;
    };
    const Steg steg[] = {
        {Leseretning::ned, false, "5 rows to 5: + - * : r k ± b ↑ C"},
        {Leseretning::opp, true, "4 rows to 5: + - * : r k ± b ↑ C"},
        {Leseretning::opp, true, "3 rows to 5: + - * : r k ± b ↑ C"},
        {Leseretning::opp, true, "2 rows to 5: + - * : r k ± b ↑ C"},
        {Leseretning::opp, true, "1 rows to 4: ↓ C"},  // scrolled: the keys are off
        {Leseretning::opp, true, "0 rows to 4: ↓ C"},  // the exercise stands in row 0
        {Leseretning::opp, false, "0 rows to 4: ↓ C"},
        {Leseretning::siste, true, "5 rows to 5: + - * : r k ± b ↑ C"},
        {Leseretning::foerste, true, "0 rows to 5: + - * : r k ± b ↑ C"},
    };
    for (const Steg& s : steg) {
        EXPECT_EQ(leser.flytt(s.retning), s.flyttet);
        EXPECT_EQ(her(), s.her);
        EXPECT_GE(leser.rad(leser.fokus()), 0);  // the line in focus is always on a row
    }
    EXPECT_EQ(leser.endring(), -1);  // the pupil's own moves are not told again
}

TEST_F(Flytting, TheScrollKeysTellTheLineThatCameIntoView) {
    trykk("↑");
    EXPECT_EQ(leser.endring(), 1);
    EXPECT_EQ(leser.rad(1), 1);
    EXPECT_EQ(leser.rad(5), -1);
    trykk("↓");
    EXPECT_EQ(leser.endring(), 5);
    EXPECT_EQ(leser.element(5).navn, "Linje 5: x = 1, løst");
}

TEST_F(Flytting, EndGoesToTheOperandBeingTyped) {
    trykk("- 2");
    leser.endring();
    ASSERT_TRUE(leser.flytt(Leseretning::foerste));
    ASSERT_TRUE(leser.flytt(Leseretning::siste));
    EXPECT_TRUE(leser.er_operand(leser.fokus()));
    EXPECT_EQ(leser.element(leser.fokus()).navn, "Trekk fra 2");
    EXPECT_EQ(leser.rad(leser.fokus()), 4);
    EXPECT_TRUE(leser.flytt(Leseretning::opp));
    EXPECT_EQ(leser.fokus(), 5);
}

// "Regn selv": "Utfør" puts the pupil on the line to write, the list's last element while it
// waits; a wrong line is told by its box alone; "Angre" goes back to the operand still typed;
// the line written or shown is told as any new line.
TEST_F(Leser, RegnSelvTellsTheLineToWrite) {
    oppgave({0, 2, 3, 0, 0, 5});
    leser.endring();
    arket.settregnselv(true);
    const std::string skriv =
        " | Skriv linjen steget gir, for eksempel 2x = 4, og trykk Enter. Esc viser linjen.";
    const struct {
        const char* taster;
        std::string sagt;
    } steg[] = {
        {"- 3 U", "Skriv linje 1" + skriv},
        {"«2x=3»", "-"},
        {"A", "Trekk fra 3 | "},
        {"U", "Skriv linje 1" + skriv},
        {"«2x=2»", "Linje 1: 2x = 2 | "},
        {": 2 U", "Skriv linje 2" + skriv},
        {"Esc", "Linje 2: x = 1, løst | Poeng: 1"},
    };
    for (const auto& s : steg) EXPECT_EQ(etter(s.taster), s.sagt) << s.taster;
    ASSERT_EQ(skall.bokser.size(), 1u);  // the wrong line
    EXPECT_EQ(skall.bokser[0].tittel, "Regn selv");
    trykk("A : 2 U");
    ASSERT_EQ(leser.antall(), 3);  // lines 0 and 1, then the line to write
    EXPECT_TRUE(leser.er_skrivlinje(2));
    EXPECT_FALSE(leser.er_operand(2));
    EXPECT_EQ(leser.linje(2), 1);
    EXPECT_EQ(leser.element(1).beskrivelse, "neste steg: Del med 2");
}

// The table the browser test plays too: each shell must say these sentences for these keys.
TEST_F(Leser, TheSharedTableOfOneExerciseIsSaidWordForWord) {
    std::ifstream fil(BALVO_KILDEMAPPE "/tests/web/opplesning.tsv");
    ASSERT_TRUE(fil) << "opplesning.tsv is missing";
    ASSERT_TRUE(arket.egne({"0", "2", "3", "0", "0", "7"}).ok);
    int rader = 0;
    for (std::string linje; std::getline(fil, linje);) {
        if (linje.empty() || linje[0] == '#') continue;
        const auto tab = linje.find('\t');
        ASSERT_NE(tab, std::string::npos) << linje;
        trykk(linje.substr(0, tab));
        const int i = leser.endring();
        ASSERT_GE(i, 0) << linje;
        EXPECT_EQ(leser.setning(i), linje.substr(tab + 1)) << "after " << linje.substr(0, tab);
        ++rader;
    }
    EXPECT_EQ(rader, 12);
}

TEST(Etikettnavn, TheValueWithItsCaption) {
    EXPECT_EQ(etikettnavn(poengtekst, "3"), "Poeng: 3");
    EXPECT_EQ(etikettnavn(loestetekst, "12"), "Løste oppgaver: 12");
    EXPECT_EQ(etikettnavn(nivaatekst, "6"), "Vanskelighetsgrad: 6");
}

}  // namespace
}  // namespace balvo
