// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the coach says: a step in the operand field's words, the hint, the rows "Steg:" and
// "Prøve:" of the main window, and a way written out as a worksheet of its own, so that the
// program's own typesetter, operand fields and linear text can show it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/coach/veileder.h"

namespace balvo {

// "Trekk fra 3", "Del med -2", "Legg til 1/4", "Trekk fra (1/2)x", "Trekk kvadratrot": the
// name and the operand as the operand field draws them, a minus as "-", a fraction as p/q
// (in brackets before x, as the linear text writes it).
std::string stegtekst(const Steg& steg);

// Values as the pupil reads them: "x = 2", "x = 1 og x = −3", and a pair c ± k√w as one:
// "x = −1 ± √5".
std::string verdiliste(const std::vector<veileder::Verdi>& verdier);

// The hint box: "Neste steg: ..." and "Da er du N steg fra løsningen.", or one line saying
// why there is no next step.
std::string tipstekst(const Veiledning& veiledning);

// The heading of the window "Løsningsforslag": "Da er du N steg fra løsningen.", or why
// there is no way, as the hint says it.
std::string forslagstekst(const Veiledning& veiledning);

// The row "Steg:": the pupil's steps and the shortest from line 0, "4 (korteste: 3)"; the
// steps alone when the shortest is not known.
std::string stegrad(int brukt, std::optional<int> korteste);

// The row "Prøve:" for a solved line of an exercise: "stemmer" when its values are exactly
// the real solutions of the exercise, otherwise "stemmer ikke: " and what is wrong.
std::string proeverad(const Tilstand& oppgave, const Tilstand& loest_linje);

// The way as the lines 0..N of a worksheet of its own, each with the operation that leads to
// the next recorded, and its newest line N current.
std::unique_ptr<Ark> veiark(const Veiledning& veiledning);

}  // namespace balvo
