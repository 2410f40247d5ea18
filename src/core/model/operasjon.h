// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations of the keypad, one row each: the symbol of the diagnostic dumps, the name the
// operand fields and the linear text give it, whether it takes an operand, the key on the
// keyboard, the face of its key and the key's spoken name (its tooltip). The key map, the
// entry state machine's keys, the coach's candidate steps and the keys' faces follow this
// table; an operation added here is added to all of them.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/model/tasteflate.h"
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

// The operations the keypad offers: keys opr_0 .. opr_(antall_operasjoner - 1).
inline constexpr int antall_operasjoner = static_cast<int>(Operasjon::bytt);

struct Operasjonsrad {
    Operasjon operasjon;
    std::string_view symbol;  // "+", "-", "*", ":", "r", "k", "+/-", "bytt"
    Tekst navn;               // "Legg til", ... as the operand field names it
    bool med_operand;         // the field's pen moves past the name only for these
    char tast;                // the keyboard's: a character typed, or a letter's key
    Tasteflate flate;
    Tekst tips;  // the key's tooltip, which a screen reader speaks
};

// In the keypad's order: the operand operations first (the left column), then the others.
inline constexpr std::array<Operasjonsrad, antall_operasjoner> operasjonene{{
    {Operasjon::legg_til, "+", BALVO_TR("Operasjon", "Legg til"), true, '+', Tasteflate::pluss,
     BALVO_TR("Arket", "Legg til...")},
    {Operasjon::trekk_fra, "-", BALVO_TR("Operasjon", "Trekk fra"), true, '-', Tasteflate::minus,
     BALVO_TR("Arket", "Trekk fra...")},
    {Operasjon::gang, "*", BALVO_TR("Operasjon", "Gang med"), true, '*', Tasteflate::prikk,
     BALVO_TR("Arket", "Multipliser begge sider med..")},
    {Operasjon::del, ":", BALVO_TR("Operasjon", "Del med"), true, ':', Tasteflate::kolon,
     BALVO_TR("Arket", "Divider begge sider med...")},
    {Operasjon::rot, "r", BALVO_TR("Operasjon", "Trekk kvadratrot"), false, 'r', Tasteflate::rot,
     BALVO_TR("Arket", "Trekk kvadratrot av begge sider")},
    {Operasjon::kvadrer, "k", BALVO_TR("Operasjon", "Kvadrer"), false, 'k', Tasteflate::kvadrat,
     BALVO_TR("Arket", "Kvadrer begge sider")},
    {Operasjon::snu, "+/-", BALVO_TR("Operasjon", "Snu fortegn"), false, 'f',
     Tasteflate::plussminus, BALVO_TR("Arket", "Snu alle fortegn")},
    {Operasjon::bytt, "bytt", BALVO_TR("Operasjon", "Bytt side"), false, 'b', Tasteflate::bytt,
     BALVO_TR("Arket", "Bytt sider")},
}};

namespace detalj {
constexpr bool operasjoner_i_rekkefoelge() {
    for (int i = 0; i < antall_operasjoner; ++i)
        if (operasjonene[static_cast<std::size_t>(i)].operasjon != static_cast<Operasjon>(i + 1))
            return false;
    return true;
}
static_assert(operasjoner_i_rekkefoelge(), "one row per operation, in the enum's order");
inline constexpr Operasjonsrad ingen_rad{
    Operasjon::ingen, "", {nullptr, nullptr}, false, 0, Tasteflate::siffer, {nullptr, nullptr}};
}  // namespace detalj

// The operation's row; an empty one for ingen.
constexpr const Operasjonsrad& operasjonsrad(Operasjon op) {
    return op == Operasjon::ingen ? detalj::ingen_rad
                                  : operasjonene.at(static_cast<std::size_t>(op) - 1);
}

// The operation of key opr(indeks) in the keypad's order; ingen for any other index.
constexpr Operasjon oprtast(int indeks) {
    return indeks >= 0 && indeks < antall_operasjoner ? static_cast<Operasjon>(indeks + 1)
                                                      : Operasjon::ingen;
}
// The key's index of an operation; -1 for ingen.
constexpr int oprindeks(Operasjon op) {
    return static_cast<int>(op) - 1;
}

// "+", "-", "*", ":", "r", "k", "+/-" or "bytt"; empty for ingen.
constexpr std::string_view symbol(Operasjon op) {
    return operasjonsrad(op).symbol;
}

// "Legg til", "Trekk fra", "Gang med", "Del med", "Trekk kvadratrot", "Kvadrer",
// "Snu fortegn", "Bytt side" as catalogue texts; no text for ingen.
constexpr Tekst operasjonsnavn(Operasjon op) {
    return operasjonsrad(op).navn;
}

// The first four take an operand; the field's pen moves past the name only for them.
constexpr bool med_operand(Operasjon op) {
    return operasjonsrad(op).med_operand;
}

}  // namespace balvo
