// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A quiet word after each step: from the coach's exact answers for the line before and the new
// line, how far the pupil still is, whether the step brought the pupil closer, which solutions
// it lost or added, and whether the line was on the worksheet already.
#include <optional>
#include <string>
#include <vector>

#include "core/coach/veileder.h"
#include "core/coach/verdi.h"

namespace balvo {

// What one step did to the solutions, compared exactly with the line before.
struct Loesningsendring {
    std::vector<veileder::Verdi> mistet;  // solutions of the line before that are gone
    std::vector<veileder::Verdi> ekstra;  // solutions the new line has that the line before had not
    bool alle_tall = false;               // the new line is solved by every number, the old not
};
Loesningsendring loesningsendring(const Tilstand& foer, const Tilstand& etter);

struct Stegvurdering {
    Veiledning foer, etter;  // the coach's answers for the line before and the new line
    Loesningsendring endring;
    int gjentatt = -1;  // an earlier line of the worksheet that reads the same, or -1
    // The step brought the pupil no closer: from a line with a way, the new line has no way,
    // or one no shorter.
    bool ikke_naermere() const;
    // The new line is solved, with the exercise's solutions.
    bool loest() const;
};

// The parts of the row "Avstand:", in order: what the step did to the solutions, a repeated
// line, the distance or why there is no way; the offer of a hint last when `tilby_tips`.
// Nothing for a solved line.
std::vector<std::string> avstandsdeler(const Stegvurdering& vurdering, bool tilby_tips);

// The parts as the row shows them: "2 steg igjen", parts joined as sentences ("Ikke nærmere:
// 3 steg igjen (før: 3). Trenger du et tips? Trykk Ctrl+T.").
std::string radtekst(const std::vector<std::string>& deler);
// The same as a screen reader hears it, ending with a full stop: "2 steg igjen.".
std::string setning(const std::vector<std::string>& deler);

}  // namespace balvo
