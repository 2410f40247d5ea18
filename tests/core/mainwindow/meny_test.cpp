// SPDX-License-Identifier: GPL-3.0-or-later
// The menus as both shells build them: each menu's items by their action in order, and which
// items the worksheet lets the pupil choose, or refuses with a message, as the work goes on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mainwindow/zoom.h"
#include "loekke.h"

namespace balvo {
namespace {

using M = Menyhandling;

TEST(Menyene, EveryMenuItsActionsInOrder) {
    struct Rad {
        const char* meny;
        std::vector<M> punkter;
    };
    const Rad rader[] = {
        {"Meny", {M::egen_likning, M::graf, M::utskrift, M::skille, M::lagre, M::skille, M::om}},
        {"Rediger", {M::angre, M::kopier}},
        {"Hjelp", {M::tips, M::loesningsforslag, M::skille, M::avstand, M::regnselv}},
        {"Vis", {M::stoerre, M::mindre, M::vanlig, M::skille, M::fyll}},
        {"Okt", {M::lagre_oekt, M::skriv_ut_oekt, M::klasseoversikt}},
    };
    const auto menyer = menyene();
    ASSERT_EQ(menyer.size(), std::size(rader));
    for (std::size_t i = 0; i < menyer.size(); ++i) {
        SCOPED_TRACE(rader[i].meny);
        EXPECT_EQ(menyer[i].navn, rader[i].meny);
        std::vector<M> punkter;
        for (const Menypunkt& p : menyer[i].punkter) {
            punkter.push_back(p.handling);
            // A separator has no caption, every item has one, and it is found by its action.
            EXPECT_EQ(p.tekst.kilde == nullptr, p.handling == M::skille) << p.navn;
            if (p.handling != M::skille) {
                EXPECT_EQ(menypunkt(p.handling), &p);
            }
        }
        EXPECT_EQ(punkter, rader[i].punkter);
    }
    EXPECT_EQ(menypunkt(M::skille), nullptr);
}

class Menybruk : public test::Oekt {
protected:
    // The items usable now, and the box each usable one would show instead of its work.
    std::string brukbare() const {
        std::string s;
        for (int i = 1; i < antall_menyhandlinger; ++i)
            if (arket.brukbar(static_cast<M>(i))) s += menypunkt(static_cast<M>(i))->navn, s += ' ';
        return s;
    }
    std::string hindringer() {
        std::string s;
        for (int i = 1; i < antall_menyhandlinger; ++i) {
            const auto h = static_cast<M>(i);
            const std::size_t foer = skall.bokser.size();
            const bool tillatt = arket.tillat(h);
            EXPECT_EQ(tillatt, !arket.hindring(h));
            EXPECT_EQ(skall.bokser.size(), foer + (tillatt ? 0 : 1));
            if (tillatt) continue;
            s += std::string(menypunkt(h)->navn) + ": " + skall.bokser.back().tittel + "|" +
                 skall.bokser.back().tekst + "\n";
        }
        return s;
    }
};

TEST_F(Menybruk, WhatTheWorkAllows) {
    // Before the first exercise: nothing to undo, hint, record, save, print or draw.
    EXPECT_EQ(brukbare(),
              "egendef mmPapir Utskrift Lagre om kopier avstand regnselv stoerre mindre vanlig "
              "fyll klasseoversikt ");
    EXPECT_EQ(hindringer(),
              "mmPapir: |Det er ingen likning å tegne\n"
              "Utskrift: Til etteretning|Det er ingen oppgave å skrive ut ennå.\n"
              "Lagre: Til etteretning|Det er ingen oppgave å lagre ennå.\n"
              "lagreoekt: Til etteretning|Det er ingen oppgave å lagre ennå.\n"
              "skrivutoekt: Til etteretning|Det er ingen oppgave å skrive ut ennå.\n");
    // An exercise: the coach and the lesson record; nothing taken back yet.
    oppgave({0, 2, 3, 0, 0, 5});
    EXPECT_EQ(brukbare(),
              "egendef mmPapir Utskrift Lagre om kopier tips loesningsforslag avstand regnselv "
              "stoerre mindre vanlig fyll lagreoekt skrivutoekt klasseoversikt ");
    EXPECT_EQ(hindringer(), "");
    trykk("- 3 U");
    EXPECT_TRUE(arket.brukbar(M::angre));
    // Scrolled back from the newest line: the coach waits.
    trykk(": 2 U + 1 U + 1 U + 1 U ↑");
    EXPECT_FALSE(arket.brukbar(M::tips));
    EXPECT_FALSE(arket.brukbar(M::loesningsforslag));
    EXPECT_TRUE(arket.brukbar(M::lagre_oekt));
    EXPECT_FALSE(arket.brukbar(M::skille));
}

TEST(Zoombruk, TheMenuVisAtTheEdges) {
    struct Rad {
        double zoom;
        bool fyll, stoerre, mindre, vanlig;
    };
    const Rad rader[] = {
        {1.0, false, true, true, false}, {1.0, true, true, true, true},
        {0.5, false, true, false, true}, {4.0, false, false, true, true},
        {1.25, false, true, true, true},
    };
    for (const Rad& r : rader) {
        SCOPED_TRACE(r.zoom);
        EXPECT_EQ(zoom_brukbar(M::stoerre, r.zoom, r.fyll), r.stoerre);
        EXPECT_EQ(zoom_brukbar(M::mindre, r.zoom, r.fyll), r.mindre);
        EXPECT_EQ(zoom_brukbar(M::vanlig, r.zoom, r.fyll), r.vanlig);
        EXPECT_TRUE(zoom_brukbar(M::fyll, r.zoom, r.fyll));
        EXPECT_TRUE(zoom_brukbar(M::angre, r.zoom, r.fyll));
    }
}

}  // namespace
}  // namespace balvo
