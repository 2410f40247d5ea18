#pragma once
// Typesetting of one worksheet line as an equation, and the font and width helpers that the
// operand fields share.
#include <string>
#include <string_view>

#include "core/display/tegneflate.h"
#include "core/model/ark.h"

namespace balvo {

inline constexpr std::string_view skrifttype = "Times New Roman";

// Box families and element kinds that settskrift knows.
namespace skrift {
inline constexpr std::string_view likning = "likning";
inline constexpr std::string_view operasjon = "operasjon";
inline constexpr std::string_view broek = "broek";
inline constexpr std::string_view heltall = "heltall";
inline constexpr std::string_view variabel = "variabel";
inline constexpr std::string_view eksponent = "eksponent";
}  // namespace skrift

// Sets the font of a box for one kind of element: "broek", "heltall", "variabel", "eksponent".
// sted "likning" or "operasjon" also sets the font name.
void settskrift(std::string_view sted, Tegneflate& boks, std::string_view art);

int stoerste(int a, int b);

// Clears the box and draws line `linje` into it; boks is the row index (0..4) that places the
// solved marker. Leaves ark.xpos at the end of the drawn line.
void tegnlinje(Ark& ark, int linje, int boks, Tegneflate& flate, Merke& merke);

// Helpers shared with the operand fields (and with anything else that spells out a line).

// Decimal text of |v|; exact for every value, the most negative one included.
std::string beloeptekst(Celle v);

// A text width as whole points for sizing a fraction: nearest, halves to the even neighbour,
// held inside the int range.
int heltbredde(double bredde);

// Whether the radicand of one side is drawn: not when it is 0 or exactly the constant 1.
bool radikand_finnes(const Ark& ark, int linje, bool hoeyre);

}  // namespace balvo
