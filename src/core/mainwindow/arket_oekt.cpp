// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson record: what each exercise of this run was and how it went.
#include "core/mainwindow/arket.h"

namespace balvo {

void Arket::ny_post(bool egen) {
    egen_ = egen;
    startnivaa_ = nivaa_;
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
