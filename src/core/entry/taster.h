#pragma once
// The keys the entry state machine switches, and the pure rule that decides which of them
// a mode leaves usable on the current line.
#include <bitset>
#include <string_view>

#include "core/model/ark.h"

namespace balvo {

enum Tast : int {
    siffer0 = 0,  // siffer0 + i for digit i
    opr0 = 10,  // opr0 + i for operation key i (0 "+", 1 "-", 2 "*", 3 ":", 4 "r", 5 "k", 6 "+/-",
                // 7 "bytt")
    Utfoer = 18,
    pm,
    broekstrek,
    variabel0,
    variabel1,
    scrollopp,
    scrollned,
    strykut,
    Check1,
    Option1,
    Option2,
    Option3,
    antall_taster
};

using Tastesett = std::bitset<antall_taster>;

namespace modus {
inline constexpr std::string_view ingen_oppgave = "ingen oppgave";
inline constexpr std::string_view ny_oppgave = "ny oppgave";
inline constexpr std::string_view ryddopp = "ryddopp";
inline constexpr std::string_view opr0_3 = "opr0-3+...";
inline constexpr std::string_view opr4_7 = "opr4-7";
inline constexpr std::string_view siffer = "siffer";
inline constexpr std::string_view x_eller_x2 = "x eller x2";
inline constexpr std::string_view stryk_ut = "stryk ut";
inline constexpr std::string_view utfoert = "utført";
inline constexpr std::string_view scrollopp = "scrollopp";
inline constexpr std::string_view scrollned = "scrollned";
}  // namespace modus

// The keys usable after `modus` on the current line ark.linjenr: the common steps, the
// line-shape rules, the mode's row with its x rules, and the scrolled-back rule. `strykut`
// is always in the set; the caller decides the few program-level exceptions.
Tastesett brukbare_taster(std::string_view modus, const Ark& ark);

}  // namespace balvo
