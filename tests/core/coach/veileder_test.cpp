// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's search: known shortest ways, what it says without one, the words of a step, and
// the lower bound checked against plain breadth first search and along every step it may take.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "core/algebra/regning.h"
#include "core/coach/grovbilde.h"
#include "core/coach/veiledertekst.h"
#include "core/mainwindow/arket.h"
#include "elev.h"
#include "likning.h"
#include "testskall.h"

namespace balvo::test {
namespace {

std::string veitekst(const Veiledning& v) {
    std::string s;
    for (const Steg& steg : v.steg) s += (s.empty() ? "" : " | ") + stegtekst(steg);
    return s;
}

// The way replayed on a worksheet of its own by the engine, as "Utfør" would: every line
// must be the one the coach claims, and the last must be solved.
std::string etterregnet(const Veiledning& v) {
    auto ark = std::make_unique<Ark>();
    toemlinje(*ark, 0);
    toemlinje(*ark, 1);
    for (std::size_t i = 0; i < v.steg.size(); ++i) {
        v.linjer[i].til(*ark, 0);
        ark->linjeopr[0] = v.steg[i].operasjon;
        ark->linjeteller[0] = v.steg[i].teller;
        ark->linjenevner[0] = v.steg[i].nevner;
        ark->linjepotens[0] = v.steg[i].potens;
        if (regnut(*ark, 0).status != Regnestatus::ok)
            return "refused at step " + std::to_string(i);
        forkort(*ark, 1);
        if (!(Tilstand::fra(*ark, 1) == v.linjer[i + 1]))
            return "other line at step " + std::to_string(i);
    }
    v.linjer.back().til(*ark, 1);
    return loest(*ark, 1) ? "" : "the last line is not solved";
}

struct Veitilfelle {
    const char* navn;
    Likning oppgave;
    Utfall utfall;
    const char* vei;
};

const Veitilfelle veitilfeller[] = {
    {"to_x_pluss_3_er_5", {hele(0, 2, 3), hele(0, 0, 5)}, Utfall::vei, "Trekk fra 3 | Del med 2"},
    {"x2_er_9", {hele(1, 0, 0), hele(0, 0, 9)}, Utfall::vei, "Trekk kvadratrot"},
    {"sju_er_x", {hele(0, 0, 7), hele(0, 1, 0)}, Utfall::vei, "Bytt side"},
    {"x_halve_er_3", {Side{{0, 1}, {1, 2}, {0, 1}}, hele(0, 0, 3)}, Utfall::vei, "Gang med 2"},
    {"x2_pluss_2x_er_3",
     {hele(1, 2, 0), hele(0, 0, 3)},
     Utfall::vei,
     "Legg til 1 | Trekk kvadratrot | Trekk fra 1"},
    {"tre_x_er_tre_x_pluss_1", {hele(0, 3, 0), hele(0, 3, 1)}, Utfall::ingen_loesning, ""},
    {"x_er_x", {hele(0, 1, 0), hele(0, 1, 0)}, Utfall::alle_tall, ""},
    {"x2_er_minus_4", {hele(1, 0, 0), hele(0, 0, -4)}, Utfall::ingen_loesning, ""},
    {"x_er_5", {hele(0, 1, 0), hele(0, 0, 5)}, Utfall::vei, ""},
    {"minus_2x_er_4", {hele(0, -2, 0), hele(0, 0, 4)}, Utfall::vei, "Del med -2"},
    {"x_samlet_venstre",
     {hele(0, 3, 2), hele(0, 1, -4)},
     Utfall::vei,
     "Trekk fra x | Trekk fra 2 | Del med 2"},
    {"x2_er_2x",
     {hele(1, 0, 0), hele(0, 2, 0)},
     Utfall::vei,
     "Trekk fra 2x | Legg til 1 | Trekk kvadratrot | Legg til 1"},
    {"x2_paa_begge_sider",
     {hele(2, 3, -1), hele(1, -1, 4)},
     Utfall::vei,
     "Trekk fra x² | Legg til x | Legg til 5 | Trekk kvadratrot | Trekk fra 2"},
    {"halv_x_legges_til",
     {Side{{0, 1}, {1, 2}, {0, 1}}, hele(0, 1, 1)},
     Utfall::vei,
     "Trekk fra x | Gang med -2"},
};

void PrintTo(const Veitilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Korteste : public ::testing::TestWithParam<Veitilfelle> {};

TEST_P(Korteste, KnownWayFromTheExercise) {
    const auto& t = GetParam();
    auto ark = nytt_ark();
    skriv(*ark, 0, t.oppgave);
    const Veiledning v = veiled(*ark, 0);
    EXPECT_EQ(v.utfall, t.utfall);
    EXPECT_EQ(veitekst(v), t.vei);
    ASSERT_EQ(v.linjer.size(), v.steg.size() + 1);
    EXPECT_TRUE(v.linjer.front() == Tilstand::fra(*ark, 0));
    if (v.utfall == Utfall::vei) {
        EXPECT_EQ(etterregnet(v), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Alle, Korteste, ::testing::ValuesIn(veitilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

struct Stegtilfelle {
    Steg steg;
    const char* tekst;
};

TEST(Stegtekst, AsTheOperandFieldWritesIt) {
    const Stegtilfelle tilfeller[] = {
        {{Operasjon::del, -2, 3, 0}, "Del med -2/3"},
        {{Operasjon::legg_til, 1, 4, 0}, "Legg til 1/4"},
        {{Operasjon::trekk_fra, 2, 1, 1}, "Trekk fra 2x"},
        {{Operasjon::trekk_fra, 1, 1, 1}, "Trekk fra x"},
        {{Operasjon::legg_til, 1, 2, 1}, "Legg til (1/2)x"},
        {{Operasjon::trekk_fra, 3, 1, 2}, "Trekk fra 3x²"},
        {{Operasjon::legg_til, 1, 1, 2}, "Legg til x²"},
        {{Operasjon::gang, -1, 1, 0}, "Gang med -1"},
        {{Operasjon::gang, 1, 1, 1}, "Gang med x"},
        {{Operasjon::del, 1, 1, 1}, "Del med x"},
        {{Operasjon::kvadrer, 1, 1, 0}, "Kvadrer"},
    };
    for (const auto& t : tilfeller) EXPECT_EQ(stegtekst(t.steg), t.tekst);
}

TEST(Proeverad, WhatIsWrongWithASolvedLine) {
    struct Tilfelle {
        Likning oppgave, linje;
        const char* proeve;
    };
    const Side x = hele(0, 1, 0);
    const Tilfelle tilfeller[] = {
        {{hele(1, 2, 0), hele(0, 0, 3)},
         {x, hele(0, 0, 2)},
         "stemmer ikke: x = 2 passer ikke i oppgaven, x = 1 og x = −3 mangler"},
        {{hele(1, 0, -2), hele(0, 0, 0)},
         {x, Side{{0, 1}, {0, 1}, {0, 1}, {1, 1}, {0, 1}, {0, 1}, {3, 1}}},
         "stemmer ikke: x = ±√3 passer ikke i oppgaven, x = ±√2 mangler"},
        {{hele(0, 1, 0), hele(0, 1, 0)},
         {x, hele(0, 0, 4)},
         "stemmer ikke: alle tall er løsninger av oppgaven"},
    };
    auto ark = nytt_ark();
    for (const auto& t : tilfeller) {
        skriv(*ark, 0, t.oppgave);
        skriv(*ark, 1, t.linje);
        EXPECT_EQ(proeverad(Tilstand::fra(*ark, 0), Tilstand::fra(*ark, 1)), t.proeve);
    }
}

TEST(Veileder, SquaringAddedASolutionThatNoWayTakesBack) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(0, 1, 1), hele(0, 0, 3)});   // x + 1 = 3
    skriv(*ark, 1, {hele(0, 0, 1), hele(0, -1, 3)});  // 1 = −x + 3
    skriv(*ark, 2, {hele(0, 0, 1), hele(1, -6, 9)});  // squared: x = 2 and x = 4
    skriv(*ark, 3, {hele(0, 0, 1), hele(0, 1, -3)});  // its square root: x = 4 alone
    EXPECT_EQ(veiled(*ark, 1).lengde(), 2);
    EXPECT_EQ(veiled(*ark, 2).utfall, Utfall::ikke_fram);
    EXPECT_EQ(veiled(*ark, 3).utfall, Utfall::ikke_fram);
}

// x − 2 = −2x − 4 squared gains x = −6. The way back takes the root with the number on the
// left, where it has no ±; the lower bound must leave out enough lines for the search to reach
// it within its budget.
TEST(Veileder, AWayBackFromASquaredLineWithinTheBudget) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(0, 1, -2), hele(0, -2, -4)});
    skriv(*ark, 1, {hele(1, -4, 4), hele(4, 16, 16)});
    const Veiledning v = veiled(*ark, 1);
    EXPECT_EQ(veitekst(v),
              "Trekk fra x² | Legg til 4x | Legg til 52/3 | Del med 3 | Trekk kvadratrot | Trekk "
              "fra 10/3 | Bytt side");
    EXPECT_EQ(etterregnet(v), "");
}

TEST(Veileder, DividingByXAgainTakesBackWhatMultiplyingAdded) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(0, 2, 0), hele(0, 0, 4)});  // 2x = 4
    skriv(*ark, 1, {hele(2, 0, 0), hele(0, 4, 0)});  // multiplied by x
    const Veiledning v = veiled(*ark, 1);
    EXPECT_EQ(veitekst(v), "Del med 2 | Del med x");
    EXPECT_EQ(etterregnet(v), "");
}

TEST(Veileder, PastTheBudgetItSaysSo) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(2, 3, -1), hele(1, -1, 4)});
    const Veiledning v = veiled(*ark, 0, Grense{8, 100});
    EXPECT_EQ(v.utfall, Utfall::ingen_kort_vei);
    EXPECT_LE(v.regnet, 100u);
    EXPECT_EQ(veiled(*ark, 0, Grense{4, 1000000}).utfall, Utfall::ingen_kort_vei);  // 5 needed
}

// An exercise whose solutions cannot be worked out exactly (the discriminant's denominator is
// past 128 bits) has no goal to search for: the coach says it has no short way without trying
// a single step.
TEST(Veileder, NoSearchWithoutTheExercisesSolutions) {
    auto ark = nytt_ark();
    const Celle stor = (Celle{1} << 50) - 1;
    skriv(*ark, 0, {Side{{1, stor}, {1, stor - 2}, {1, stor - 4}}, hele(0, 0, 0)});
    const Veiledning v = veiled(*ark, 0);
    EXPECT_EQ(v.utfall, Utfall::ingen_kort_vei);
    EXPECT_EQ(v.regnet, 0u);
}

TEST(Veileder, AWayMustFitOnTheSheet) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(0, 2, 3), hele(0, 0, 5)});
    for (int n : {97, 98, 99}) {
        toemlinje(*ark, n);
        skriv(*ark, n, {hele(0, 2, 3), hele(0, 0, 5)});
    }
    EXPECT_EQ(veiled(*ark, 97).lengde(), 2);
    EXPECT_EQ(veiled(*ark, 98).utfall, Utfall::ingen_kort_vei);
    EXPECT_EQ(veiled(*ark, 99).utfall, Utfall::ingen_kort_vei);
}

// Generated exercises of one level, from a seeded generator.
class Oppgaver {
public:
    Oppgaver(int nivaa, std::uint64_t froe) : tilfeldig_(froe) {
        arket_.Form_Load();
        if (nivaa >= 3) (nivaa >= 5 ? arket_.Option3_Click() : arket_.Option2_Click());
        if (nivaa % 2 == 0) arket_.Check1_Click(true);
    }
    const Ark& neste() {
        arket_.nyoppgave_Click();
        return arket_.ark();
    }

private:
    Testskall skall_;
    Froetilfeldig tilfeldig_;
    Arket arket_{skall_, tilfeldig_};
};

// Along the way found, every line with at most three steps left: plain breadth first search
// (no lower bound, no budget) finds no shorter way. The lower bound never cuts one off.
TEST(NedreGrense, PlainBreadthFirstFindsNoShorterWay) {
    Grense uten{8, 100000000, false};
    int sjekket = 0;
    for (int nivaa = 1; nivaa <= 6; ++nivaa) {
        Oppgaver oppgaver(nivaa, 1000 + static_cast<std::uint64_t>(nivaa));
        for (int i = 0; i < 50; ++i) {
            const Ark& ark = oppgaver.neste();
            const Veiledning v = veiled(ark, 0);
            if (v.utfall != Utfall::vei) continue;
            auto kopi = std::make_unique<Ark>(ark);
            for (int k = std::max(0, v.lengde() - 3); k < v.lengde(); ++k) {
                v.linjer[static_cast<std::size_t>(k)].til(*kopi, 1);
                uten.maks_steg = v.lengde() - k;
                const Veiledning w = veiled(*kopi, 1, uten);
                EXPECT_EQ(w.lengde(), v.lengde() - k) << "level " << nivaa << ", exercise " << i;
                ++sjekket;
            }
        }
    }
    EXPECT_GT(sjekket, 500);
}

// Along random walks from generated exercises, no step lowers the bound by more than one.
TEST(NedreGrense, NoStepLowersItByMoreThanOne) {
    std::mt19937_64 motor(7);
    Kladd kladd;
    std::vector<Steg> kandidater;
    int kanter = 0;
    for (int nivaa = 1; nivaa <= 6; ++nivaa) {
        Oppgaver oppgaver(nivaa, 2000 + static_cast<std::uint64_t>(nivaa));
        for (int i = 0; i < 60; ++i) {
            const Ark& ark = oppgaver.neste();
            const auto maal = oppgavemengde(ark);
            const auto svar = [&](const Tilstand& s) {
                const auto m = veileder::linjemengde(s);
                if (m.art == veileder::Loesningsmengde::Art::ukjent) return Mengdesvar::ukjent;
                return veileder::samme(m, maal) ? Mengdesvar::samme : Mengdesvar::annen;
            };
            Tilstand s = Tilstand::fra(ark, 0);
            for (int steg = 0; steg < 6; ++steg) {
                kladd.kandidater(s, kandidater);
                const int h = nedre_grense(s, svar(s));
                std::vector<Tilstand> barn;
                for (const Steg& k : kandidater) {
                    const auto c = kladd.utfoer(s, k);
                    if (!c) continue;
                    barn.push_back(*c);
                    const int hc = nedre_grense(*c, svar(*c));
                    ++kanter;
                    EXPECT_LE(h, hc == ingen_vei ? ingen_vei : hc + 1)
                        << "level " << nivaa << ", step " << stegtekst(k);
                }
                if (barn.empty()) break;
                s = barn[motor() % barn.size()];
            }
        }
    }
    EXPECT_GT(kanter, 10000);
}

// The search first leaves out lines by the bound that does not know their solutions yet. Over
// every coarse picture, not knowing them never makes the way longer, except that a solved
// picture (0 steps) is 1 step away when its solutions are unknown.
TEST(NedreGrense, NotKnowingTheSolutionsNeverLengthensIt) {
    int par = 0;
    for (int i = 0; i < veileder::antall_grove; ++i) {
        const veileder::Grov kjent = veileder::fra_indeks(i);
        if (!kjent.gyldig() || kjent.mengde == Mengdesvar::ukjent) continue;
        veileder::Grov ukjent = kjent;
        ukjent.mengde = Mengdesvar::ukjent;
        ASSERT_TRUE(ukjent.gyldig()) << i;
        const int d = veileder::grov_avstand(kjent), u = veileder::grov_avstand(ukjent);
        EXPECT_TRUE(u <= d || (d == 0 && u == 1)) << "picture " << i << ": " << d << " " << u;
        ++par;
    }
    EXPECT_GT(par, 20000);
}

// Ways back through squaring and roots, which random walks seldom take: from a line that lost
// a solution, from roots of x on both sides and from a root of x on the left alone, the lower
// bound cuts off no shorter way than plain breadth-first search finds, nor the way the coach
// prefers among the shortest.
TEST(NedreGrense, WaysBackThroughSquaringAndRootsAreKept) {
    struct Tilfelle {
        const char* navn;
        Likning oppgave;
        std::vector<Steg> steg;  // taken from the exercise, or
        Likning linje;           // the line written by hand when there are none
        int lengde;
        const char* vei = nullptr;  // the way itself, where it matters
    };
    const Steg rot{Operasjon::rot, 1, 1, 0};
    const Tilfelle tilfeller[] = {
        {"x_er_2_av_x2_er_4",
         {hele(1, 0, 0), hele(0, 0, 4)},
         {},
         {hele(0, 1, 0), hele(0, 0, 2)},
         2},
        {"3_er_x_av_9_er_x2", {hele(0, 0, 9), hele(1, 0, 0)}, {rot}, {}, 3},
        {"roetter_paa_begge_sider", {hele(1, 1, 0), hele(0, 3, 4)}, {rot}, {}, 5},
        // √(x² + 1/4) = x + 1/2: the sides swapped first, then squared with x + 1/2 on the
        // left, as the coach orders its steps.
        {"rot_av_x2_pluss_en_firedel",
         {Side{{1, 1}, {0, 1}, {1, 4}}, Side{{1, 1}, {1, 1}, {1, 4}}},
         {rot},
         {},
         4,
         "Bytt side | Kvadrer | Trekk fra x² | Trekk fra 1/4"},
    };
    Kladd kladd;
    for (const auto& t : tilfeller) {
        auto ark = nytt_ark();
        skriv(*ark, 0, t.oppgave);
        Tilstand s = Tilstand::fra(*ark, 0);
        for (const Steg& steg : t.steg) s = kladd.utfoer(s, steg).value();
        if (t.steg.empty()) {
            skriv(*ark, 1, t.linje);
            s = Tilstand::fra(*ark, 1);
        }
        s.til(*ark, 1);
        const Veiledning v = veiled(*ark, 1);
        EXPECT_EQ(v.utfall, Utfall::vei) << t.navn;
        EXPECT_EQ(v.lengde(), t.lengde) << t.navn << ": " << veitekst(v);
        if (t.vei) {
            EXPECT_EQ(veitekst(v), t.vei) << t.navn;
        }
        const Veiledning w = veiled(*ark, 1, Grense{t.lengde, 100000000, false});
        EXPECT_EQ(w.lengde(), t.lengde) << t.navn << ": " << veitekst(w);
    }
}

TEST(Verdier, TheSignOfAFraction) {
    EXPECT_EQ(veileder::fortegn({0, 1}), 0);
    EXPECT_EQ(veileder::fortegn({-3, 2}), -1);
    EXPECT_EQ(veileder::fortegn({5, 1}), 1);
}

}  // namespace
}  // namespace balvo::test
