// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lower bound on the number of steps from a line to a solved line with the exercise's
// solutions, so that the search can leave out lines that cannot lie on a way of the length it
// is trying.
//
// The bound is the exact distance in a coarse picture of the line: which of the six terms are
// there, which columns are equal on both sides, whether an x or x² coefficient is 1, what kind
// of root each side has, and what is known of its solutions against the exercise's. Every step
// the coach takes moves the coarse picture along one of the moves counted there (which are
// more than the real ones), so the distance there is never more than the real one.
#include <cstdint>
#include <vector>

#include "core/coach/tilstand.h"

namespace balvo {

// No way at all in the coarse picture.
inline constexpr int ingen_vei = 255;

// What is known of a line's real solutions against the exercise's.
enum class Mengdesvar : std::uint8_t { samme, annen, ukjent };

int nedre_grense(const Tilstand& linje, Mengdesvar mengde);

namespace veileder {

// The coarse picture of a line.
struct Grov {
    int venstre = 0, hoeyre = 0;        // term masks: 4 x², 2 x, 1 constant
    int like = 7;                       // the columns equal on both sides, same bits
    bool en_v = false, en_h = false;    // the x coefficient is exactly 1
    bool en2_v = false, en2_h = false;  // the x² coefficient is exactly 1
    int rot_v = 0, rot_h = 0;           // 0 no root, 1 a constant under it, 2 x under it
    Mengdesvar mengde = Mengdesvar::samme;
    // Only while both sides have x under a root (what squaring gives back): the radicand
    // columns equal on both sides, and whether the root coefficients have equal squares.
    int radlike = 0;
    bool koefflik = false;

    bool begge_x_rot() const { return rot_v == 2 && rot_h == 2; }
    int indeks() const;
    bool gyldig() const;
    bool maal() const;
};

inline constexpr int antall_grove = (1 << 15) * 24;
Grov fra_indeks(int indeks);

Grov grovbilde(const Tilstand& linje, Mengdesvar mengde);
// The distance in the coarse picture to a solved line.
int grov_avstand(const Grov& g);

// The table of those distances, indexed by Grov::indeks (ingen_vei where there is none). It is
// built on first use; a build may instead compute it beforehand and name, before the first
// question, where the table is to be fetched from on first use (the web edition does, so that
// the page never builds it, and starts without unpacking it). A table of the wrong size is
// ignored and the table built; a source named after the table is in use is ignored.
std::vector<std::uint8_t> bygg_grovtabell();
using Grovkilde = std::vector<std::uint8_t> (*)();
void bruk_grovtabell(Grovkilde kilde);

}  // namespace veileder
}  // namespace balvo
