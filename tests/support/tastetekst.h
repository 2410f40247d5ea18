// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The usable keys in a compact notation, so that a row of a key table reads at a glance.
#include <array>
#include <string>
#include <utility>

#include "core/entry/taster.h"

namespace balvo::test {

// The usable keys as a short text: "sif" for all ten digits, then + - * : r k ± b for the
// operation keys, U (Utfør), pm, / (fraction bar), x, x², ↑ ↓ (scroll), C (Stryk ut).
inline std::string tastetekst(const Tastesett& t) {
    std::string s;
    auto legg = [&s](const char* navn) {
        if (!s.empty()) s += ' ';
        s += navn;
    };
    int sifre = 0;
    for (int i = 0; i < 10; ++i) sifre += t.test(siffer0 + i) ? 1 : 0;
    if (sifre == 10)
        legg("sif");
    else if (sifre > 0)
        legg("sif?");  // some digits only: never right
    static constexpr std::array<const char*, antall_operasjoner> opr = {"+", "-", "*", ":",
                                                                        "r", "k", "±", "b"};
    for (int i = 0; i < antall_operasjoner; ++i)
        if (t.test(opr0 + i)) legg(opr[static_cast<std::size_t>(i)]);
    const std::array<std::pair<int, const char*>, 8> resten = {{{Utfoer, "U"},
                                                                {pm, "pm"},
                                                                {broekstrek, "/"},
                                                                {variabel0, "x"},
                                                                {variabel1, "x²"},
                                                                {scrollopp, "↑"},
                                                                {scrollned, "↓"},
                                                                {strykut, "C"}}};
    for (const auto& [tast, navn] : resten)
        if (t.test(static_cast<std::size_t>(tast))) legg(navn);
    return s;
}

}  // namespace balvo::test
