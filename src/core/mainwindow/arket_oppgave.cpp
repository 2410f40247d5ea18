// SPDX-License-Identifier: GPL-3.0-or-later
// "Ny oppgave": a random equation of the chosen type on line 0.
#include <algorithm>
#include <cmath>

#include "core/algebra/regning.h"
#include "core/display/linjetegner.h"
#include "core/mainwindow/arket.h"

namespace balvo {
namespace {

// floor(12r − 4): −4..7, each equally likely. Clamped so that a source straying outside
// [0, 1) cannot put anything else on the sheet.
Celle trekkteller(Tilfeldig& t) {
    const double v = std::floor(12.0 * t.neste() - 4.0);
    return static_cast<Celle>(std::clamp(v, -4.0, 7.0));
}

// floor(7r) with 1 in place of 0: 1..6, the 1 twice as likely.
Celle trekknevner(Tilfeldig& t) {
    const double v = std::clamp(std::floor(7.0 * t.neste()), 0.0, 6.0);
    return v == 0.0 ? 1 : static_cast<Celle>(v);
}

// The fix-ups compare numerators only, whatever the denominators are.
void juster(std::array<Celle, antall_kolonner>& t, Likningstype type) {
    switch (type) {
        case Likningstype::kun_x:
            t[1] = 0;
            t[4] = 0;
            if (t[5] == t[2]) t[2] += 3;
            break;
        case Likningstype::kun_x2:
            t[2] = 0;
            t[5] = 0;
            if (t[1] == 0 || t[4] == t[1]) t[1] += 3;
            break;
        case Likningstype::begge:
            // The x² numerators stay as drawn; the x term keeps the equation from collapsing.
            if (t[1] == 0 || t[4] == t[1]) t[2] -= 1;
            if (t[2] == 0 || t[5] == t[2]) t[2] += 3;
            break;
    }
}

}  // namespace

void Arket::nyoppgave_Click() {
    ryddopp();
    tilfeldig_.seed_fra_klokka();
    for (int j = 1; j <= 6; ++j) {
        ark_.teller[0][j] = trekkteller(tilfeldig_);
        ark_.nevner[0][j] = trekknevner(tilfeldig_);
    }
    if (!broeker_)
        for (int j = 1; j <= 6; ++j) ark_.nevner[0][j] = 1;
    juster(ark_.teller[0], likningstype_);

    forkort(ark_, 0);
    visning_.rad(ark_, 0, 0);
    const auto dump = linjedump(ark_, 0);
    skall_.diagnostikk(Diagnoseboks::dump, {dump[0], dump[1]});
    har_oppgave_ = true;
    ny_post(false);
    settmodus(Modus::ny_oppgave);
    linje_naadd();
}

}  // namespace balvo
