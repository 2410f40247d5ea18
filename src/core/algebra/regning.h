// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of the worksheet: the next line from the current one and its operation,
// lowest terms, term masks, the perfect-square test and the diagnostic trace.
#include <array>
#include <string>
#include <string_view>

#include "core/model/ark.h"

namespace balvo {

inline constexpr std::string_view kvadratisk = "kvadratisk";
inline constexpr std::string_view ikkekvadratisk = "ikkekvadratisk";

enum class Regnestatus {
    ok,
    ikke_eksakt,  // a number of line n+1 would leave the exact range; line n+1 is untouched
};

// What the pupil is to be told after a written line: multiplying by x brings the solution
// x = 0 along, dividing by x loses it.
enum class Etteretning { ingen, gange_med_x, dele_med_x };

struct Regneresultat {
    Regnestatus status = Regnestatus::ok;
    Etteretning etteretning = Etteretning::ingen;  // only with status ok
};

// Writes line n+1 from line n and its recorded operation (0 <= n <= 98). ikke_eksakt, with
// nothing written, also for an operand that is no number (denominator 0, divisor 0, power
// outside 0..2) and for n outside 0..98.
Regneresultat regnut(Ark& ark, int n);

// Brings polynomial columns 1..6 and root coefficients 0 and 7 of line n to lowest terms.
void forkort(Ark& ark, int n);

// Term masks of the polynomial parts: 4 x², 2 x, 1 constant.
int venstreledd(const Ark& ark, int n);
int hoeyreledd(const Ark& ark, int n);

// Whether one side of line n is a perfect square.
std::string_view kvadratsjekk(const Ark& ark, int n, Side side);

// The two text lines "VS: ..." and "HS:  ..." of line n.
std::array<std::string, 2> linjedump(const Ark& ark, int n);

// "VS=..HS=.. <verdict>, <verdict> vrot= ..  hrot =.." for line n.
std::string diagnoselinje(const Ark& ark, int n);

}  // namespace balvo
