#pragma once
// Typesetting of one worksheet line as an equation, and the font and width helpers that the
// operand fields share.
#include <string_view>

#include "display/tegneflate.h"
#include "model/ark.h"

namespace balvo {

inline constexpr std::string_view skrifttype = "Times New Roman";

// Sets the font of a box for one kind of element: "broek", "heltall", "variabel", "eksponent".
// sted "likning" or "operasjon" also sets the font name.
void settskrift(std::string_view sted, Tegneflate& boks, std::string_view art);

int stoerste(int a, int b);

// Clears the box and draws line `linje` into it; boks is the row index (0..4) that places the
// solved marker. Leaves ark.xpos at the end of the drawn line.
void tegnlinje(Ark& ark, int linje, int boks, Tegneflate& flate, Merke& merke);

}  // namespace balvo
