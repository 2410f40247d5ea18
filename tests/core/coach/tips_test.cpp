// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's three levels for a table of lines, one row per aim; what a step does to the
// solutions, compared exactly; and the distance the row "Avstand:" reports after a step,
// checked against a breadth-first search of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/coach/avstand.h"
#include "core/coach/tips.h"
#include "core/coach/veiledertekst.h"
#include "likning.h"

namespace balvo::test {
namespace {

struct Tipstilfelle {
    const char* navn;
    Likning oppgave;
    const char* maal;
    const char* art;
    const char* steg;
    Steg foerst{};  // a step taken from the exercise before the hint is asked for
};

const Tipstilfelle tipstilfeller[] = {
    {"samle_x",
     {hele(0, 3, 2), hele(0, 1, -4)},
     "Samle x-leddene på den ene siden.",
     "Neste steg: Trekk fra et ledd med x.",
     "Neste steg: Trekk fra x"},
    {"x_alene",
     {hele(0, 2, 3), hele(0, 0, 5)},
     "Få leddet med x alene.",
     "Neste steg: Trekk fra et tall.",
     "Neste steg: Trekk fra 3"},
    {"x2_alene",
     {hele(1, 0, 3), hele(0, 0, 12)},
     "Få x² alene, så kan du trekke kvadratroten.",
     "Neste steg: Trekk fra et tall.",
     "Neste steg: Trekk fra 3"},
    {"kvadrat",
     {hele(1, 2, 0), hele(0, 0, 3)},
     "Fullfør kvadratet.",
     "Neste steg: Legg til et tall.",
     "Neste steg: Legg til 1"},
    {"en_foran_x",
     {hele(0, -2, 0), hele(0, 0, 4)},
     "Gjør tallet foran x til 1.",
     "Neste steg: Del med tallet foran x.",
     "Neste steg: Del med -2"},
    {"en_foran_x2",
     {hele(2, 0, 0), hele(0, 0, 18)},
     "Gjør tallet foran x² til 1.",
     "Neste steg: Del med tallet foran x².",
     "Neste steg: Del med 2"},
    {"broeker",
     {Side{{0, 1}, {1, 2}, {0, 1}}, hele(0, 0, 3)},
     "Bli kvitt brøkene.",
     "Neste steg: Multipliser med fellesnevneren.",
     "Neste steg: Gang med 2"},
    {"positiv",
     {hele(0, -1, 0), hele(0, 0, 4)},
     "Få et positivt tall foran x.",
     "Neste steg: Snu fortegn.",
     "Neste steg: Snu fortegn"},
    {"venstre",
     {hele(0, 0, 7), hele(0, 1, 0)},
     "Få x over på venstre side.",
     "Neste steg: Bytt side.",
     "Neste steg: Bytt side"},
    {"uten_kvadrat",
     {hele(1, 0, 0), hele(0, 0, 9)},
     "Bli kvitt x².",
     "Neste steg: Trekk kvadratrot.",
     "Neste steg: Trekk kvadratrot"},
    {"uten_rot",
     {hele(1, 1, 0), hele(0, 0, 2)},
     "Bli kvitt rottegnet.",
     "Neste steg: Kvadrer.",
     "Neste steg: Kvadrer",
     {Operasjon::rot, 1, 1, 0}},
};

void PrintTo(const Tipstilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Tipsnivaa : public ::testing::TestWithParam<Tipstilfelle> {};

TEST_P(Tipsnivaa, AimKindAndExactStep) {
    const auto& t = GetParam();
    auto ark = nytt_ark();
    skriv(*ark, 0, t.oppgave);
    int n = 0;
    if (t.foerst.operasjon != Operasjon::ingen) {
        Kladd kladd;
        const auto ny = kladd.utfoer(Tilstand::fra(*ark, 0), t.foerst);
        ASSERT_TRUE(ny.has_value());
        ny->til(*ark, n = 1);
    }
    const Veiledning v = veiled(*ark, n);
    ASSERT_EQ(v.utfall, Utfall::vei);
    EXPECT_EQ(tipstekst(v, 1), t.maal);
    EXPECT_EQ(tipstekst(v, 2), t.art);
    const std::string tre = tipstekst(v, 3);
    EXPECT_EQ(tre.substr(0, tre.find('\n')), t.steg);
    EXPECT_EQ(tre, tipstekst(v));
    // The aim names no number and no operation.
    for (char c : std::string(t.maal)) EXPECT_FALSE(c >= '0' && c <= '9' && c != '1') << t.maal;
    for (Operasjon op : {Operasjon::legg_til, Operasjon::trekk_fra, Operasjon::gang, Operasjon::del,
                         Operasjon::kvadrer, Operasjon::snu, Operasjon::bytt})
        EXPECT_EQ(std::string(t.maal).find(oversettelse(operasjonsnavn(op))), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Alle, Tipsnivaa, ::testing::ValuesIn(tipstilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Tipsnivaa, ALineWithoutAWayKeepsTodaysTextAtEveryLevel) {
    for (const Likning& l :
         {Likning{hele(0, 3, 0), hele(0, 3, 1)}, Likning{hele(0, 1, 0), hele(0, 1, 0)},
          Likning{hele(0, 1, 0), hele(0, 0, 5)}}) {
        auto ark = nytt_ark();
        skriv(*ark, 0, l);
        const Veiledning v = veiled(*ark, 0);
        for (int nivaa : {1, 2, 3}) EXPECT_EQ(tipstekst(v, nivaa), tipstekst(v));
    }
}

// A step carried out by the engine, as "Utfør" does.
Tilstand etter(const Likning& l, const Steg& steg) {
    auto ark = nytt_ark();
    skriv(*ark, 0, l);
    Kladd kladd;
    const auto ny = kladd.utfoer(Tilstand::fra(*ark, 0), steg);
    EXPECT_TRUE(ny.has_value());
    return ny.value_or(Tilstand{});
}

Tilstand linje(const Likning& l) {
    auto ark = nytt_ark();
    skriv(*ark, 0, l);
    return Tilstand::fra(*ark, 0);
}

// Steps a shortest way from an exercise seldom takes, and the aim each is given: roots with a
// coefficient, an x² made positive, a square completed on the right, and steps that do
// nothing the aims name.
TEST(Tipsnivaa, AimsOfStepsTheTableCannotReachFromAnExercise) {
    struct Tilfelle {
        const char* navn;
        Likning foer;
        Steg steg;
        Maal maal;
    };
    // k·√x
    const auto rot_x = [](Cellebroek k) {
        return Side{{0, 1}, {0, 1}, {0, 1}, k, {0, 1}, {1, 1}, {0, 1}};
    };
    const Tilfelle tilfeller[] = {
        {"broek_foran_rot",
         {rot_x({1, 2}), hele(0, 0, 3)},
         {Operasjon::gang, 2, 1, 0},
         Maal::broeker},
        {"tall_foran_rot",
         {rot_x({3, 1}), hele(0, 0, 6)},
         {Operasjon::del, 3, 1, 0},
         Maal::en_foran_rot},
        {"minus_x2", {hele(-1, 0, 0), hele(0, 0, -4)}, {Operasjon::snu, 1, 1, 0}, Maal::positiv},
        {"bytt_x_paa_begge_sider",
         {hele(0, 1, 0), hele(0, 2, -1)},
         {Operasjon::bytt, 1, 1, 0},
         Maal::naermere},
        {"del_uten_en_foran_x",
         {hele(0, 4, 0), hele(0, 0, 6)},
         {Operasjon::del, 2, 1, 0},
         Maal::naermere},
        {"gang_x", {hele(0, 1, 0), hele(0, 0, 2)}, {Operasjon::gang, 1, 1, 1}, Maal::naermere},
        {"kvadrat_til_hoeyre",
         {hele(0, 0, 3), hele(1, 2, 0)},
         {Operasjon::legg_til, 1, 1, 0},
         Maal::kvadrat},
    };
    for (const auto& t : tilfeller)
        EXPECT_EQ(stegmaal(linje(t.foer), t.steg, etter(t.foer, t.steg)), t.maal) << t.navn;
    EXPECT_STREQ(maaltekst(Maal::naermere).kilde, "Kom ett steg nærmere løsningen.");
    const Likning tre_rot_x{rot_x({3, 1}), hele(0, 0, 6)};
    const Steg del3{Operasjon::del, 3, 1, 0};
    EXPECT_EQ(arttekst(linje(tre_rot_x), del3, etter(tre_rot_x, del3)),
              "Del med tallet foran rottegnet.");
    const Steg gang_tredel{Operasjon::gang, 1, 3, 0};
    EXPECT_EQ(arttekst(linje(tre_rot_x), gang_tredel, etter(tre_rot_x, gang_tredel)),
              "Multipliser med det omvendte av tallet foran rottegnet.");
}

TEST(Loesningsendring, GainedAndLostComparedExactly) {
    struct Tilfelle {
        const char* navn;
        Likning foer;
        Steg steg;
        const char* rad;
    };
    const Side x = hele(0, 1, 0);
    const Tilfelle tilfeller[] = {
        {"gang_x",
         {x, hele(0, 0, 2)},
         {Operasjon::gang, 1, 1, 1},
         "Dette steget ga en ekstra løsning x = 0"},
        {"del_x",
         {hele(1, 0, 0), hele(0, 2, 0)},
         {Operasjon::del, 1, 1, 1},
         "Dette steget mistet løsningen x = 0"},
        {"kvadrer",
         {x, hele(0, 0, -1)},
         {Operasjon::kvadrer, 1, 1, 0},
         "Dette steget ga en ekstra løsning x = 1"},
        {"rot_hoeyre",
         {hele(0, 0, 9), hele(1, 0, 0)},
         {Operasjon::rot, 1, 1, 0},
         "Dette steget mistet løsningen x = −3"},
        {"gang_null",
         {x, hele(0, 0, 2)},
         {Operasjon::gang, 0, 1, 0},
         "Etter dette steget er alle tall løsninger"},
        {"del_x_beholder_null", {hele(1, 0, 0), hele(0, 0, 0)}, {Operasjon::del, 1, 1, 1}, ""},
        {"rot_venstre", {hele(1, 0, 0), hele(0, 0, 9)}, {Operasjon::rot, 1, 1, 0}, ""},
        {"trekk_fra", {hele(0, 2, 3), hele(0, 0, 5)}, {Operasjon::trekk_fra, 3, 1, 0}, ""},
        // Solutions that cannot be had exactly (x under a root), or every number before the
        // step: nothing is said.
        {"x_under_rot", {hele(1, 0, 0), hele(0, 1, 2)}, {Operasjon::rot, 1, 1, 0}, ""},
        {"alle_foer", {x, x}, {Operasjon::trekk_fra, 1, 1, 1}, ""},
    };
    for (const auto& t : tilfeller) {
        Stegvurdering v;
        v.endring = loesningsendring(linje(t.foer), etter(t.foer, t.steg));
        v.etter.utfall = Utfall::ingen_kort_vei;
        auto deler = avstandsdeler(v, false);
        deler.pop_back();  // the distance
        EXPECT_EQ(radtekst(deler), t.rad) << t.navn;
    }
}

TEST(Avstandsrad, TheWordsAfterAStep) {
    auto vei = [](int lengde) {
        Veiledning v;
        v.utfall = Utfall::vei;
        v.steg.resize(static_cast<std::size_t>(lengde));
        return v;
    };
    Veiledning ikke_fram;
    ikke_fram.utfall = Utfall::ikke_fram;
    struct Tilfelle {
        Veiledning foer, etter;
        int gjentatt;
        bool tilby;
        const char* rad;
        bool ikke_naermere;
    };
    const Tilfelle tilfeller[] = {
        {vei(3), vei(2), -1, false, "2 steg igjen", false},
        {vei(3), vei(3), -1, false, "Ikke nærmere: 3 steg igjen (før: 3)", true},
        {vei(2), vei(4), -1, true,
         "Ikke nærmere: 4 steg igjen (før: 2). Trenger du et tips? Trykk Ctrl+T.", true},
        {vei(2), vei(3), 1, true,
         "Denne linjen hadde du før (linje 1). Ikke nærmere: 3 steg igjen (før: 2). Trenger du "
         "et tips? Trykk Ctrl+T.",
         true},
        {vei(1), vei(2), 0, false,
         "Denne linjen hadde du før (oppgaven). Ikke nærmere: 2 steg "
         "igjen (før: 1)",
         true},
        {vei(1), vei(0), -1, true, "", false},
        {vei(2), ikke_fram, -1, false, "Herfra kommer du ikke fram til løsningen av oppgaven.",
         true},
        {ikke_fram, ikke_fram, -1, false, "Herfra kommer du ikke fram til løsningen av oppgaven.",
         false},
        {Veiledning{}, vei(2), -1, false, "2 steg igjen", false},
    };
    for (const auto& t : tilfeller) {
        Stegvurdering v;
        v.foer = t.foer;
        v.etter = t.etter;
        v.gjentatt = t.gjentatt;
        EXPECT_EQ(radtekst(avstandsdeler(v, t.tilby)), t.rad);
        EXPECT_EQ(v.ikke_naermere(), t.ikke_naermere) << t.rad;
    }
    EXPECT_EQ(setning({"1 steg igjen"}), "1 steg igjen.");
    EXPECT_EQ(setning({"a", "Trenger du et tips? Trykk Ctrl+T."}),
              "a. Trenger du et tips? Trykk Ctrl+T.");
    EXPECT_EQ(setning({}), "");
    // A part that ends a sentence of its own gets no second full stop.
    EXPECT_EQ(setning({"Hva nå?"}), "Hva nå?");
    EXPECT_EQ(setning({"Bra!"}), "Bra!");
    EXPECT_EQ(radtekst({"Hva nå?", "Bra!", "a"}), "Hva nå? Bra! a");
}

// The distance to a solved line with the exercise's solutions, by plain breadth-first search
// over the steps the keypad leaves usable, up to `maks` steps; -1 when none is that short.
int breddesoek(const Tilstand& start, bool start_loest, const veileder::Loesningsmengde& maal,
               int maks) {
    if (start_loest && veileder::samme(veileder::linjemengde(start), maal)) return 0;
    Kladd kladd;
    std::vector<Steg> kandidater;
    std::vector<Tilstand> lag{start};
    // Lines seen, by hash; lines with the same hash compared whole.
    std::unordered_map<std::uint64_t, std::vector<Tilstand>> sett;
    auto ny_linje = [&](const Tilstand& s) {
        auto& like = sett[hash(s)];
        if (std::find(like.begin(), like.end(), s) != like.end()) return false;
        like.push_back(s);
        return true;
    };
    ny_linje(start);
    for (int d = 1; d <= maks; ++d) {
        std::vector<Tilstand> neste;
        for (const Tilstand& s : lag) {
            kladd.kandidater(s, kandidater);
            for (const Steg& steg : kandidater) {
                const auto ny = kladd.utfoer(s, steg);
                if (!ny || !ny_linje(*ny)) continue;
                if (kladd.loest() && veileder::samme(veileder::linjemengde(*ny), maal)) return d;
                neste.push_back(*ny);
            }
        }
        lag.swap(neste);
    }
    return -1;
}

std::string stegene(const Veiledning& v) {
    std::string s;
    for (const Steg& steg : v.steg) s += stegtekst(steg) + " | ";
    return s;
}

TEST(Avstandsrad, TheDistanceAgreesWithBreadthFirstSearch) {
    // Random exercises, and random steps from them: the coach's distance of each line, where
    // it is at most 5, is the plain search's.
    std::mt19937 tilfeldig(24);
    std::uniform_int_distribution<int> tall(-4, 4), rute(0, 2);
    Kladd kladd;
    std::vector<Steg> kandidater;
    int sjekket = 0;
    for (int oppgave = 0; oppgave < 40; ++oppgave) {
        const bool andregrad = rute(tilfeldig) == 0;
        const Likning l{hele(andregrad ? 1 : 0, tall(tilfeldig), tall(tilfeldig)),
                        hele(0, tall(tilfeldig), tall(tilfeldig))};
        auto ark = nytt_ark();
        skriv(*ark, 0, l);
        const auto maal = oppgavemengde(*ark);
        if (maal.art != veileder::Loesningsmengde::Art::verdier) continue;
        Tilstand s = Tilstand::fra(*ark, 0);
        for (int steg = 0; steg < 3; ++steg) {
            s.til(*ark, 1);
            const Veiledning v = veiled(*ark, 1);
            const int bfs = breddesoek(s, loest(*ark, 1), maal, 5);
            if (v.utfall == Utfall::vei && v.lengde() <= 5) {
                EXPECT_EQ(v.lengde(), bfs) << stegene(v);
                ++sjekket;
            } else {
                EXPECT_EQ(bfs, -1);
            }
            kladd.kandidater(s, kandidater);
            if (kandidater.empty()) break;
            const auto ny = kladd.utfoer(s, kandidater[tilfeldig() % kandidater.size()]);
            if (!ny) break;
            s = *ny;
        }
    }
    EXPECT_GT(sjekket, 30);
}

}  // namespace
}  // namespace balvo::test
