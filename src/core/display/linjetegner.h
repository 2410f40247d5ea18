// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typesetting of one worksheet line as an equation, and the font and width helpers that the
// operand fields share.
#include <string_view>

#include "core/display/tegneflate.h"
#include "core/model/ark.h"

namespace balvo {

inline constexpr std::string_view skrifttype = "Times New Roman";

// The box family a font is set for, and the kind of element it is set for.
enum class Boksfamilie { likning, operasjon };
enum class Skriftart { broek, heltall, variabel, eksponent };

// Sets the font of a box for one kind of element: Times New Roman, 16 points for a fraction's
// numbers, 20 for a whole number and x (x italic), 14 for the exponent.
void settskrift(Boksfamilie sted, Tegneflate& boks, Skriftart art);

int stoerste(int a, int b);

// A text width as whole points for sizing a fraction: nearest, halves to the even neighbour,
// held inside the int range.
int heltbredde(double bredde);

// Clears the box and draws line `linje` into it; boks is the row index (0..4) that places the
// solved marker. Returns where the pen ended: the end of the drawn line.
double tegnlinje(const Ark& ark, int linje, int boks, Tegneflate& flate, Merke& merke);

}  // namespace balvo
