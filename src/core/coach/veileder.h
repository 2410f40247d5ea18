// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tactic coach: the shortest way from a worksheet line to a solved line that has exactly
// the real solutions of the exercise, using only the steps the keypad offers and the program's
// own engine. Breadth first, lines already seen skipped, with a proven lower bound on the steps
// still needed to leave out lines that cannot lie on a way of the length being tried.
// Deterministic and free of threads: the caller decides when it runs.
#include <cstdint>
#include <vector>

#include "core/coach/steg.h"
#include "core/coach/verdi.h"

namespace balvo {

struct Grense {
    int maks_steg = 8;
    // Lines the engine may compute for one question; past it the coach says it found no short
    // way instead of guessing. Sized so that a question stays within 50 ms.
    std::uint64_t maks_linjer = 60000;
    // Without the lower bound the search is plain breadth first: the tests compare the two.
    bool med_nedre_grense = true;
};

enum class Utfall {
    vei,             // a way (no steps when the line is solved already)
    ingen_loesning,  // the exercise has no real solution
    alle_tall,       // every number solves the exercise
    ikke_fram,       // this line has other solutions than the exercise, and no way back was found
    ingen_kort_vei,  // none within the steps and lines allowed
};

struct Veiledning {
    Utfall utfall = Utfall::ingen_kort_vei;
    std::vector<Steg> steg;        // the way
    std::vector<Tilstand> linjer;  // the line asked about, then the line after each step
    std::uint64_t regnet = 0;      // lines the engine computed
    int lengde() const { return static_cast<int>(steg.size()); }
};

// The exercise on line 0 as mathematics: its real solutions.
veileder::Loesningsmengde oppgavemengde(const Ark& ark);

// Builds the lower bound's table (some tens of milliseconds, once per run) now, so that the
// first question need not wait for it.
void forberedveileder();

// What the coach finds from line n of the worksheet (0 <= n <= 99), whose line 0 is the
// exercise. The worksheet is only read.
Veiledning veiled(const Ark& ark, int n, const Grense& grense = {});

}  // namespace balvo
