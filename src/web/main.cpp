// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's entry points, called from the page (oppstart.js). Handlers that may show
// a message box are called through ccall with async, since the core waits for the answer.
#include <emscripten.h>

#include "core/coach/grovbilde.h"
#include "web/grovtabell.h"
#include "web/nettvindu.h"

namespace {

balvo::nett::NettVindu* vindu = nullptr;

}  // namespace

extern "C" {

// Builds the page and starts the program; called once the web fonts have loaded, so that the
// first measurement of a text is already right.
EMSCRIPTEN_KEEPALIVE void balvo_start() {
    if (vindu) return;
    // The coach's table as the build computed it: the page never builds it itself, and unpacks
    // it only after the first line is drawn (or at the coach's first question, if sooner).
    balvo::veileder::bruk_grovtabell([] {
        return balvo::nett::pakk_ut_grovtabell(
            {balvo::nett::grovtabell_par, balvo::nett::grovtabell_antall});
    });
    vindu = new balvo::nett::NettVindu;
    vindu->start();
}

EMSCRIPTEN_KEEPALIVE void balvo_klikk(const char* handling, const char* navn, int paa) {
    if (!vindu) return;
    vindu->klikk(handling, navn, paa != 0);
    vindu->endret();
}

// For the tests' scripted session only: the exercises drawn from this seed from now on.
EMSCRIPTEN_KEEPALIVE void balvo_froe(unsigned froe) {
    if (vindu) vindu->settfroe(froe);
}

EMSCRIPTEN_KEEPALIVE int balvo_tast(const char* tast, int endring) {
    return vindu ? vindu->tastekode(tast, static_cast<unsigned>(endring)) : -1;
}

EMSCRIPTEN_KEEPALIVE void balvo_tasthandling(int kode) {
    if (!vindu) return;
    vindu->tasthandling(kode);
    vindu->endret();
}

EMSCRIPTEN_KEEPALIVE void balvo_tilpass() {
    if (vindu) vindu->tilpass();
}

EMSCRIPTEN_KEEPALIVE void balvo_utskrift() {
    if (vindu) vindu->forberedutskrift();
}

EMSCRIPTEN_KEEPALIVE int balvo_etterarbeid_venter() {
    return vindu && vindu->etterarbeid_venter() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void balvo_etterarbeid() {
    if (vindu) vindu->etterarbeid();
}

}  // extern "C"

int main() {
    return 0;
}
