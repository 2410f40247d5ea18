// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet line spelled out as linear text, with the same signs and coefficients as the
// typesetter draws: for screen readers, the clipboard and anything that cannot show strokes.
#include <string>

#include "core/model/ark.h"

namespace balvo {

// The equation of line n, e.g. "2x² − x + 3 = 0", "x = ±√2". Minus is U+2212.
std::string likningstekst(const Ark& ark, int n);

// The operation recorded for line n, e.g. "Legg til 3/4", "Gang med −2x", "Kvadrer", in the
// pupil's language; empty when the line has none (the newest line).
std::string operasjonstekst(const Ark& ark, int n);

// The line shown in worksheet row `rad` (0..4), or -1 when the row is empty.
int radlinje(const Ark& ark, int rad, bool har_oppgave);

// The whole worksheet, one line per worksheet line with its operation four spaces after it.
std::string arktekst(const Ark& ark);

}  // namespace balvo
