// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exercises as the program's own generator makes them at a level, drawn from a seed, for the
// benchmarks and the tests that need many of them.
#include <cstdint>
#include <vector>

#include "core/coach/tilstand.h"

namespace balvo::test {

// Line 0 of `antall` exercises of level 1..6 (the equation type and "Brøker" that give it),
// as "Ny oppgave" draws them after the seed.
std::vector<Tilstand> genererte_oppgaver(int nivaa, int antall, std::uint64_t froe);

}  // namespace balvo::test
