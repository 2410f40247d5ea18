// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/opplesning.h"

#include <algorithm>

#include "core/display/lineaertekst.h"
#include "core/entry/operandfelt.h"
#include "core/mainwindow/utforming.h"

namespace balvo {
namespace {

constexpr Tekst oppgavenavn = BALVO_TR("Arket", "Oppgave: %1");
constexpr Tekst linjenavn = BALVO_TR("Arket", "Linje %1: %2");
constexpr Tekst loestnavn = BALVO_TR("Arket", "%1, løst");
constexpr Tekst nestesteg = BALVO_TR("Arket", "neste steg: %1");
constexpr Tekst stroeket_ut = BALVO_TR("Arket", "Operanden er strøket ut");

}  // namespace

Opplesning::Opplesning(Arket& arket) : arket_(arket), forrige_(bilde()) {}

Opplesning::Bilde Opplesning::bilde() const {
    const Ark& ark = arket_.ark();
    Bilde b;
    b.oppgave = arket_.oppgavenr();
    b.har_oppgave = arket_.har_oppgave();
    b.sistelinje = ark.sistelinje;
    b.linjenr = ark.linjenr;
    b.bygger = arket_.bygger_operand();
    // The operand as typed, not as worded, so that another language is no change of it.
    if (b.bygger) b.operand = inntasting(ark);
    b.valgt = ark.regneart != Operasjon::ingen;
    b.venter = arket_.venter_linje() ? arket_.ventende_linjenr() : 0;
    return b;
}

int Opplesning::antall() const {
    if (!arket_.har_oppgave()) return 0;
    return arket_.ark().sistelinje + 1 + (arket_.bygger_operand() || arket_.venter_linje() ? 1 : 0);
}

bool Opplesning::er_operand(int i) const {
    return arket_.har_oppgave() && arket_.bygger_operand() && !arket_.venter_linje() &&
           i == arket_.ark().sistelinje + 1;
}

bool Opplesning::er_skrivlinje(int i) const {
    return arket_.har_oppgave() && arket_.venter_linje() && i == arket_.ark().sistelinje + 1;
}

int Opplesning::linje(int i) const {
    if (i < 0 || i >= antall()) return -1;
    return er_operand(i) || er_skrivlinje(i) ? arket_.ark().sistelinje : i;
}

int Opplesning::rad(int i) const {
    const int n = linje(i);
    if (n < 0) return -1;
    const auto& rader = arket_.visning().tilstand().rader;
    const auto r = std::find(rader.begin(), rader.end(), n);
    return r == rader.end() ? -1 : static_cast<int>(r - rader.begin());
}

Leseelement Opplesning::element(int i) const {
    const int n = linje(i);
    if (n < 0) return {};
    const Ark& ark = arket_.ark();
    if (er_operand(i)) return {operandtekst(inntasting(ark)), {}};
    if (er_skrivlinje(i))
        return {oversettelse(skrivlinjenavn, {std::to_string(arket_.ventende_linjenr())}),
                oversettelse(skrivlinjehjelp)};
    const std::string likning = likningstekst(ark, n);
    std::string navn = n == 0 ? oversettelse(oppgavenavn, {likning})
                              : oversettelse(linjenavn, {std::to_string(n), likning});
    if (loest(ark, n)) navn = oversettelse(loestnavn, {navn});
    return {std::move(navn), beskrivelse(n)};
}

std::string Opplesning::setning(int i) const {
    Leseelement e = element(i);
    if (!e.beskrivelse.empty()) e.navn += ". " + e.beskrivelse;
    return e.navn;
}

std::string Opplesning::radnavn(int k) const {
    if (k < 0 || k > 4) return {};
    return element(arket_.visning().tilstand().rader[static_cast<std::size_t>(k)]).navn;
}

std::string Opplesning::feltnavn(int k) const {
    if (k < 0 || k > 4) return {};
    const Visning::Felt& f = arket_.visning().tilstand().felter[static_cast<std::size_t>(k)];
    switch (f.art) {
        case Visning::Felt::Art::operand:
            return operandtekst(f.operand);
        case Visning::Felt::Art::post:
            return operasjonstekst(arket_.ark(), f.linje);
        case Visning::Felt::Art::tom:
            break;
    }
    return {};
}

std::string Opplesning::beskrivelse(int n) const {
    const Ark& ark = arket_.ark();
    if (n < ark.sistelinje) return oversettelse(nestesteg, {operasjonstekst(ark, n)});
    // The newest line: what is being done to it, or what came of it.
    if (arket_.bygger_operand()) return oversettelse(nestesteg, {operandtekst(inntasting(ark))});
    if (stroeket_) return oversettelse(stroeket_ut);
    if (loest(ark, n)) return etikettnavn(poengtekst, std::to_string(arket_.poeng()));
    // The row "Avstand:", while it is on, heard right after the new line.
    if (arket_.avstand()) return balvo::setning(arket_.avstandsdeler());
    return {};
}

void Opplesning::rulltil(int n) {
    // Line 0 stands in row 0 for good; rows 1..4 show the four lines up to linjenr.
    if (n < 1) return;
    const Ark& ark = arket_.ark();
    while (n < std::max(ark.linjenr, 4) - 3 && ark.linjenr > 4) arket_.scrollopp_Click();
    while (n > std::max(ark.linjenr, 4) && ark.linjenr < ark.sistelinje) arket_.scrollned_Click();
}

bool Opplesning::flytt(Leseretning retning) {
    const int n = antall();
    if (n == 0) return false;
    int maal = fokus_;
    switch (retning) {
        case Leseretning::opp:
            maal = fokus_ - 1;
            break;
        case Leseretning::ned:
            maal = fokus_ + 1;
            break;
        case Leseretning::foerste:
            maal = 0;
            break;
        case Leseretning::siste:
            maal = n - 1;
            break;
    }
    maal = std::clamp(maal, 0, n - 1);
    if (maal == fokus_) return false;
    fokus_ = maal;
    rulltil(linje(maal));
    // The scrolling was the pupil's own move, not a change to be told.
    forrige_ = bilde();
    return true;
}

int Opplesning::endring() {
    const Bilde naa = bilde();
    const Bilde& f = forrige_;
    int maal = -1;
    bool stroeket = false;
    if (!naa.har_oppgave) {
        fokus_ = -1;
    } else if (!f.har_oppgave || naa.oppgave != f.oppgave) {
        maal = 0;
    } else if (naa.sistelinje != f.sistelinje) {
        maal = naa.sistelinje;  // a step performed or taken back
    } else if (naa.venter != f.venter) {
        // "Regn selv": the line to write; once "Angre" dropped it, the operand still typed.
        maal = naa.venter || naa.bygger ? naa.sistelinje + 1 : naa.sistelinje;
    } else if (naa.linjenr != f.linjenr) {
        // Scrolled: the line that came into view, at the top or at the bottom of rows 1..4.
        maal = naa.linjenr < f.linjenr ? std::max(naa.linjenr - 3, 1) : naa.linjenr;
    } else if (naa.bygger && (!f.bygger || naa.operand != f.operand)) {
        maal = naa.sistelinje + 1;
    } else if (f.bygger && !naa.bygger) {
        // Crossed out, or refused with a message: the pupil is back on the newest line.
        maal = naa.sistelinje;
        stroeket = !naa.valgt;
    }
    forrige_ = naa;
    if (maal < 0) {
        fokus_ = std::min(fokus_, antall() - 1);
        return -1;
    }
    stroeket_ = stroeket;
    fokus_ = maal;
    return maal;
}

std::string etikettnavn(const Tekst& ledetekst, std::string_view verdi) {
    std::string navn = oversettelse(ledetekst);
    navn += ' ';
    navn += verdi;
    return navn;
}

}  // namespace balvo
