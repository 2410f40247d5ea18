// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Operations and entry modes written in the tests as the program's designers named them:
// "+", "-", "*", ":", "r", "k", "+/-", "bytt" (any other text is no operation), and the mode
// texts "ny oppgave", "opr0-3+...", "utført" ...
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/entry/taster.h"
#include "core/model/operasjon.h"

namespace balvo::test {

inline Operasjon fra_symbol(std::string_view s) {
    for (const Operasjonsrad& o : operasjonene)
        if (o.symbol == s) return o.operasjon;
    return Operasjon::ingen;
}

inline Modus modus(std::string_view tekst) {
    for (int m = 0; m <= static_cast<int>(Modus::scrollned); ++m)
        if (modustekst(static_cast<Modus>(m)) == tekst) return static_cast<Modus>(m);
    throw std::invalid_argument("no mode " + std::string(tekst));
}

}  // namespace balvo::test
