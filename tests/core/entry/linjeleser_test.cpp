// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/linjeleser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/algebra/regning.h"
#include "core/display/lineaertekst.h"
#include "core/entry/linjesjekk.h"
#include "likning.h"

namespace balvo::test {
namespace {

// The line a text reads as, written as the linear text writes a worksheet line, so that a
// table can say what it expects in the program's own spelling.
std::string somlinje(std::string_view tekst) {
    const Lesing l = leslinje(tekst);
    if (!l.linje) return lesefeiltekst(tekst, l.feil);
    auto ark = nytt_ark();
    if (!skrivinn(*l.linje, *ark, 0))
        return l.linje->side[0].plussminus ? "(± on the left)" : "(root without ±)";
    return likningstekst(*ark, 0);
}

struct Lesedata {
    const char* skrevet;
    const char* forventet;
};

TEST(Linjeleser, ReadsEveryNotationIntoTheLinesTerms) {
    const Lesedata tabell[] = {
        {"2x = 2", "2x = 2"},
        {"x² = 4", "x² = 4"},
        {"x^2 = 4", "x² = 4"},
        {"X^2=4", "x² = 4"},
        {"3/4x + 1/2 = 5", "(3/4)x + 1/2 = 5"},
        {"(3/4)x + 1/2 = 5", "(3/4)x + 1/2 = 5"},
        {"x/2 = 3x/4", "(1/2)x = (3/4)x"},
        {"(-3/4)x = 1", "−(3/4)x = 1"},
        {"−x − 3 = -2x", "−x − 3 = −2x"},
        {"x = ±3", "x = ±3"},
        {"x = +-3", "x = ±3"},
        {"x = 1 +− 2", "x = 1 ± 2"},
        {"x = ±√5", "x = ±√5"},
        {"√(x² + 1) = 3", "√(x² + 1) = 3"},
        {"sqrt(x^2+1) = 3", "√(x² + 1) = 3"},
        {"SQRT x = 2", "√x = 2"},
        {"2√(x + 1) = ±(3/4)√7", "2√(x + 1) = ±(3/4)√7"},
        {"3*x = 2·x", "3x = 2x"},
        {"0,5x = 1.25", "(1/2)x = 5/4"},
        {"2,50 = x", "5/2 = x"},
        {" 2 x  +  1 = 0 ", "2x + 1 = 0"},
        {"\tx\u2009=\u00a02\u202f\r\n", "x = 2"},
        {"1 0x = 2 0", "10x = 20"},
        {"x + x + 2 - 3 = 4x - x", "2x − 1 = 3x"},
        {"2/4x = 6/8", "(1/2)x = 3/4"},
        {"x - x = 0", "0 = 0"},
        {"0 = 0", "0 = 0"},
        {"+x = 2", "x = 2"},
        {"9007199254740992 = x", "9007199254740992 = x"},
        {"x = ±√0", "x = ±1"},
        {"x = √5", "(root without ±)"},
        {"±3 = x", "(± on the left)"},
    };
    for (const auto& rad : tabell) EXPECT_EQ(somlinje(rad.skrevet), rad.forventet) << rad.skrevet;
}

TEST(Linjeleser, RefusesWithThePlaceAndTheReason) {
    const Lesedata tabell[] = {
        {"2x +", "Kan ikke lese «2x +» ved tegn 4: det mangler et ledd etter +."},
        {"", "Skriv linjen før du trykker Enter."},
        {"    ", "Skriv linjen før du trykker Enter."},
        {"2x + 3", "Kan ikke lese «2x + 3»: det mangler et likhetstegn."},
        {"x = 2 = 3",
         "Kan ikke lese «x = 2 = 3» ved tegn 7: det kan bare stå ett likhetstegn i en linje."},
        {"2y = 4", "Kan ikke lese «2y = 4» ved tegn 2: den ukjente skal hete x, ikke «y»."},
        {"2æ = 4", "Kan ikke lese «2æ = 4» ved tegn 2: den ukjente skal hete x, ikke «æ»."},
        {"x = 2 # 3",
         "Kan ikke lese «x = 2 # 3» ved tegn 7: tegnet «#» kan ikke brukes i en linje."},
        {"x = 9007199254740993",
         "Kan ikke lese «x = 9007199254740993» ved tegn 5: tallet er for stort til å regnes "
         "eksakt."},
        {"x = 0,0000000000000001",
         "Kan ikke lese «x = 0,0000000000000001» ved tegn 5: tallet er for stort til å regnes "
         "eksakt."},
        {"x = 9007199254740992 + 1",
         "Kan ikke lese «x = 9007199254740992 + 1» ved tegn 24: tallene blir for store til å "
         "regnes eksakt."},
        {"√(√x) = 2",
         "Kan ikke lese «√(√x) = 2» ved tegn 3: det kan ikke stå en rot under en rot."},
        {"√√x = 2", "Kan ikke lese «√√x = 2» ved tegn 2: det kan ikke stå en rot under en rot."},
        {"x³ = 2", "Kan ikke lese «x³ = 2» ved tegn 2: tegnet «³» kan ikke brukes i en linje."},
        {"x^3 = 2",
         "Kan ikke lese «x^3 = 2» ved tegn 2: bare potensen 2 kan skrives, som x² eller x^2."},
        {"x^20 = 2",
         "Kan ikke lese «x^20 = 2» ved tegn 2: bare potensen 2 kan skrives, som x² eller x^2."},
        {"x²² = 2", "Kan ikke lese «x²² = 2» ved tegn 3: x kan ikke ha høyere potens enn 2."},
        {"xx = 2", "Kan ikke lese «xx = 2» ved tegn 2: x kan ikke ha høyere potens enn 2."},
        {"= 4", "Kan ikke lese «= 4» ved tegn 1: det mangler et ledd foran =."},
        {"x =", "Kan ikke lese «x =» ved tegn 4: det mangler et ledd på slutten."},
        {"2 x 3 = 1", "Kan ikke lese «2 x 3 = 1» ved tegn 5: det mangler + eller − foran 3."},
        {"x/0 = 1", "Kan ikke lese «x/0 = 1» ved tegn 3: nevneren kan ikke være 0."},
        {"x/ = 1", "Kan ikke lese «x/ = 1» ved tegn 2: det mangler et tall etter /."},
        {"2, = x", "Kan ikke lese «2, = x» ved tegn 2: det mangler et tall etter ,."},
        {"√(x + 1 = 2", "Kan ikke lese «√(x + 1 = 2» ved tegn 9: = kan ikke stå her."},
        {"(x + 1) = 2",
         "Kan ikke lese «(x + 1) = 2» ved tegn 1: i en parentes foran x kan det bare stå et tall "
         "eller en brøk."},
        {"(3/4 = x",
         "Kan ikke lese «(3/4 = x» ved tegn 6: i en parentes foran x kan det bare stå et tall "
         "eller en brøk."},
        {"x) = 2", "Kan ikke lese «x) = 2» ved tegn 2: ) kan ikke stå her."},
        {"√2 + √3 = x",
         "Kan ikke lese «√2 + √3 = x» ved tegn 4: det kan bare stå én rot på hver side."},
        {"x = ±x", "Kan ikke lese «x = ±x» ved tegn 5: ± kan bare stå foran et tall eller en rot."},
        {"√(x ± 1) = 2", "Kan ikke lese «√(x ± 1) = 2» ved tegn 5: ± kan ikke stå under en rot."},
        {"√ = 2",
         "Kan ikke lese «√ = 2» ved tegn 1: det mangler et tall, x eller en parentes etter √."},
        {"2* = x", "Kan ikke lese «2* = x» ved tegn 2: det mangler x eller en rot etter *."},
    };
    for (const auto& rad : tabell) EXPECT_EQ(somlinje(rad.skrevet), rad.forventet) << rad.skrevet;
}

TEST(Linjeleser, CutsALongTextAtWholeCharacters) {
    bool kuttet = true;
    EXPECT_EQ(kuttlinje("x = 2", kuttet), "x = 2");
    EXPECT_FALSE(kuttet);
    std::string lang(199, ' ');
    lang += "−−";
    const std::string kort = kuttlinje(lang, kuttet);
    EXPECT_TRUE(kuttet);
    EXPECT_EQ(kort, std::string(199, ' ') + "−");
    std::string enda(205, 'x');
    EXPECT_EQ(kuttlinje(enda, kuttet).size(), 200u);
    // Bytes that are no UTF-8 are read as characters of their own and refused, never skipped.
    EXPECT_EQ(somlinje("x = \xff"),
              "Kan ikke lese «x = \xff» ved tegn 5: tegnet «\uFFFD» kan ikke brukes i en linje.");
}

// A random line in the sheet's own cells: fractions in lowest terms, perhaps a root part.
void tilfeldiglinje(Ark& ark, int n, std::mt19937_64& tilfeldig) {
    toemlinje(ark, n);
    auto tall = [&](Celle grense) {
        return static_cast<Celle>(tilfeldig() % static_cast<std::uint64_t>(2 * grense + 1)) -
               grense;
    };
    auto celle = [&](Celle& t, Celle& nv, bool ofte_null) {
        t = ofte_null && tilfeldig() % 3 == 0 ? 0 : tall(tilfeldig() % 4 == 0 ? eksakt_grense : 20);
        nv = tilfeldig() % 2 == 0 ? 1 : 1 + static_cast<Celle>(tilfeldig() % 12);
    };
    for (int j = 1; j <= 6; ++j) celle(ark.teller[n][j], ark.nevner[n][j], true);
    for (int k : {0, 7}) {
        if (tilfeldig() % 2 == 0) continue;
        celle(ark.rotteller[n][k], ark.rotnevner[n][k], false);
        const int o = k == 0 ? 0 : 3;
        for (int j = o + 1; j <= o + 3; ++j) {
            ark.rotteller[n][j] = tilfeldig() % 2 == 0 ? 0 : tall(30);
            ark.rotnevner[n][j] = 1 + static_cast<Celle>(tilfeldig() % 5);
        }
    }
    forkort(ark, n);
}

TEST(Linjeleser, ReadsTheLinearTextOfAnyLineBackToThatLine) {
    std::mt19937_64 tilfeldig(26);
    auto ark = nytt_ark();
    int lest = 0;
    for (int i = 0; i < 5000; ++i) {
        tilfeldiglinje(*ark, 0, tilfeldig);
        const std::string tekst = likningstekst(*ark, 0);
        Skrevetlinje ventet = skrevetlinje(*ark, 0);
        const Lesing l = leslinje(tekst);
        // Terms that add up past what can be held are refused, never wrong.
        if (!l.linje) {
            EXPECT_NE(std::string(l.feil.grunn.kilde).find("for store"), std::string::npos)
                << tekst;
            continue;
        }
        ++lest;
        EXPECT_EQ(*l.linje, ventet) << tekst;
    }
    EXPECT_GT(lest, 4500);
}

// One step from a line and what the pupil wrote for it.
struct Stegdata {
    const char* linje;
    Operasjon opr;
    Celle teller, nevner;
    int potens;
    const char* skrevet;
    Dom dom;
    const char* melding;  // empty: right
};

Linjedom steg(const Stegdata& d, Ark& ark) {
    const Lesing l = leslinje(d.linje);
    EXPECT_TRUE(l.linje.has_value()) << d.linje;
    Likning likning;
    auto side = [](const Skrevetside& s) {
        return Side{{s.ledd[0].t, s.ledd[0].n},         {s.ledd[1].t, s.ledd[1].n},
                    {s.ledd[2].t, s.ledd[2].n},         {s.rotkoeff.t, s.rotkoeff.n},
                    {s.radikand[0].t, s.radikand[0].n}, {s.radikand[1].t, s.radikand[1].n},
                    {s.radikand[2].t, s.radikand[2].n}};
    };
    likning.v = side(l.linje->side[0]);
    likning.h = side(l.linje->side[1]);
    skriv(ark, 0, likning);
    ark.linjeopr[0] = d.opr;
    ark.linjeteller[0] = d.teller;
    ark.linjenevner[0] = d.nevner;
    ark.linjepotens[0] = d.potens;
    EXPECT_EQ(regnut(ark, 0).status, Regnestatus::ok) << d.linje;
    forkort(ark, 1);
    return sjekklinje(ark, 0, d.skrevet);
}

TEST(Linjesjekk, NamesEachTypicalMistakeAndAcceptsTheRightLine) {
    using O = Operasjon;
    const Stegdata tabell[] = {
        {"2x + 4 = 6", O::del, 2, 1, 0, "x + 2 = 3", Dom::riktig, ""},
        {"2x + 4 = 6", O::del, 2, 1, 0, "x+2=3", Dom::riktig, ""},
        {"2x + 4 = 6", O::del, 2, 1, 0, "3 = x + 2", Dom::annen_form,
         "Det er den samme likningen, men med sidene byttet om.\nSkriv sidene slik steget gir dem, "
         "eller trykk Esc for å se linjen."},
        {"2x + 4 = 6", O::del, 2, 1, 0, "2x + 4 = 6", Dom::annen_form,
         "Det er den samme likningen, men med begge sider ganget med samme tall.\nSkriv linjen "
         "slik steget gir den, eller trykk Esc for å se linjen."},
        {"2x = 2", O::del, 2, 1, 0, "2x = 2", Dom::annen_form,
         "Det er den samme likningen, men med begge sider ganget med samme tall.\nSkriv linjen "
         "slik steget gir den, eller trykk Esc for å se linjen."},
        {"2x + 4 = 6", O::del, 2, 1, 0, "-x - 2 = -3", Dom::annen_form,
         "Det er den samme likningen, men med begge sider ganget med samme tall.\nSkriv linjen "
         "slik steget gir den, eller trykk Esc for å se linjen."},
        {"2x + 4 = 6", O::del, 2, 1, 0, "x + 2 = 6", Dom::feil,
         "Du har bare gjort det på venstre side."},
        {"2x + 4 = 6", O::del, 2, 1, 0, "2x + 4 = 3", Dom::feil,
         "Du har bare gjort det på høyre side."},
        {"2x + 4 = 6", O::del, 2, 1, 0, "x + 4 = 3", Dom::feil, "Du har bare delt ett av leddene."},
        {"2x + 4 = 6", O::del, 2, 1, 0, "2x + 2 = 3", Dom::feil,
         "Du har bare delt ett av leddene."},
        {"x + 2 = 3", O::gang, 3, 1, 0, "3x + 2 = 9", Dom::feil,
         "Du har bare ganget ett av leddene."},
        {"x + 2 = 3", O::gang, 1, 1, 1, "x² + 2 = 3x", Dom::feil,
         "Du har bare ganget ett av leddene."},
        {"2x + 4 = 6", O::trekk_fra, 4, 1, 0, "2x = -2", Dom::feil, "Sjekk fortegnet foran 2."},
        {"2x + 4 = 6", O::trekk_fra, 4, 1, 0, "2x = 2", Dom::riktig, ""},
        {"2x + 4 = 6", O::trekk_fra, 4, 1, 0, "2x = 1", Dom::feil,
         "Ikke riktig. Prøv igjen, eller trykk Esc for å se linjen."},
        {"x² + 2x = 3", O::legg_til, 1, 1, 0, "-x² + 2x + 1 = 4", Dom::feil,
         "Sjekk fortegnet foran x²."},
        {"-√(x + 1) + 1 = -2", O::trekk_fra, 1, 1, 0, "√(x + 1) = -3", Dom::feil,
         "Sjekk fortegnet foran √(x + 1)."},
        {"-2√(x + 1) + 1 = -5", O::trekk_fra, 1, 1, 0, "2√(x + 1) = -6", Dom::feil,
         "Sjekk fortegnet foran 2√(x + 1)."},
        {"-3x = 6", O::del, -3, 1, 0, "-x = -2", Dom::feil, "Sjekk fortegnet foran x."},
        {"x + 1/2 = 1", O::legg_til, 1, 3, 0, "x + 2/5 = 4/3", Dom::feil,
         "Brøker legges ikke sammen ved å legge sammen tellere og nevnere."},
        {"x + 1/2 = 1", O::legg_til, 1, 3, 0, "x + 2/5 = 2/4", Dom::feil,
         "Brøker legges ikke sammen ved å legge sammen tellere og nevnere."},
        {"x + 1/2 = 1", O::legg_til, 1, 3, 0, "x + 5/6 = 4/3", Dom::riktig, ""},
        {"x + 3 = 2x", O::kvadrer, 0, 1, 0, "x² + 9 = 4x²", Dom::feil,
         "Kvadratet av en sum er ikke summen av kvadratene."},
        {"x + 3 = 2x", O::kvadrer, 0, 1, 0, "x² + 6x + 9 = 4x²", Dom::riktig, ""},
        {"x² = 9", O::rot, 0, 1, 0, "x = 3", Dom::feil, "Husk ± når du trekker kvadratroten."},
        {"x² = 9", O::rot, 0, 1, 0, "x = -3", Dom::feil, "Husk ± når du trekker kvadratroten."},
        {"x² = 9", O::rot, 0, 1, 0, "x = ±3", Dom::riktig, ""},
        {"x² = 9", O::rot, 0, 1, 0, "x = +-3", Dom::riktig, ""},
        {"x² = 5", O::rot, 0, 1, 0, "x = √5", Dom::feil, "Husk ± når du trekker kvadratroten."},
        {"x² = 5", O::rot, 0, 1, 0, "x = ±sqrt(5)", Dom::riktig, ""},
        {"x² = 5", O::rot, 0, 1, 0, "x = ±√6", Dom::feil,
         "Ikke riktig. Prøv igjen, eller trykk Esc for å se linjen."},
        {"x² + 1 = 5", O::rot, 0, 1, 0, "√(x^2 + 1) = ±√5", Dom::riktig, ""},
        {"x = 2x - 1", O::snu, 0, 1, 0, "-x = 2x - 1", Dom::feil,
         "Du har bare gjort det på venstre side."},
        {"x = 2x - 1", O::bytt, 0, 1, 0, "2x - 1 = x", Dom::riktig, ""},
        {"x = 2x - 1", O::bytt, 0, 1, 0, "x = 2x - 1", Dom::annen_form,
         "Det er den samme likningen, men med sidene byttet om.\nSkriv sidene slik steget gir dem, "
         "eller trykk Esc for å se linjen."},
        {"2x = 4", O::del, 2, 1, 0, "x = 3", Dom::feil,
         "Ikke riktig. Prøv igjen, eller trykk Esc for å se linjen."},
        {"2x = 4", O::del, 2, 1, 0, "x = ", Dom::ulest,
         "Kan ikke lese «x = » ved tegn 5: det mangler et ledd på slutten."},
    };
    auto ark = nytt_ark();
    for (const auto& rad : tabell) {
        const Linjedom dom = steg(rad, *ark);
        EXPECT_EQ(dom.dom, rad.dom) << rad.linje << " → " << rad.skrevet;
        EXPECT_EQ(dom.melding, rad.melding) << rad.linje << " → " << rad.skrevet;
    }
}

TEST(Linjesjekk, RefusesAHugeTextAndKeepsItsFirstCharacters) {
    auto ark = nytt_ark();
    const Linjedom dom = steg({"2x = 4", Operasjon::del, 2, 1, 0, "", Dom::ulest, ""}, *ark);
    EXPECT_EQ(dom.dom, Dom::ulest);
    const Linjedom lang = sjekklinje(*ark, 0, "x = 2" + std::string(300, ' '));
    EXPECT_EQ(lang.dom, Dom::ulest);
    EXPECT_EQ(lang.tekst.size(), 200u);
    EXPECT_EQ(lang.melding, oversettelse(tekst::linje_kuttet));
}

}  // namespace
}  // namespace balvo::test
