// SPDX-License-Identifier: GPL-3.0-or-later
// The coach at the main window: the hint box, the worked solution, and the rows "Steg:" and
// "Prøve:" after a solved exercise, in whole sessions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/coach/veiledertekst.h"
#include "loekke.h"
#include "oppgaver.h"

namespace balvo {
namespace {

class Hjelp : public test::Oekt {
protected:
    // What the coach must leave alone: the sheet, the operand, the keys, score and counters.
    std::string bilde() const {
        const Ark& a = arket.ark();
        std::string s = a.tellertekst + "|" + test::tastetekst(arket.taster()) + "|" +
                        skall.poeng_tekst + "|" + std::to_string(arket.steg_tatt());
        for (int n = 0; n <= a.sistelinje; ++n) s += "|" + linje(n);
        return s;
    }
    // A new exercise whose line 0 is `linje0`, and the worked solution from it.
    Veiledning oppgave_med_vei(const Tilstand& linje0) {
        arket.nyoppgave_Click();
        linje0.til(arket.ark(), 0);
        tegnlinje(arket.ark(), 0, 0, skall.linje(0), skall);
        arket.settmodus(Modus::ny_oppgave);
        arket.Loesningsforslag_Click();
        return skall.forslag.back();
    }
    std::string siste_boks() const {
        return skall.bokser.empty() ? ""
                                    : skall.bokser.back().tittel + ": " + skall.bokser.back().tekst;
    }
};

TEST_F(Hjelp, TipsClimbsThreeLevelsOnALineAndChangesNothing) {
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("- 3");  // half-typed: the hint leaves it as it is
    const std::string foer = bilde();
    const char* trekk_fra_3[] = {"Tips: Få leddet med x alene.",
                                 "Tips: Neste steg: Trekk fra et tall.",
                                 "Tips: Neste steg: Trekk fra 3\nDa er du 2 steg fra løsningen.",
                                 "Tips: Neste steg: Trekk fra 3\nDa er du 2 steg fra løsningen."};
    for (int i = 0; i < 4; ++i) {
        arket.Tips_Click();
        EXPECT_EQ(siste_boks(), trekk_fra_3[i]);
        EXPECT_EQ(arket.tipsnivaa(), std::min(i + 1, 3));
    }
    EXPECT_EQ(bilde(), foer);
    trykk("U");  // a new line starts at the aim again
    EXPECT_EQ(arket.tipsnivaa(), 0);
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Gjør tallet foran x til 1.");
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Neste steg: Del med tallet foran x.");
    trykk("A");  // so does the line undone to
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Få leddet med x alene.");
    trykk("- 3 U : 2 U");
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Likningen er løst.");
    EXPECT_EQ(arket.tips_brukt(), 8);
    EXPECT_EQ(arket.tips_nivaa(), (std::array<int, 3>{4, 2, 2}));
    arket.nyoppgave_Click();
    EXPECT_EQ(arket.tips_brukt(), 0);  // counted per exercise
    EXPECT_EQ(arket.tips_nivaa(), (std::array<int, 3>{}));
}

TEST_F(Hjelp, TheRowAvstandAfterEveryStep) {
    arket.settavstand(true);
    oppgave({0, 2, 3, 0, 0, 5});  // 2x + 3 = 5
    struct Steg {
        const char* taster;
        const char* rad;
        int ikke_naermere;
    };
    const Steg oekt[] = {
        {"+ 1 U", "Ikke nærmere: 2 steg igjen (før: 2)", 1},  // 2x + 4 = 6
        {"- 1 U",
         "Denne linjen hadde du før (oppgaven). Ikke nærmere: 2 steg igjen (før: 2). Trenger du "
         "et tips? Trykk Ctrl+T.",
         2},
        {"- 3 U", "1 steg igjen", 2},                         // 2x = 2
        {"* 2 U", "Ikke nærmere: 1 steg igjen (før: 1)", 3},  // 4x = 4
        {"* x U",  // 4x² = 4x: dividing by x again is the shortest way back
         "Dette steget ga en ekstra løsning x = 0. Ikke nærmere: 2 steg igjen (før: 1). Trenger "
         "du et tips? Trykk Ctrl+T.",
         4},
        {"A", "", 4},
        {"± U", "Ikke nærmere: 1 steg igjen (før: 1)", 5},  // −4x = −4, the run begun again
        {"± U",
         "Denne linjen hadde du før (linje 4). Ikke nærmere: 1 steg igjen (før: 1). Trenger du et "
         "tips? Trykk Ctrl+T.",
         6},
        {": 4 U", "", 6},
    };
    for (const auto& s : oekt) {
        trykk(s.taster);
        EXPECT_EQ(skall.avstandsrad, s.rad) << s.taster;
        EXPECT_EQ(arket.ikke_naermere(), s.ikke_naermere) << s.taster;
    }
    EXPECT_EQ(arket.gjentatte(), 2);
    EXPECT_EQ(skall.proeverad, "stemmer");
    EXPECT_EQ(skall.stegrad, "8 (korteste: 2)");
    // Taken back, the row is empty; off, it stays empty, but the lesson record still counts a
    // step that brought the pupil no closer (a lesson file replayed gives the same figure).
    trykk("A");
    EXPECT_EQ(skall.avstandsrad, "");
    arket.settavstand(false);
    trykk("+ 1 U");
    EXPECT_EQ(skall.avstandsrad, "");
    EXPECT_EQ(arket.ikke_naermere(), 7);
    // Turned on again, the run of steps no closer begins again: one more is no reason yet to
    // offer a hint.
    arket.settavstand(true);
    trykk("+ 1 U");
    EXPECT_EQ(arket.ikke_naermere(), 8);
    EXPECT_EQ(skall.avstandsrad.find("Trenger du et tips"), std::string::npos) << skall.avstandsrad;
}

TEST_F(Hjelp, TheRowNamesSolutionsLostAndGained) {
    arket.settavstand(true);
    skall.svar = {true, true, true};
    oppgave({1, 0, 0, 0, 2, 0});  // x² = 2x
    trykk(": x U");               // x = 2: multiplying by x brings x = 0 back
    EXPECT_EQ(skall.bokser.back().tittel, "Til etteretning");
    EXPECT_EQ(skall.avstandsrad,
              "Dette steget mistet løsningen x = 0. Ikke nærmere: 5 steg igjen (før: 4)");
    oppgave({0, 1, 0, 0, 0, -1});  // x = −1
    trykk("k U");
    EXPECT_EQ(skall.avstandsrad,
              "Dette steget ga en ekstra løsning x = 1. Herfra kommer du ikke fram til løsningen "
              "av oppgaven.");
    oppgave({0, 1, 0, 0, 0, 2});
    trykk("* 0 U");
    EXPECT_EQ(skall.avstandsrad,
              "Etter dette steget er alle tall løsninger. Herfra kommer du ikke fram til løsningen "
              "av oppgaven.");
}

TEST_F(Hjelp, TheRootOfXSquaredOnTheRightIsToldAtOnce) {
    oppgave({0, 0, 9, 1, 0, 0});  // 9 = x²
    skall.bokser.clear();
    trykk("r U");
    ASSERT_EQ(skall.bokser.size(), 1U);
    EXPECT_EQ(siste_boks(),
              "Til etteretning: Løsningen x = −3 går nå tapt: ± kan bare stå på høyre side.\n"
              "Bytt sider først, så får du med begge løsningene.");
    EXPECT_EQ(linje(1), "0/1 0/1 3/1 = 0/1 1/1 0/1");  // 3 = x, as the engine writes it
    // Swapped first, nothing is lost and nothing is told.
    oppgave({0, 0, 9, 1, 0, 0});
    skall.bokser.clear();
    trykk("b U r U");
    EXPECT_TRUE(skall.bokser.empty());
}

TEST_F(Hjelp, OnlyWithAnExerciseOnTheNewestLine) {
    EXPECT_FALSE(arket.hjelp_brukbar());
    arket.Tips_Click();
    arket.Loesningsforslag_Click();
    oppgave({0, 1, 0, 0, 0, 1});
    for (int i = 0; i < 6; ++i) trykk("+ 1 U");
    EXPECT_TRUE(arket.hjelp_brukbar());
    trykk("↑");
    EXPECT_FALSE(arket.hjelp_brukbar());
    arket.Tips_Click();
    EXPECT_TRUE(skall.bokser.empty());
    EXPECT_TRUE(skall.forslag.empty());
    EXPECT_EQ(arket.tips_brukt(), 0);
    trykk("↓");
    EXPECT_TRUE(arket.hjelp_brukbar());
}

TEST_F(Hjelp, TipsWithoutAWay) {
    oppgave({0, 3, 0, 0, 3, 1});
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Denne likningen har ingen løsning.");
    oppgave({0, 1, 0, 0, 1, 0});
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Alle tall er løsninger av denne likningen.");
    oppgave({0, 1, 1, 0, 0, 3});
    skall.svar = {true};
    trykk("- x U k U");  // 1 = −x + 3, squared: x = 4 comes along
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Herfra kommer du ikke fram til løsningen av oppgaven.");
    arket.settgrense(Grense{8, 10});
    oppgave({2, 3, -1, 1, -1, 4});
    arket.Tips_Click();
    EXPECT_EQ(siste_boks(), "Tips: Fant ingen kort vei herfra.");
}

TEST_F(Hjelp, LoesningsforslagShowsTheWayFromTheCurrentLine) {
    oppgave({1, 2, 0, 0, 0, 3});
    const std::string foer = bilde();
    arket.Loesningsforslag_Click();
    EXPECT_EQ(bilde(), foer);
    ASSERT_EQ(skall.forslag.size(), 1u);
    std::string vei;
    for (const Steg& s : skall.forslag.back().steg) vei += stegtekst(s) + "; ";
    EXPECT_EQ(vei, "Legg til 1; Trekk kvadratrot; Trekk fra 1; ");
    EXPECT_EQ(arket.forslag_brukt(), 1);
    EXPECT_EQ(arket.tips_brukt(), 0);
}

// The keys that type a step: "+ pm 3 / 2 x U".
std::string stegtaster(const Steg& s) {
    static const char* opr[] = {"+", "-", "*", ":", "r", "k", "±", "b"};
    std::string t = opr[oprindeks(s.operasjon)];
    if (med_operand(s.operasjon)) {
        if (s.teller < 0) t += " pm";
        const Celle tall = s.teller < 0 ? -s.teller : s.teller;
        if (s.potens == 0 || tall != 1 || s.nevner != 1) t += " " + std::to_string(tall);
        if (s.nevner != 1) t += " / " + std::to_string(s.nevner);
        if (s.potens > 0) t += s.potens == 1 ? " x" : " x²";
    }
    return t + " U";
}

// A pupil who follows the worked solution step by step sees the same way go on: the coach keeps
// to the way it gave, and the lines on it need no new search.
TEST_F(Hjelp, FollowingTheWorkedSolutionTheWayGoesOn) {
    int fulgt = 0;
    for (int nivaa = 1; nivaa <= 6; ++nivaa) {
        for (const Tilstand& linje0 : test::genererte_oppgaver(nivaa, 40, 7 + nivaa)) {
            const Veiledning vei = oppgave_med_vei(linje0);
            for (std::size_t k = 0; k < vei.steg.size(); ++k) {
                trykk(stegtaster(vei.steg[k]));
                ASSERT_EQ(Tilstand::fra(arket.ark(), arket.ark().linjenr), vei.linjer[k + 1]);
                arket.Loesningsforslag_Click();
                const Veiledning& videre = skall.forslag.back();
                ASSERT_EQ(videre.utfall, Utfall::vei);
                ASSERT_TRUE(std::equal(videre.steg.begin(), videre.steg.end(),
                                       vei.steg.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                                       vei.steg.end()))
                    << "level " << nivaa << ", step " << k + 1 << " of " << vei.steg.size();
                EXPECT_EQ(videre.regnet, 0u);
                ++fulgt;
            }
        }
    }
    EXPECT_GT(fulgt, 500);
}

// Near the end of the sheet the rest of a way found earlier is not taken when it would not fit:
// the coach answers for the room left, as a new search does.
TEST_F(Hjelp, TheRestOfAWayMustFitOnTheSheet) {
    arket.settavstand(true);
    for (const Tilstand& linje0 : test::genererte_oppgaver(6, 40, 11)) {
        const Veiledning vei = oppgave_med_vei(linje0);
        if (vei.utfall != Utfall::vei || vei.lengde() < 4) continue;
        for (int n = 1; n <= 96; ++n) trykk("± U");  // the exercise and its signs changed, in turn
        ASSERT_EQ(Tilstand::fra(arket.ark(), 96), vei.linjer[0]);
        trykk(stegtaster(vei.steg[0]));  // line 97: room for two steps more
        ASSERT_EQ(Tilstand::fra(arket.ark(), 97), vei.linjer[1]);
        EXPECT_EQ(skall.avstandsrad.find(std::to_string(vei.lengde() - 1) + " steg igjen"),
                  std::string::npos)
            << skall.avstandsrad;
        return;
    }
    FAIL() << "no exercise with a way of four steps";
}

struct Oekttilfelle {
    const char* navn;
    std::array<Celle, 6> oppgave;
    const char* taster;
    const char* steg;
    const char* proeve;
};

const Oekttilfelle oekter[] = {
    {"kortest", {0, 2, 3, 0, 0, 5}, "- 3 U : 2 U", "2 (korteste: 2)", "stemmer"},
    {"omvei", {0, 2, 3, 0, 0, 5}, "+ 1 U - 4 U : 2 U", "3 (korteste: 2)", "stemmer"},
    {"to_loesninger", {1, 2, 0, 0, 0, 3}, "+ 1 U r U - 1 U", "3 (korteste: 3)", "stemmer"},
    // Squaring an equation without solutions brings one in.
    {"kvadrert_uten_loesning",
     {0, 3, 0, 0, 3, 1},
     "k U - 9 x² U - 6 x U : pm 6 U",
     "4",
     "stemmer ikke: x = −1/6 passer ikke i oppgaven"},
    // Dividing by x loses x = 0.
    {"delt_paa_x", {1, 0, 0, 0, 2, 0}, ": x U", "1 (korteste: 4)", "stemmer ikke: x = 0 mangler"},
    // A square root without ± on the right loses one of two.
    {"rot_uten_pluss_minus",
     {0, 0, 1, 1, -6, 9},
     "r U + 3 U b U",
     "3 (korteste: 3)",
     "stemmer ikke: x = 2 mangler"},
};

void PrintTo(const Oekttilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Vurdering : public Hjelp, public ::testing::WithParamInterface<Oekttilfelle> {};

TEST_P(Vurdering, StegAndProeveAfterTheSolvedLine) {
    const auto& t = GetParam();
    oppgave(t.oppgave);
    EXPECT_EQ(skall.stegrad, "");
    skall.svar = {true, true};  // squaring's warning
    trykk(t.taster);
    ASSERT_TRUE(loest(arket.ark(), arket.ark().linjenr));
    EXPECT_EQ(skall.stegrad, t.steg);
    EXPECT_EQ(skall.proeverad, t.proeve);
    // The rows stay until the next exercise is solved; the score is the program's as before.
    const auto poeng = skall.poeng_tekst;
    oppgave({0, 0, 7, 0, 1, 0});
    EXPECT_EQ(skall.stegrad, t.steg);
    EXPECT_EQ(skall.poeng_tekst, poeng);
    trykk("b U");
    EXPECT_EQ(skall.stegrad, "1 (korteste: 1)");
    EXPECT_EQ(skall.proeverad, "stemmer");
}

INSTANTIATE_TEST_SUITE_P(Alle, Vurdering, ::testing::ValuesIn(oekter),
                         [](const auto& info) { return std::string(info.param.navn); });

}  // namespace
}  // namespace balvo
