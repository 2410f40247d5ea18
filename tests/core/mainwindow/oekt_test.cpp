// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson record: every exercise started, with its figures as the teacher reads them, the
// worksheet as it was left, and the table of the first page broken into pages.
#include <gtest/gtest.h>

#include <vector>

#include "core/document/sideoppsett.h"
#include "core/mainwindow/oektlogg.h"
#include "loekke.h"

namespace balvo {
namespace {

class Oektlogg : public test::Oekt {};

TEST_F(Oektlogg, EveryExerciseWithItsFigures) {
    EXPECT_TRUE(arket.oekt().empty());  // nothing before the first exercise

    oppgave({0, 2, 3, 0, 0, 5});  // 2x + 3 = 5: a hint, then solved
    arket.Tips_Click();
    trykk("- 3 U : 2 U");
    const Ark loest = arket.ark();

    oppgave({0, 1, 2, 0, 3, 0});  // x + 2 = 3x: solved, the solution undone; the level raised
    arket.Check1_Click(true);
    trykk("- 3 x U - 2 U : pm 2 U");  // x = 1 at level 2
    trykk("A + 1 U A");               // the solved line and one more step taken back
    arket.Loesningsforslag_Click();
    arket.Loesningsforslag_Click();

    ASSERT_TRUE(arket.egne({"0", "3", "0", "0", "0", "6"}).ok);   // 3x = 6, left at line 0
    ASSERT_FALSE(arket.egne({"0", "x", "0", "0", "0", "6"}).ok);  // refused: no exercise started

    const std::vector<Loggpost> logg = arket.oekt();
    ASSERT_EQ(logg.size(), 3u);
    struct Ventet {
        bool egen;
        int nivaa, steg, korteste, tips, forslag;
        bool loest;
        std::int64_t poeng;
        int sistelinje;
    };
    const Ventet ventet[] = {
        {false, 1, 2, 2, 1, 0, true, 1, 2},
        {false, 1, 4, 3, 0, 2, true, 2, 2},
        {true, 2, 0, 1, 0, 0, false, 0, 0},
    };
    for (std::size_t i = 0; i < logg.size(); ++i) {
        SCOPED_TRACE(i);
        const Loggpost& p = logg[i];
        const Ventet& v = ventet[i];
        EXPECT_EQ(p.egen, v.egen);
        EXPECT_EQ(p.nivaa, v.nivaa);
        EXPECT_EQ(p.steg, v.steg);
        EXPECT_TRUE(p.korteste_kjent);
        EXPECT_EQ(p.korteste, v.korteste);
        EXPECT_EQ(p.tips, v.tips);
        EXPECT_EQ(p.forslag, v.forslag);
        EXPECT_EQ(p.loest, v.loest);
        EXPECT_EQ(p.loest_linje.has_value(), v.loest);
        EXPECT_EQ(p.poeng, v.poeng);
        ASSERT_TRUE(p.ark);
        EXPECT_EQ(p.ark->sistelinje, v.sistelinje);
    }
    // The worksheet as it was left, cell by cell.
    EXPECT_EQ(logg[0].ark->teller, loest.teller);
    EXPECT_EQ(logg[0].ark->linjeopr, loest.linjeopr);
    // The check of the solved line that was undone: x = 1 solves x + 2 = 3x.
    EXPECT_EQ(logg[1].loest_linje->teller[6], 1);
    EXPECT_EQ(skall.poeng_tekst, "3");
}

TEST_F(Oektlogg, TheRowsOfTheFirstPage) {
    arket.settavstand(true);
    oppgave({0, 2, 3, 0, 0, 5});
    arket.Tips_Click();
    arket.Tips_Click();
    trykk("+ 1 U - 1 U");  // no closer twice, and the exercise again
    arket.Tips_Click();
    trykk("- 3 U : 2 U");
    ASSERT_TRUE(arket.egne({"1/2", "0", "-3", "0", "0", "0"}).ok);
    arket.Tips_Click();
    const auto logg = arket.oekt();
    ASSERT_EQ(logg.size(), 2u);
    EXPECT_EQ(oektoverskrifter(),
              (Oektrad{"Nr.", "Oppgave", "Nivå", "Steg", "Korteste", "Tips 1/2/3", "Ikke nærmere",
                       "Gjentatt", "Forslag", "Løst", "Prøve", "Poeng"}));
    EXPECT_EQ(oektrad(logg[0], 1), (Oektrad{"1", "2x + 3 = 5", "1", "4", "2", "2/1/0", "2", "1",
                                            "0", "ja", "stemmer", "1"}));
    EXPECT_EQ(oektrad(logg[1], 2), (Oektrad{"2", "(1/2)x² − 3 = 0 (egen)", "1", "0", "3", "1/0/0",
                                            "0", "0", "0", "nei", "\u2013", "0"}));
    // Not known: no short way, or not asked.
    Loggpost ukjent = logg[1];
    ukjent.korteste.reset();
    EXPECT_EQ(oektrad(ukjent, 7)[4], "\u2013");
    EXPECT_EQ(oektsum(logg),
              (Oektrad{"", "Sum", "", "4", "", "3/1/0", "2", "1", "0", "1 av 2", "", "1"}));
}

// The table both shells lay out: without a line written in "Regn selv" exactly the twelve
// columns; once a line waited in any exercise, four more, "–" where no line waited, a smaller
// font, and the columns still filling the page's width.
TEST_F(Oektlogg, TheTableGainsTheColumnsOfRegnSelvOnlyWhenALineWaited) {
    const auto tall = [](const Oekttabell& t) {
        std::string s;
        for (const Oektkolonne& k : t.kolonner) s += k.tall ? 'T' : '-';
        return s;
    };
    const auto bredde = [](const Oekttabell& t) {
        double b = 0;
        for (const Oektkolonne& k : t.kolonner) b += k.bredde;
        return b;
    };
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("- 3 U");
    arket.settregnselv(true);  // on, but no line waited yet
    const Oekttabell uten = oekttabell(arket.oekt());
    ASSERT_EQ(uten.kolonner.size(), 12u);
    EXPECT_EQ(uten.kolonner[11], (Oektkolonne{"Poeng", sideoppsett::oektbredder[11], true}));
    EXPECT_EQ(tall(uten), "T-TTTTTTT--T");
    EXPECT_EQ(uten.skrift, sideoppsett::tabellskrift);
    EXPECT_EQ(uten.cellekant, sideoppsett::cellekant);
    const Oektrad foerste = oektrad(arket.oekt()[0], 1);
    EXPECT_EQ(uten.rader.at(0), std::vector<std::string>(foerste.begin(), foerste.end()));
    EXPECT_DOUBLE_EQ(bredde(uten), sideoppsett::bredde);

    // Exercise 1 goes on: written wrong twice, then right; then shown after a wrong try.
    trykk(": 2 U «x=4» «x=-1» «x=1»");
    arket.settregnselv(false);
    oppgave({0, 1, 2, 0, 0, 3});  // 2: nothing waited
    trykk("- 2 U");
    arket.settregnselv(true);
    oppgave({0, 3, 0, 0, 0, 6});  // 3: right at once, then one shown with no try, one dropped
    trykk(": 3 U «x=2» + 1 U");
    arket.giopp();
    trykk("- 1 U A");
    oppgave({0, 1, 0, 0, 0, 2});  // 4: waited, dropped by "Angre", nothing written
    trykk("+ 1 U A");
    const std::vector<Loggpost> logg = arket.oekt();
    const Oekttabell t = oekttabell(logg);
    ASSERT_EQ(t.kolonner.size(), 16u);
    const std::vector<std::string> nye = {t.kolonner[12].overskrift, t.kolonner[13].overskrift,
                                          t.kolonner[14].overskrift, t.kolonner[15].overskrift};
    EXPECT_EQ(nye, (std::vector<std::string>{"Skrevet", "Riktig 1. gang", "Forsøk", "Vist"}));
    EXPECT_EQ(tall(t), "T-TTTTTTT--TTTTT");
    EXPECT_EQ(t.skrift, sideoppsett::tabellskrift_smal);
    EXPECT_EQ(t.cellekant, sideoppsett::cellekant_smal);
    EXPECT_DOUBLE_EQ(bredde(t), sideoppsett::bredde);
    const auto regnselv = [&](const std::vector<std::string>& rad) {
        return std::vector<std::string>(rad.begin() + 12, rad.end());
    };
    using R = std::vector<std::string>;
    ASSERT_EQ(t.rader.size(), 4u);
    EXPECT_EQ(regnselv(t.rader[0]), (R{"1", "0", "3", "0"}));
    EXPECT_EQ(regnselv(t.rader[1]), (R{"\u2013", "\u2013", "\u2013", "\u2013"}));
    EXPECT_EQ(regnselv(t.rader[2]), (R{"1", "1", "1", "1"}));
    EXPECT_EQ(regnselv(t.rader[3]), (R{"0", "0", "0", "0"}));
    EXPECT_EQ(regnselv(t.sum), (R{"2", "1", "4", "1"}));
    // The first twelve cells are the rows of the table without "Regn selv".
    for (std::size_t i = 0; i < logg.size(); ++i) {
        const Oektrad r = oektrad(logg[i], static_cast<int>(i) + 1);
        EXPECT_EQ(R(t.rader[i].begin(), t.rader[i].begin() + 12), R(r.begin(), r.end()));
    }
    const Oektrad sum = oektsum(logg);
    EXPECT_EQ(R(t.sum.begin(), t.sum.begin() + 12), R(sum.begin(), sum.end()));
}

// Rows never split, a row taller than a page gets one of its own, at least one page.
TEST(Tabellsider, RowsBrokenIntoPages) {
    struct Rad {
        std::vector<double> hoeyder;
        double foerste, resten;
        std::vector<std::pair<int, int>> sider;
    };
    const Rad rader[] = {
        {{}, 100, 200, {{0, -1}}},
        {{10, 10, 10}, 30, 50, {{0, 2}}},
        {{10, 10, 10, 10}, 30, 50, {{0, 2}, {3, 3}}},
        {{20, 20, 20, 20, 20, 20}, 30, 40, {{0, 0}, {1, 2}, {3, 4}, {5, 5}}},
        {{50, 10}, 30, 40, {{0, 0}, {1, 1}}},  // too tall for any page: alone
        {{10, 50, 10}, 30, 40, {{0, 0}, {1, 1}, {2, 2}}},
    };
    for (const Rad& r : rader) {
        std::vector<std::pair<int, int>> sider;
        for (const Radutvalg& s : tabellsider(r.hoeyder, r.foerste, r.resten))
            sider.emplace_back(s.fra, s.til);
        EXPECT_EQ(sider, r.sider);
    }
}

}  // namespace
}  // namespace balvo
