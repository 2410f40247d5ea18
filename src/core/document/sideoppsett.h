// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page layout of the worksheet document ("Lagre som", "Utskrift"): a header on the first
// page, then the lines one under the other with their operations beside them, broken into
// pages. Lengths in points.
#include <array>
#include <vector>

#include "core/tekst/katalog.h"

namespace balvo {

namespace sideoppsett {
inline constexpr double likningsbredde = 320;  // the equation column
inline constexpr double oprkant = 352;         // where the operation column starts
inline constexpr double bredde = 510;          // A4 less 15 mm margins
inline constexpr double radhoeyde = 36.75;     // a worksheet row, as on screen
inline constexpr double radsteg = 40;
inline constexpr double topphoeyde = 64;
inline constexpr double bunnhoeyde = 22;  // the page number

// The lesson's first page: a table of its exercises under the header, a row of sums last.
// The columns' widths (Nr., Oppgave, Nivå, Steg, Korteste, Tips 1/2/3, Ikke nærmere, Gjentatt,
// Forslag, Løst, Prøve, Poeng) fill the page's width; a text too long for its column runs onto
// more lines.
inline constexpr std::array<double, 12> oektbredder{22, 82, 28, 30, 44, 40, 48, 42, 40, 36, 62, 36};
inline constexpr double tabellskrift = 9;  // points
inline constexpr double cellekant = 3;     // between a cell's text and its rules
// With "Regn selv" used, four columns more (Skrevet, Riktig 1. gang, Forsøk, Vist) in a smaller
// font: each column as wide as the longest word of its heading in Bokmål, and in Nynorsk and
// English where the page allows ("Gjenteke", "Shown"); line 0 runs onto more lines. The font is
// a whole number of points, as the table's texts are measured on a surface of 72 dots to the
// inch.
inline constexpr std::array<double, 16> oektbredder_smal{15, 47, 25, 26, 37, 24, 39, 38,
                                                         33, 27, 42, 29, 33, 33, 31, 31};
inline constexpr double tabellskrift_smal = 8;
inline constexpr double cellekant_smal = 2;
}  // namespace sideoppsett

// Before the first exercise there is nothing to save or print.
inline constexpr Tekst ingen_oppgave_lagre =
    BALVO_TR("Dokument", "Det er ingen oppgave å lagre ennå.");
inline constexpr Tekst ingen_oppgave_skrive =
    BALVO_TR("Dokument", "Det er ingen oppgave å skrive ut ennå.");

// Lines fra..til (inclusive) on one page; the header only on the first.
struct Dokumentside {
    int fra = 0;
    int til = -1;
    bool topp = false;
};

// The pages of lines 0..sistelinje for a printable area `hoeyde` points tall.
std::vector<Dokumentside> sider(int sistelinje, double hoeyde);
// How tall a page's content is.
double sidehoeyde(const Dokumentside& side);

// Rows fra..til (inclusive) of a table on one page.
struct Radutvalg {
    int fra = 0;
    int til = -1;
};
// Table rows of the given heights broken into pages that hold `foerste` points of rows on the
// first page and `resten` on each further one. A row is never split; one taller than a page
// gets a page of its own. At least one page, even for no rows.
std::vector<Radutvalg> tabellsider(const std::vector<double>& hoeyder, double foerste,
                                   double resten);

}  // namespace balvo
