// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading one coefficient box of the own-equation dialog: a whole number or a fraction of two
// whole numbers, or a refusal that tells the pupil which box is wrong and why.
#include <string>
#include <string_view>

#include "core/model/heltall.h"

namespace balvo {

struct Koeffisient {
    Celle teller = 0;
    Celle nevner = 1;  // positive: a sign typed in the denominator has moved to the numerator
};

struct Koeffisienttolkning {
    bool ok = false;
    Koeffisient verdi{};
    std::string melding;  // the refusal in the pupil's language, empty when ok
};

// The box k (0..5) in the pupil's words and language: "x² på venstre side",
// "konstantleddet på høyre side"...
std::string boksnavn(int boks);

// Surrounding spaces are ignored and an empty box counts as 0. Accepted: an optional sign and
// digits, or two such numbers around one "/", each inside the 32-bit signed range; the
// denominator not zero.
Koeffisienttolkning leskoeffisient(std::string_view tekst, int boks);

}  // namespace balvo
