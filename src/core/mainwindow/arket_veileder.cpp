// SPDX-License-Identifier: GPL-3.0-or-later
// The coach: the hint, the worked solution and the rows "Steg:" and "Prøve:".
#include "core/coach/veiledertekst.h"
#include "core/mainwindow/arket.h"
#include "core/tekst/katalog.h"

namespace balvo {

bool Arket::hjelp_brukbar() const {
    return har_oppgave_ && ark_.linjenr == ark_.sistelinje;
}

// The way from the current line; from line 0 it is also the exercise's shortest.
Veiledning Arket::veiledherfra() {
    Veiledning v = veiled(ark_, ark_.linjenr, grense_);
    if (ark_.linjenr == 0 && !korteste_)
        korteste_ = v.utfall == Utfall::vei ? std::optional<int>(v.lengde()) : std::nullopt;
    return v;
}

void Arket::Tips_Click() {
    if (!hjelp_brukbar()) return;
    noter(Handlingsart::tips);
    ++tips_brukt_;
    if (!hjelp_vises_) return;
    skall_.melding(oversettelse(BALVO_TR("Veileder", "Tips")), tipstekst(veiledherfra()));
}

void Arket::Loesningsforslag_Click() {
    if (!hjelp_brukbar()) return;
    noter(Handlingsart::forslag);
    ++forslag_brukt_;
    if (!hjelp_vises_) return;
    skall_.visforslag(veiledherfra());
}

std::optional<int> Arket::korteste() {
    if (!har_oppgave_) return std::nullopt;
    if (!korteste_) {
        const Veiledning v = veiled(ark_, 0, grense_);
        korteste_ = v.utfall == Utfall::vei ? std::optional<int>(v.lengde()) : std::nullopt;
    }
    return *korteste_;
}

void Arket::vurder() {
    // The steps the pupil took from the exercise to the solved line: those on the sheet and
    // every one taken back with "Angre".
    vurdering_ = Vurdering{steg_tatt(), korteste(), Tilstand::fra(ark_, 0),
                           Tilstand::fra(ark_, ark_.linjenr)};
    loest_linje_ = vurdering_->linje;
    visvurdering();
}

void Arket::visvurdering() {
    if (!vurdering_) return;
    const Vurdering& v = *vurdering_;
    skall_.visvurdering(stegrad(v.steg, v.korteste), proeverad(v.oppgave, v.linje));
}

void Arket::tegnpaanytt() {
    visning_.tegnpaanytt(ark_);
    visvurdering();
}

}  // namespace balvo
