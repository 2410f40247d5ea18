// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the page shows before the program runs (index.html, marked data-tekst): the
// browser cannot run it, or it could not be started. lagside.py writes their translations
// into the page at build time and oppstart.js shows them in the browser's language.
#include "core/tekst/katalog.h"

namespace balvo::nett {

inline constexpr Tekst sidetekster[] = {
    BALVO_TR("Side", "Denne nettleseren kan ikke kjøre Balvo: den mangler WebAssembly."),
    BALVO_TR("Side", "Bruk en nyere utgave av Chrome, Edge, Firefox eller Safari."),
    BALVO_TR("Side", "Balvo kunne ikke startes. Last inn siden på nytt."),
};

}  // namespace balvo::nett
