// SPDX-License-Identifier: GPL-3.0-or-later
// The coach: the hint, the worked solution and the rows "Steg:", "Prøve:" and "Avstand:".
#include <algorithm>

#include "core/coach/avstand.h"
#include "core/coach/tips.h"
#include "core/coach/veiledertekst.h"
#include "core/mainwindow/arket.h"
#include "core/tekst/katalog.h"

namespace balvo {

bool Arket::hjelp_brukbar() const {
    return har_oppgave_ && ark_.linjenr == ark_.sistelinje && !ventende_;
}

// The way from the current line; from line 0 it is also the exercise's shortest.
Veiledning Arket::veiledherfra() {
    Veiledning v = veiledlinje(ark_.linjenr);
    if (ark_.linjenr == 0 && !korteste_)
        korteste_ = v.utfall == Utfall::vei ? std::optional<int>(v.lengde()) : std::nullopt;
    return v;
}

// The answer is the same for the same line of the same exercise: "Tips" pressed again, the row
// "Avstand:" asking for the line before after the next step, a step undone and taken again, a
// replayed lesson file's lines, need not search again.
Veiledning Arket::veiledlinje(int n) {
    const Tilstand linje = Tilstand::fra(ark_, n);
    if (veiledet_oppgave_ != oppgavenr_) {
        veiledet_.clear();
        veiledet_oppgave_ = oppgavenr_;
    }
    for (auto v = veiledet_.rbegin(); v != veiledet_.rend(); ++v)
        if (v->linjer.front() == linje) return *v;
    // A line on a way found already: the rest of that way is a shortest way from it (a shorter
    // one would have shortened the whole), and the coach keeps to it, so that a pupil who
    // follows a hint hears the same way go on.
    for (auto v = veiledet_.rbegin(); v != veiledet_.rend(); ++v) {
        if (v->utfall != Utfall::vei) continue;
        for (std::size_t k = 1; k < v->linjer.size(); ++k) {
            const auto rest = static_cast<std::ptrdiff_t>(v->linjer.size() - 1 - k);
            if (v->linjer[k] != linje || rest > siste_linje - n) continue;
            Veiledning videre;
            videre.utfall = Utfall::vei;
            videre.linjer.assign(v->linjer.begin() + static_cast<std::ptrdiff_t>(k),
                                 v->linjer.end());
            videre.steg.assign(v->steg.end() - rest, v->steg.end());
            return husk(std::move(videre));
        }
    }
    return husk(veiled(ark_, n, grense_));
}

const Veiledning& Arket::husk(Veiledning v) {
    // The 100 lines a worksheet holds, and the lines undone on the way, are few enough.
    if (veiledet_.size() >= 256) veiledet_.erase(veiledet_.begin());
    veiledet_.push_back(std::move(v));
    return veiledet_.back();
}

int Arket::tipsnivaa() const {
    const std::array<std::uint64_t, 3> her{oppgavenr_, static_cast<std::uint64_t>(ark_.sistelinje),
                                           static_cast<std::uint64_t>(angret_)};
    return tipsplass_ == her ? tipsnivaa_ : 0;
}

void Arket::Tips_Click() {
    if (!hjelp_brukbar()) return;
    // Again on the same line: one level further; a new line starts at the aim.
    tipsnivaa_ = std::min(tipsnivaa() + 1, 3);
    tipsplass_ = {oppgavenr_, static_cast<std::uint64_t>(ark_.sistelinje),
                  static_cast<std::uint64_t>(angret_)};
    noter(Handlingsart::tips);
    ++tips_brukt_;
    ++tips_nivaa_[static_cast<std::size_t>(tipsnivaa_ - 1)];
    // Asked whether shown or not: the answers kept decide the next ones, and a replayed lesson
    // file keeps the same.
    const Veiledning v = veiledherfra();
    if (!hjelp_vises_) return;
    skall_.melding(oversettelse(BALVO_TR("Veileder", "Tips")), tipstekst(v, tipsnivaa_));
}

void Arket::settavstand(bool paa) {
    avstand_ = paa;
    ikke_naermere_paa_rad_ = 0;
    stegvurdering_.reset();
    visavstand();
}

void Arket::visavstand() {
    avstandsdeler_ = stegvurdering_ ? balvo::avstandsdeler(*stegvurdering_, tilby_tips_)
                                    : std::vector<std::string>{};
    skall_.visavstand(radtekst(avstandsdeler_));
}

void Arket::vurdersteg(const Tilstand& foer, int n) {
    const Tilstand ny = Tilstand::fra(ark_, n);
    int gjentatt = -1;
    for (int i = 0; i < n && gjentatt < 0; ++i)
        if (Tilstand::fra(ark_, i) == ny) gjentatt = i;
    if (gjentatt >= 0) ++gjentatte_;

    // Counted whether the row shows or not, so that the lesson record (and a lesson file
    // replayed from its actions) has the same figure either way.
    Stegvurdering v;
    v.foer = veiledlinje(n - 1);
    v.etter = veiledlinje(n);
    v.gjentatt = gjentatt;
    if (v.ikke_naermere()) {
        ++ikke_naermere_;
        ++ikke_naermere_paa_rad_;
        ikke_naermere_linjer_.push_back(n);
    } else {
        ikke_naermere_paa_rad_ = 0;
    }
    if (!avstand_) return;
    v.endring = loesningsendring(foer, ny);
    // Offered, never forced: after two steps in a row that brought the pupil no closer, or a
    // line the worksheet had already.
    tilby_tips_ = !v.loest() && (ikke_naermere_paa_rad_ >= 2 || gjentatt >= 0);
    stegvurdering_ = std::move(v);
    visavstand();
}

void Arket::Loesningsforslag_Click() {
    if (!hjelp_brukbar()) return;
    noter(Handlingsart::forslag);
    ++forslag_brukt_;
    const Veiledning v = veiledherfra();
    if (!hjelp_vises_) return;
    skall_.visforslag(v);
}

std::optional<int> Arket::korteste() {
    if (!har_oppgave_) return std::nullopt;
    if (!korteste_) {
        const Veiledning v = veiledlinje(0);
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
    if (avstand_) visavstand();
}

}  // namespace balvo
