// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint in three levels, so that the pupil can stop as soon as the idea comes: first the aim
// of the next step of the shortest way, in words with no number and no operation in it; then
// the kind of step without its operand; last the exact step and the distance.
#include <string>

#include "core/coach/veileder.h"
#include "core/tekst/katalog.h"

namespace balvo {

// What a step of the coach does to a line, as a pupil would aim at it.
enum class Maal {
    samle_x,       // an x or x² term taken away from one side
    x_alene,       // the constant beside the x term gone
    x2_alene,      // the constant beside a lone x² term gone: the root may come next
    kvadrat,       // one side made a perfect square
    en_foran_x,    // the coefficient of x made 1
    en_foran_x2,   // the coefficient of x² made 1
    en_foran_rot,  // the coefficient of the root made 1
    broeker,       // every fraction gone
    positiv,       // a negative coefficient in front of x made positive
    venstre,       // the x terms brought to the left side
    uten_kvadrat,  // x² gone
    uten_rot,      // the root sign gone
    naermere,      // any other step of the shortest way: one step closer
};

// The aim of `steg`, taken from line `foer` to line `etter`.
Maal stegmaal(const Tilstand& foer, const Steg& steg, const Tilstand& etter);
Tekst maaltekst(Maal maal);

// The kind of step without its operand: "Trekk fra et ledd med x.", "Del med tallet foran x.",
// or an operation without operand by its name: "Snu fortegn.".
std::string arttekst(const Tilstand& foer, const Steg& steg, const Tilstand& etter);

// The hint at level 1, 2 or 3 (3 and above: the exact step and the distance). A line with no
// way gets the same text at every level.
std::string tipstekst(const Veiledning& veiledning, int nivaa);

}  // namespace balvo
