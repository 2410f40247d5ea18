#pragma once
// The operand fields beside the worksheet rows: the operand being typed, and the operation
// recorded for a line, in words with the operand as a small formula.
#include <array>
#include <string_view>

#include "core/display/tegneflate.h"
#include "core/model/ark.h"

namespace balvo {

// The operation's name as the fields write it ("Legg til"), empty for an unknown symbol; and
// whether an operand follows it.
std::string_view operasjonsnavn(std::string_view symbol);
bool med_operand(std::string_view symbol);

// Draws the operand being built into the field of the current row (the caller passes
// opfelt(ark.rad)).
void visoperand(Ark& ark, Tegneflate& felt);

// Draws the operation recorded for line n into field k; clears field 4 when n is the newest line.
void vislinjeopr(Ark& ark, int n, int k, const std::array<Tegneflate*, 5>& opfelt);

}  // namespace balvo
