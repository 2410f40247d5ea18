// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/arket.h"

#include "core/entry/taster.h"
#include "core/mainwindow/utforming.h"

namespace balvo {

Arket::Arket(Skall& skall, Tilfeldig& tilfeldig) : skall_(skall), tilfeldig_(tilfeldig) {}

void Arket::Form_Load() {
    poeng_ = 0;
    loeste_ = 0;
    visverdier();
    settmodus(Modus::ingen_oppgave);
    ark_.rotteller[0][0] = 0;
    ark_.rotnevner[0][0] = 1;
    ark_.rotteller[0][7] = 0;
    ark_.rotnevner[0][7] = 1;
    ark_.nevnermodus = false;
    ark_.minus = false;
    visning_.skjulmerke();
}

void Arket::Option1_Click() {
    likningstype_ = Likningstype::kun_x;
    settnivaa();
}

void Arket::Option2_Click() {
    likningstype_ = Likningstype::kun_x2;
    settnivaa();
}

void Arket::Option3_Click() {
    likningstype_ = Likningstype::begge;
    settnivaa();
}

void Arket::Check1_Click(bool avkrysset) {
    broeker_ = avkrysset;
    settnivaa();
}

void Arket::settnivaa() {
    // Kun x 1/2, Kun x² 3/4, Både x² og x 5/6; the higher of each pair with fractions.
    const int foer = nivaa_;
    nivaa_ = 2 * (static_cast<int>(likningstype_) - 1) + 1 + (broeker_ ? 1 : 0);
    if (nivaa_ != foer) noter(Handlingsart::nivaa);
    visverdier();
}

void Arket::ryddopp() {
    slippventende();
    // What was on the sheet goes into the lesson record before the sheet is emptied.
    if (har_oppgave_) logg_.push_back(post_naa());
    oppgave_poeng_ = 0;
    loest_linje_.reset();
    for (int i = 0; i <= ark_.sistelinje; ++i) toemlinje(ark_, i);
    ark_.sistelinje = 0;
    ark_.rad = 0;
    ark_.linjenr = 0;
    ++oppgavenr_;
    oppgave_scoret_ = false;
    korteste_.reset();
    tips_brukt_ = forslag_brukt_ = angret_ = 0;
    tips_nivaa_ = {};
    ikke_naermere_ = ikke_naermere_paa_rad_ = gjentatte_ = 0;
    if (stegvurdering_) {
        stegvurdering_.reset();
        visavstand();
    }
    settmodus(Modus::ryddopp);
    for (int k = 0; k < 5; ++k) {
        visning_.toemrad(k);
        visning_.toemfelt(k);
    }
    visning_.skjulmerke();
}

void Arket::settmodus(Modus m) {
    setttaster(m);
    if (m == Modus::utfoert) poengsum();
}

void Arket::setttaster(Modus m) {
    Modus gjeldende = m;
    if (m != Modus::scrollopp && m != Modus::scrollned) {
        siste_modus_ = m;
    } else if (ark_.linjenr >= ark_.sistelinje && siste_modus_) {
        // Back at the newest line: the keys return to what the pupil was doing.
        gjeldende = *siste_modus_;
    }
    taster_ = brukbare_taster(gjeldende, ark_);
    if (!har_oppgave_) taster_.reset(strykut);
    if (ark_.regneart == Operasjon::ingen || ark_.linjenr >= siste_linje) taster_.reset(Utfoer);
    if (ventende_) taster_.reset();
    skall_.setttaster(taster_);
}

void Arket::poengsum() {
    // An exercise scores once: the first time one of its lines is solved.
    if (!loest(ark_, ark_.linjenr) || oppgave_scoret_) return;
    oppgave_scoret_ = true;
    oppgave_poeng_ = nivaa_;
    poeng_ += nivaa_;
    loeste_ += 1;
    visverdier();
}

void Arket::visverdier() {
    skall_.visverdier(nivaa_, poeng_, loeste_);
}

void Arket::vislinjeoprifelt(int n, int k) {
    // The newest line's field waits for the next operand; a refused operation's record is
    // not shown there.
    if (n == ark_.sistelinje) {
        visning_.toemfelt(k);
        if (k != 4) visning_.toemfelt(4);
        return;
    }
    visning_.post(ark_, n, k);
}

std::vector<std::pair<Tekst, std::string>> toppverdier(const Arket& arket) {
    return {{nivaatekst, std::to_string(arket.nivaa())},
            {loestetekst, std::to_string(arket.loeste())},
            {poengtekst, std::to_string(arket.poeng())}};
}

}  // namespace balvo
