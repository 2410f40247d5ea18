// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operand fields beside the worksheet rows: the operand being typed, and the operation
// recorded for a line, in words with the operand as a small formula.
#include <string>

#include "core/display/tegneflate.h"
#include "core/model/ark.h"

namespace balvo {

inline const Inntasting& inntasting(const Ark& ark) {
    return ark;
}

// The operand being typed as linear text, as its field shows it: "Trekk fra", "Trekk fra 3/4",
// "Gang med −2x", "Kvadrer"; every digit as typed, a fraction bar with nothing under it yet as
// "3/", a fraction in front of x bracketed. Empty while no operation is chosen.
std::string operandtekst(const Inntasting& operand);

// Draws the operand being built into a field (the caller passes opfelt(ark.rad)). Returns
// where the pen ended.
double visoperand(const Inntasting& operand, Tegneflate& felt);
inline double visoperand(const Ark& ark, Tegneflate& felt) {
    return visoperand(inntasting(ark), felt);
}

// Draws the operation recorded for line n into field k (0..4): field 0 stays empty once the
// sheet has scrolled (n > 4). The newest line's field is the caller's: it waits there for the
// next operand. Returns where the pen ended.
double vislinjeopr(const Ark& ark, int n, int k, Tegneflate& felt);

}  // namespace balvo
