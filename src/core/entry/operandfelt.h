#pragma once
// The operand fields beside the worksheet rows: the operand being typed, and the operation
// recorded for a line, in words with the operand as a small formula.
#include "core/display/tegneflate.h"
#include "core/model/ark.h"

namespace balvo {

// Draws the operand being built into a field (the caller passes opfelt(ark.rad)). Returns
// where the pen ended.
double visoperand(const Ark& ark, Tegneflate& felt);

// Draws the operation recorded for line n into field k (0..4): field 0 stays empty once the
// sheet has scrolled (n > 4). The newest line's field is the caller's: it waits there for the
// next operand. Returns where the pen ended.
double vislinjeopr(const Ark& ark, int n, int k, Tegneflate& felt);

}  // namespace balvo
