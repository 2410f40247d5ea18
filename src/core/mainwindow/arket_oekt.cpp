// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson record: what each exercise of this run was and how it went.
#include <chrono>

#include "core/mainwindow/arket.h"

namespace balvo {
namespace {

double steady_sekunder() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void Arket::ny_post(bool egen) {
    egen_ = egen;
    startnivaa_ = nivaa_;
    startsek_ = klokke_ ? klokke_() : steady_sekunder();
    handlinger_.clear();
    tips_linjer_.clear();
    regnesteg_.clear();
    ikke_naermere_linjer_.clear();
    ventende_opr_.clear();
    ventende_operand_.clear();
    ventende_videre_ = false;
    forkastet_.clear();
}

void Arket::noter(Handlingsart art) {
    if (!har_oppgave_) return;
    Handling h;
    h.art = art;
    const double naa = klokke_ ? klokke_() : steady_sekunder();
    h.sekunder = std::max(0.0, naa - startsek_);
    // The operation and operand being typed go with the action that ends them; a hint or a
    // new level leaves them being typed.
    if (art == Handlingsart::utfoer || art == Handlingsart::stryk_ut ||
        art == Handlingsart::angre) {
        h.operasjon = std::move(ventende_opr_);
        if (!h.operasjon.empty()) h.operand = std::move(ventende_operand_);
        h.videre = !h.operasjon.empty() && ventende_videre_;
        if (!h.operasjon.empty() && !h.videre) h.forkastet = std::move(forkastet_);
        forkastet_.clear();
        ventende_videre_ = false;
        ventende_opr_.clear();
        ventende_operand_.clear();
    }
    if (art == Handlingsart::tips) {
        h.nivaa = tipsnivaa();
        tips_linjer_.push_back(ark_.sistelinje);
    }
    if (art == Handlingsart::nivaa) h.nivaa = nivaa_;
    handlinger_.push_back(std::move(h));
}

void Arket::notertegn(const std::string& tegn) {
    if (!ventende_opr_.empty()) ventende_operand_ += tegn;
}

void Arket::Utfoer_Click() {
    const int foer = ark_.sistelinje;
    const bool noteres = !ventende_opr_.empty() && ark_.regneart != Operasjon::ingen &&
                         ark_.linjenr == ark_.sistelinje;
    const std::string opr = ventende_opr_, operand = ventende_operand_;
    utfoer();
    if (!noteres) return;
    noter(Handlingsart::utfoer);
    handlinger_.back().utfoert = ark_.sistelinje > foer || venter_linje();
    handlinger_.back().regnselv = venter_linje();
    // A refused step leaves its operation chosen: "Utfør" may be pressed on it again.
    if (!handlinger_.back().utfoert) {
        ventende_opr_ = opr;
        ventende_operand_ = operand;
        ventende_videre_ = true;
        ventende_avvist_ = operand.size();
    }
}

Loggpost Arket::post_naa() const {
    Loggpost p;
    p.egen = egen_;
    p.nivaa = startnivaa_;
    p.steg = steg_tatt();
    p.korteste_kjent = korteste_.has_value();
    if (korteste_) p.korteste = *korteste_;
    p.tips = tips_brukt_;
    p.tips_nivaa = tips_nivaa_;
    p.ikke_naermere = ikke_naermere_;
    p.gjentatt = gjentatte_;
    p.forslag = forslag_brukt_;
    p.loest = oppgave_scoret_;
    p.loest_linje = loest_linje_;
    p.poeng = oppgave_poeng_;
    p.ark = std::make_shared<const Ark>(ark_);
    p.broeker = (startnivaa_ % 2) == 0;
    p.handlinger = handlinger_;
    p.tips_linjer = tips_linjer_;
    p.regnesteg = regnesteg_;
    p.ikke_naermere_linjer = ikke_naermere_linjer_;
    return p;
}

std::vector<Loggpost> Arket::oekt() {
    // Only the saved record waits for the coach: the window usually found the shortest way
    // while the exercise was on screen.
    for (Loggpost& p : logg_) {
        if (p.korteste_kjent || !p.ark) continue;
        const Veiledning v = veiled(*p.ark, 0, grense_);
        p.korteste = v.utfall == Utfall::vei ? std::optional<int>(v.lengde()) : std::nullopt;
        p.korteste_kjent = true;
    }
    std::vector<Loggpost> ut = logg_;
    if (har_oppgave_) {
        korteste();
        ut.push_back(post_naa());
    }
    return ut;
}

}  // namespace balvo
