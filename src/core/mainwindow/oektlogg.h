// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lesson record: every exercise started in this run, generated or typed, with what the
// teacher wants to see of it afterwards. Kept in memory for this run only; nothing is written
// anywhere unless the pupil saves or prints it.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/coach/tilstand.h"
#include "core/model/ark.h"
#include "core/tekst/katalog.h"

namespace balvo {

// One thing the pupil did in an exercise, as the lesson file keeps it.
enum class Handlingsart {
    utfoer,    // an operation key, the operand's keys as typed, then "Utfør"
    stryk_ut,  // "Stryk ut", after the operation and operand being typed, if any
    angre,     // "Angre", likewise
    tips,      // "Tips", at the hint level asked
    forslag,   // "Løsningsforslag" opened
    nivaa,     // another equation type or fraction choice: the level it gives
    skrevet,   // "Regn selv": a line written and Enter pressed
    vist,      // "Regn selv": Escape, the line shown
};

struct Handling {
    Handlingsart art = Handlingsart::utfoer;
    double sekunder = 0;    // since the exercise began
    std::string operasjon;  // the operation's symbol ("+", "-", ..., "bytt"); empty: none
    // The operand's keys in the order pressed: digits, "-" for the sign key, "/" for the
    // fraction bar, "x" and "x²".
    std::string operand;
    bool utfoert = true;  // utfoer: a new line was written (a question answered Yes)
    // The operation was chosen, and the operand begun, before a refused "Utfør": only the keys
    // after those of that action were pressed.
    bool videre = false;
    // Keys typed on after a refused step (its whole operand, as `operand` is written) that the
    // operation key of this action then dropped: they made that key usable.
    std::string forkastet;
    int nivaa = 1;          // tips: the hint level; nivaa: the level chosen
    bool regnselv = false;  // utfoer: "Regn selv" was on, so the line waited to be written
    std::string linje;      // skrevet: the text as written
    bool riktig = false;    // skrevet: it was the step's line
    bool operator==(const Handling&) const = default;
};

// A step of "Regn selv": the line written (1..), how many tries, whether the first was right,
// whether the pupil gave up and had it shown.
struct Regnesteg {
    int linje = 0;
    int forsoek = 0;
    bool foerste_riktig = false;
    bool vist = false;
    bool operator==(const Regnesteg&) const = default;
};

struct Loggpost {
    bool egen = false;  // typed in "Egen likning"
    int nivaa = 1;      // the level shown when it was started
    int steg = 0;       // steps performed, those taken back with "Angre" included
    bool korteste_kjent = false;
    std::optional<int> korteste;      // the coach's shortest way from line 0; none: no short way
    int tips = 0;                     // "Tips" asked for
    std::array<int, 3> tips_nivaa{};  // of them, at level 1, 2 and 3
    int ikke_naermere = 0;            // steps that brought the pupil no closer
    int gjentatt = 0;                 // lines the worksheet had already
    int forslag = 0;                  // "Løsningsforslag" shown
    bool loest = false;               // it scored
    std::optional<Tilstand> loest_linje;    // the last solved line reached, for "Prøve:"
    std::int64_t poeng = 0;                 // the points it gave
    std::shared_ptr<const Ark> ark;         // its worksheet as it was left
    bool broeker = false;                   // "Brøker" was chosen when it was started
    std::vector<Handling> handlinger;       // everything done in it, in order
    std::vector<int> tips_linjer;           // the line on the sheet at each "Tips"
    std::vector<int> ikke_naermere_linjer;  // the line written by each step no closer
    std::vector<Regnesteg> regnesteg;       // the lines written in "Regn selv"
};

// The table of the lesson's first page: one row per exercise and a row of sums.
inline constexpr int oektkolonner = 12;
using Oektrad = std::array<std::string, oektkolonner>;

// The column headings: "Nr.", "Oppgave", "Nivå", "Steg", "Korteste", "Tips 1/2/3",
// "Ikke nærmere", "Gjentatt", "Forslag", "Løst", "Prøve", "Poeng".
Oektrad oektoverskrifter();
// An exercise's row: its number (from 1), line 0 as text ("(egen)" after an own equation),
// the figures (the hints per level as "2/1/0"), "ja"/"nei", the check of its solved line, "–"
// for what is not known.
Oektrad oektrad(const Loggpost& post, int nr);
// The sums: steps, hints per level, steps no closer, repeated lines, worked solutions, "2 av 3"
// solved, points.
Oektrad oektsum(const std::vector<Loggpost>& logg);

// The table as both shells lay it out. While no line of the lesson waited to be written in
// "Regn selv", it is the twelve columns above at `tabellskrift`; once one did, four columns
// follow: "Skrevet" (lines written right), "Riktig 1. gang" (of the steps, those whose first
// try was right), "Forsøk" (tries in all, those before Escape included), "Vist" (lines shown
// with Escape), "–" in an exercise where no line waited; the narrower columns at
// `tabellskrift_smal`. The widths (points) fill the page's width.
struct Oektkolonne {
    std::string overskrift;
    double bredde = 0;
    bool tall = false;  // a number, to the right of its column; a text to the left
    bool operator==(const Oektkolonne&) const = default;
};
struct Oekttabell {
    std::vector<Oektkolonne> kolonner;
    std::vector<std::vector<std::string>> rader;  // one per exercise
    std::vector<std::string> sum;
    double skrift = 0;                              // the font's size, points
    double cellekant = 0;                           // between a cell's text and its rules, points
    std::vector<std::string> overskrifter() const;  // the columns' headings, as a row
};
Oekttabell oekttabell(const std::vector<Loggpost>& logg);
// Whether a line of the exercise waited to be written.
bool regnet_selv(const Loggpost& post);

// The heading of the first page and of each exercise's pages.
inline constexpr Tekst oekt_tittel = BALVO_TR("Okt", "Økta");
inline constexpr Tekst oppgave_tittel = BALVO_TR("Okt", "Oppgave %1");

}  // namespace balvo
