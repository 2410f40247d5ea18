// SPDX-License-Identifier: GPL-3.0-or-later
// The own equation typed in the dialog, and the value of a side for the graph.
#include <array>

#include "core/display/linjetegner.h"
#include "core/entry/taster.h"
#include "core/graph/graf.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/koeffisient.h"

namespace balvo {

Egnesvar Arket::egne(const std::array<std::string, 6>& koeff) {
    // Every box is read before anything changes, so that a refused text keeps the pupil's
    // worksheet, score and counters as they were.
    std::array<Koeffisient, 6> verdier{};
    for (int k = 0; k < 6; ++k) {
        auto tolkning = leskoeffisient(koeff[static_cast<std::size_t>(k)], k);
        if (!tolkning.ok) return {false, k, std::move(tolkning.melding)};
        verdier[static_cast<std::size_t>(k)] = tolkning.verdi;
    }

    ryddopp();
    // Line 0 exactly as typed: 2/4 stays 2/4 until the first operation reduces the next line.
    for (int j = 1; j <= 6; ++j) {
        ark_.teller[0][j] = verdier[static_cast<std::size_t>(j - 1)].teller;
        ark_.nevner[0][j] = verdier[static_cast<std::size_t>(j - 1)].nevner;
    }
    skall_.tilforgrunnen();
    visning_.rad(ark_, 0, 0);
    har_oppgave_ = true;
    ny_post(true);
    settmodus(Modus::ny_oppgave);
    linje_naadd();
    return {};
}

double Arket::f(double x, Side side) const {
    return sideverdi(grafoppgave(ark_), x, side);
}

}  // namespace balvo
