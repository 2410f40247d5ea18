// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight operations of the keypad, as the worksheet records them and the engine computes
// them, with the two ways they are written: the symbol of the diagnostic dumps and the name
// the operand fields and the linear text give them.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/tekst/katalog.h"

namespace balvo {

enum class Operasjon : std::uint8_t {
    ingen,  // no operation chosen, or none recorded for the line
    legg_til,
    trekk_fra,
    gang,
    del,
    rot,
    kvadrer,
    snu,
    bytt,
};

namespace detalj {
struct Operasjonstekst {
    std::string_view symbol;
    Tekst navn;
};
inline constexpr std::array<Operasjonstekst, 9> operasjonstekster{{
    {"", {nullptr, nullptr}},
    {"+", BALVO_TR("Operasjon", "Legg til")},
    {"-", BALVO_TR("Operasjon", "Trekk fra")},
    {"*", BALVO_TR("Operasjon", "Gang med")},
    {":", BALVO_TR("Operasjon", "Del med")},
    {"r", BALVO_TR("Operasjon", "Trekk kvadratrot")},
    {"k", BALVO_TR("Operasjon", "Kvadrer")},
    {"+/-", BALVO_TR("Operasjon", "Snu fortegn")},
    {"bytt", BALVO_TR("Operasjon", "Bytt side")},
}};
}  // namespace detalj

// The operation of key opr(indeks), 0..7 in the keypad's order; ingen for any other index.
constexpr Operasjon oprtast(int indeks) {
    return indeks >= 0 && indeks < 8 ? static_cast<Operasjon>(indeks + 1) : Operasjon::ingen;
}

// "+", "-", "*", ":", "r", "k", "+/-" or "bytt"; empty for ingen.
constexpr std::string_view symbol(Operasjon op) {
    return detalj::operasjonstekster[static_cast<std::size_t>(op)].symbol;
}

// "Legg til", "Trekk fra", "Gang med", "Del med", "Trekk kvadratrot", "Kvadrer",
// "Snu fortegn", "Bytt side" as catalogue texts (shown through tr); no text for ingen.
constexpr Tekst operasjonsnavn(Operasjon op) {
    return detalj::operasjonstekster[static_cast<std::size_t>(op)].navn;
}

// The first four take an operand; the field's pen moves past the name only for them.
constexpr bool med_operand(Operasjon op) {
    return op == Operasjon::legg_til || op == Operasjon::trekk_fra || op == Operasjon::gang ||
           op == Operasjon::del;
}

}  // namespace balvo
