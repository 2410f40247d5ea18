// SPDX-License-Identifier: GPL-3.0-or-later
// "Angre": the newest step taken back.
#include "core/mainwindow/arket.h"

namespace balvo {

Arket::Post Arket::post(int n) const {
    return {ark_.linjeopr[n], ark_.linjeteller[n], ark_.linjenevner[n], ark_.linjepotens[n]};
}

void Arket::settpost(int n, const Post& p) {
    ark_.linjeopr[n] = p.opr;
    ark_.linjeteller[n] = p.teller;
    ark_.linjenevner[n] = p.nevner;
    ark_.linjepotens[n] = p.potens;
}

bool Arket::bygger_operand() const {
    return siste_modus_ == Modus::opr0_3 || siste_modus_ == Modus::opr4_7 ||
           siste_modus_ == Modus::siffer || siste_modus_ == Modus::x_eller_x2;
}

bool Arket::kan_angre() const {
    return har_oppgave_ && (bygger_operand() || ark_.sistelinje > 0 || ventende_);
}

void Arket::linje_naadd() {
    if (ark_.sistelinje == 0) {
        start_ = visning_.tilstand();
        angre_.clear();
    } else {
        angre_.back().naadd = visning_.tilstand();
    }
}

void Arket::angre() {
    if (!kan_angre()) return;
    // Only an operand being typed goes with the action: a refused step's is not retyped.
    if (!bygger_operand()) {
        ventende_opr_.clear();
        ventende_videre_ = false;
    }
    noter(Handlingsart::angre);
    // A line waiting to be written: the step is taken back before it was written, the
    // operation and operand stay as typed, as after a refused step: "Utfør" may be pressed
    // on them again, and the lesson file says that the next action goes on from them.
    if (ventende_) {
        slippventende();
        for (auto h = handlinger_.rbegin(); h != handlinger_.rend(); ++h) {
            if (h->art != Handlingsart::utfoer) continue;
            ventende_opr_ = h->operasjon;
            ventende_operand_ = h->operand;
            ventende_videre_ = !ventende_opr_.empty();
            ventende_avvist_ = ventende_operand_.size();
            break;
        }
        if (siste_modus_) setttaster(*siste_modus_);
        return;
    }
    if (bygger_operand()) {
        angrer_ = true;
        strykut_Click();
        angrer_ = false;
        return;
    }
    const int N = ark_.sistelinje;
    const Angrepunkt a = angre_.back();
    angre_.pop_back();
    ++angret_;
    a.linje.til(ark_, N);
    settpost(N, a.neste);
    settpost(N - 1, a.foer);
    ark_.sistelinje = ark_.linjenr = N - 1;
    ark_.rad = std::min(N - 1, 4);
    // The undone step's operand goes with it.
    ark_.regneart = Operasjon::ingen;
    ark_.tellertekst.clear();
    ark_.nevnertekst.clear();
    ark_.minus = ark_.nevnermodus = ark_.medx = ark_.medx2 = false;
    visning_.sett(ark_, angre_.empty() ? start_ : angre_.back().naadd);
    // The row "Avstand:" spoke of the line taken back.
    ikke_naermere_paa_rad_ = 0;
    if (stegvurdering_) {
        stegvurdering_.reset();
        visavstand();
    }
    // The keys as after the line was reached; an exercise still scores only once.
    setttaster(Modus::utfoert);
}

}  // namespace balvo
