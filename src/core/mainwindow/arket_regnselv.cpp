// SPDX-License-Identifier: GPL-3.0-or-later
// "Regn selv": the line "Utfør" computed waits while the pupil writes it.
#include <algorithm>
#include <chrono>

#include "core/display/linjetegner.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/arket_tekster.h"

namespace balvo {

void Arket::settregnselv(bool paa) {
    regnselv_ = paa;
    // Turned off while a line waits: the line is shown as it would have been, as with Escape.
    if (!paa && ventende_) giopp();
}

int Arket::regnerad() const {
    if (!ventende_) return -1;
    return std::min(ventende_->linje + 1, 4);
}

Linjedom Arket::skrivlinje(std::string_view tekst) {
    if (!ventende_) return {};
    const int L = ventende_->linje;
    Linjedom dom = sjekklinje(ark_, L, tekst);
    // Text that was not read, or was cut, is no try: the pupil has not yet written a line.
    if (dom.dom != Dom::ulest) {
        ++forsoek_;
        if (forsoek_ == 1) foerste_riktig_ = dom.dom == Dom::riktig;
        if (har_oppgave_) {
            noter(Handlingsart::skrevet);
            handlinger_.back().linje = dom.tekst;
            handlinger_.back().riktig = dom.dom == Dom::riktig;
        }
    }
    if (dom.dom != Dom::riktig) {
        skall_.melding(oversettelse(regnselv_tittel), dom.melding);
        return dom;
    }
    regnesteg_.push_back({L + 1, forsoek_, foerste_riktig_, false});
    Ventende v = std::move(*ventende_);
    ventende_.reset();
    fullfoer(std::move(v));
    return dom;
}

void Arket::giopp() {
    if (!ventende_) return;
    const int L = ventende_->linje;
    noter(Handlingsart::vist);
    regnesteg_.push_back({L + 1, forsoek_, foerste_riktig_, true});
    Ventende v = std::move(*ventende_);
    ventende_.reset();
    fullfoer(std::move(v));
}

namespace {

// The preview is no solved line of the sheet: it places no marker.
struct Utenmerke : Merke {
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

}  // namespace

void Arket::forhaandsvis(std::string_view tekst, Tegneflate& flate) {
    const Lesing lest = leslinje(tekst);
    if (!kladd_) kladd_ = std::make_unique<Ark>();
    if (!lest.linje || !skrivinn(*lest.linje, *kladd_, 0)) {
        flate.toem();
        return;
    }
    Utenmerke merke;
    tegnlinje(*kladd_, 0, std::max(regnerad(), 1), flate, merke);
}

void Arket::slippventende() {
    if (!ventende_) return;
    const int L = ventende_->linje;
    const Angrepunkt& a = ventende_->angre;
    a.linje.til(ark_, L + 1);
    settpost(L + 1, a.neste);
    settpost(L, a.foer);
    ventende_.reset();
}

}  // namespace balvo
