// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet line split into its signed terms by the typesetting rules, and an operation
// record split into the pieces of its operand. Which sign stands before a term, whether its
// coefficient is written and as a fraction or a whole number, its power of x, the root part:
// decided here once. The typesetter draws from it and the linear text writes from it, so that
// what a screen reader says or the clipboard holds is what is drawn.
#include <optional>
#include <string>
#include <vector>

#include "core/model/ark.h"

namespace balvo {

// The sign in front of a term: a plus only where something stands before it in its group
// (a side, or a radicand), the ± always before the right side's root coefficient.
enum class Fortegn { ingen, pluss, minus, plussminus };

// Where a term stands in its group.
enum class Plass { x2, x, konstant };

struct Ledd {
    Fortegn fortegn = Fortegn::ingen;
    std::string teller;  // the coefficient's magnitude; empty when not written (1 before x)
    std::string nevner;  // the denominator of a fraction; empty for a whole number
    Plass plass = Plass::konstant;
};

struct Rotdel {
    Ledd koeffisient;            // always Plass::konstant
    std::vector<Ledd> radikand;  // empty when no radical is drawn (radicand 0 or exactly 1)
};

struct Sideledd {
    std::vector<Ledd> ledd;                            // x², x, constant, those not 0
    std::optional<Rotdel> rot;                         // when the root coefficient is not 0
    bool tom() const { return ledd.empty() && !rot; }  // the side is written "0"
};

// One side of line `linje` (0..99).
Sideledd delside(const Ark& ark, int linje, Side side);

// Whether the radicand of one side is drawn: not when it is 0 or exactly the constant 1.
bool radikand_finnes(const Ark& ark, int linje, Side side);

// Decimal text of |v|; exact for every value, the most negative one included.
std::string beloeptekst(Celle v);

// The operand of a recorded operation as its field writes it: the dash of a negative operand,
// the magnitude (left out for 1 in front of x, −1 keeps its digit), a fraction when the
// denominator is not 1, x and the exponent.
struct Operanddel {
    Operasjon operasjon = Operasjon::ingen;
    bool minus = false;
    std::string teller;  // empty when not written
    std::string nevner;  // empty for a whole number
    int potens = 0;      // 0 none, 1 x, 2 x²
};

// The operation recorded for line n; operasjon ingen when there is none.
Operanddel deloperand(const Ark& ark, int n);

}  // namespace balvo
