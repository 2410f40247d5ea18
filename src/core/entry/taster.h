// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys the entry state machine switches, and the pure rule that decides which of them
// a mode leaves usable on the current line.
#include <bitset>
#include <string_view>

#include "core/model/ark.h"

namespace balvo {

enum Tast : int {
    siffer0 = 0,          // siffer0 + i for digit i
    opr0 = siffer0 + 10,  // opr0 + i for operation key i, the row i of operasjonene
    Utfoer = opr0 + antall_operasjoner,
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

// The entry modes: what the pupil has just done, which decides the keys usable next.
enum class Modus {
    ingen_oppgave,  // start-up: no exercise yet
    ny_oppgave,     // a new exercise or own equation on line 0
    ryddopp,        // the sheet emptied
    opr0_3,         // an operation that takes an operand was chosen
    opr4_7,         // an operation without an operand was chosen
    siffer,         // a digit typed
    x_eller_x2,     // x or x² typed
    stryk_ut,       // the operand crossed out
    utfoert,        // an operation performed or refused
    scrollopp,      // scrolled up; only the common steps
    scrollned,      // scrolled down; only the common steps
};

// The mode's name as the program's designers wrote it ("opr0-3+...", "utført"), for
// diagnostics and test output.
std::string_view modustekst(Modus modus);

// The keys usable after `modus` on the current line ark.linjenr: the common steps, the
// line-shape rules, the mode's row with its x rules, and the scrolled-back rule. `strykut`
// is always in the set; the caller decides the few program-level exceptions.
Tastesett brukbare_taster(Modus modus, const Ark& ark);

}  // namespace balvo
