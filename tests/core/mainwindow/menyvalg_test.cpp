// SPDX-License-Identifier: GPL-3.0-or-later
// The menus' one dispatcher: for every item, before and during an exercise, what a window is
// told to do, which box refuses it, and nothing at all while the item is greyed.
#include "core/mainwindow/menyvalg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/display/linjetegner.h"
#include "testskall.h"

namespace balvo {
namespace {

using M = Menyhandling;

// A window that writes down every call, with what the worksheet says at that moment.
class Opptaker final : public Menyskall {
public:
    explicit Opptaker(const Arket& arket) : arket_(arket) {}

    double zoom() const override { return zoom_; }
    bool fyller() const override { return fyll_; }
    void visegenlikning() override { logg += "egenlikning "; }
    void visgrafen() override { logg += "graf "; }
    void skrivutarket() override { logg += "skrivut "; }
    void lagrearket() override { logg += "lagre "; }
    void visom() override { logg += "om "; }
    void visangret() override {
        logg += "angret(" + std::to_string(arket_.ark().sistelinje) + ") ";
    }
    void kopierarket() override { logg += "kopier "; }
    void visavstandsrad(bool paa) override {
        logg +=
            std::string("avstandsrad(") + (paa ? "1" : "0") + (arket_.avstand() ? ",1) " : ",0) ");
    }
    void visregnselv(bool paa) override {
        logg +=
            std::string("regnselv(") + (paa ? "1" : "0") + (arket_.regnselv() ? ",1) " : ",0) ");
    }
    void huskhjelpvalg(Menyhandling h, bool paa) override {
        logg += std::string("husk(") + menypunkt(h)->navn.data() + "," + (paa ? "1) " : "0) ");
    }
    void velgzoom(double z) override {
        char t[32];
        std::snprintf(t, sizeof t, "zoom(%g) ", z);
        logg += t;
    }
    void fyllvinduet() override { logg += "fyll "; }
    void lagreoekta() override { logg += "lagreoekt "; }
    void skrivutoekta() override { logg += "skrivutoekt "; }
    void visklasseoversikt() override { logg += "klasse "; }

    double zoom_ = 1;
    bool fyll_ = false;
    std::string logg;

private:
    const Arket& arket_;
};

// A worksheet before its first exercise, or with 2x + 3 = 5 and the step "Trekk fra 3" done;
// the window at a zoom, filled or not; an item chosen. What the window was told, then every
// box shown ("boks:title|text"), then the worksheet's counts of hints and worked solutions.
std::string velg(M h, bool oppgave, double zoom = 1, bool fyll = false, bool avstand = false) {
    test::Testskall skall;
    test::Testtilfeldig tilfeldig;
    Arket arket{skall, tilfeldig};
    arket.Form_Load();
    if (oppgave) {
        arket.nyoppgave_Click();
        Ark& ark = arket.ark();
        const Celle linje0[] = {0, 2, 3, 0, 0, 5};
        for (int j = 1; j <= 6; ++j) {
            ark.teller[0][j] = linje0[j - 1];
            ark.nevner[0][j] = 1;
        }
        tegnlinje(ark, 0, 0, skall.linje(0), skall);
        arket.settmodus(Modus::ny_oppgave);
        arket.opr_Click(1);
        arket.siffer_Click(3);
        arket.Utfoer_Click();
    }
    arket.settavstand(avstand);
    Opptaker vindu(arket);
    vindu.zoom_ = zoom;
    vindu.fyll_ = fyll;
    const std::size_t bokser = skall.bokser.size();
    const int tips = arket.tips_brukt(), forslag = arket.forslag_brukt();
    menyvalg(arket, vindu, h);
    std::string s = vindu.logg;
    for (std::size_t i = bokser; i < skall.bokser.size(); ++i)
        s += "boks:" + skall.bokser[i].tittel + "|" + skall.bokser[i].tekst + " ";
    if (arket.tips_brukt() != tips) s += "tips ";
    if (arket.forslag_brukt() != forslag)
        s += "forslag(" + std::to_string(skall.forslag.size()) + ") ";
    return s;
}

TEST(Menyvalg, EveryItemBeforeAndDuringAnExercise) {
    struct Rad {
        M handling;
        const char* foer;   // before the first exercise
        const char* under;  // after one step of an exercise
    };
    const Rad rader[] = {
        {M::skille, "", ""},
        {M::egen_likning, "egenlikning ", "egenlikning "},
        {M::graf, "boks:|Det er ingen likning å tegne ", "graf "},
        {M::utskrift, "boks:Til etteretning|Det er ingen oppgave å skrive ut ennå. ", "skrivut "},
        {M::lagre, "boks:Til etteretning|Det er ingen oppgave å lagre ennå. ", "lagre "},
        {M::om, "om ", "om "},
        {M::angre, "", "angret(0) "},
        {M::kopier, "kopier ", "kopier "},
        {M::tips, "", "boks:Tips|Gjør tallet foran x til 1. tips "},
        {M::loesningsforslag, "", "forslag(1) "},
        {M::avstand, "avstandsrad(1,1) husk(avstand,1) ", "avstandsrad(1,1) husk(avstand,1) "},
        {M::regnselv, "regnselv(1,1) husk(regnselv,1) ", "regnselv(1,1) husk(regnselv,1) "},
        {M::stoerre, "zoom(1.25) ", "zoom(1.25) "},
        {M::mindre, "zoom(0.75) ", "zoom(0.75) "},
        {M::vanlig, "", ""},
        {M::fyll, "fyll ", "fyll "},
        {M::lagre_oekt, "", "lagreoekt "},
        {M::skriv_ut_oekt, "", "skrivutoekt "},
        {M::klasseoversikt, "klasse ", "klasse "},
    };
    static_assert(std::size(rader) == antall_menyhandlinger);
    for (const Rad& r : rader) {
        SCOPED_TRACE(static_cast<int>(r.handling));
        EXPECT_EQ(velg(r.handling, false), r.foer);
        EXPECT_EQ(velg(r.handling, true), r.under);
    }
}

TEST(Menyvalg, TheZoomAndTheChoicesFromWhereTheyStand) {
    struct Rad {
        M handling;
        double zoom;
        bool fyll, avstand;
        const char* logg;
    };
    const Rad rader[] = {
        // At the edges the step is greyed and does nothing.
        {M::stoerre, 4.0, false, false, ""},
        {M::mindre, 0.5, false, false, ""},
        {M::stoerre, 3.75, false, false, "zoom(4) "},
        // Filled between two steps: the next step that way, and the design again.
        {M::stoerre, 1.1, true, false, "zoom(1.25) "},
        {M::mindre, 1.1, true, false, "zoom(1) "},
        {M::vanlig, 1.1, true, false, "zoom(1) "},
        {M::vanlig, 2.0, false, false, "zoom(1) "},
        // "Fyll vinduet" off keeps the size filling gave.
        {M::fyll, 1.6, true, false, "zoom(1.6) "},
        // The row "Avstand:" switched off again.
        {M::avstand, 1, false, true, "avstandsrad(0,0) husk(avstand,0) "},
    };
    for (const Rad& r : rader) {
        SCOPED_TRACE(r.logg);
        EXPECT_EQ(velg(r.handling, true, r.zoom, r.fyll, r.avstand), r.logg);
    }
}

}  // namespace
}  // namespace balvo
