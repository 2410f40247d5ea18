// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class overview: the lesson files of a class read, replayed and summed up, one row per
// pupil and one per level; and the pupils' table as CSV for a spreadsheet.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/coach/veileder.h"
#include "core/lessonfile/oektfil.h"
#include "core/mainwindow/oektlogg.h"
#include "core/tekst/katalog.h"

namespace balvo {

// The class overview window's own texts, the same in both shells.
inline constexpr Tekst klassetittel = BALVO_TR("Klasseoversikt", "Klasseoversikt");
inline constexpr Tekst klasse_elevtittel = BALVO_TR("Klasseoversikt", "Elever");
inline constexpr Tekst klasse_nivaatittel = BALVO_TR("Klasseoversikt", "Nivåer");
inline constexpr Tekst klasse_uleseligtittel =
    BALVO_TR("Klasseoversikt", "Filer som ikke kunne leses");
inline constexpr Tekst klasse_velg_elev =
    BALVO_TR("Klasseoversikt", "Velg en elev og en oppgave for å se arket.");
inline constexpr Tekst klasse_skriv_ut = BALVO_TR("Klasseoversikt", "Skriv ut...");
inline constexpr Tekst klasse_som_csv = BALVO_TR("Klasseoversikt", "Eksporter CSV...");
inline constexpr Tekst klasse_velg_filer = BALVO_TR("Klasseoversikt", "Åpne økt-filer");

struct Innfil {
    std::string navn;     // as the teacher knows the file: its name
    std::string innhold;  // its bytes
};

// A file that could be read: the pupil's exercises as replayed.
struct Elevoekt {
    std::string fil;
    std::string navn, tidspunkt;
    std::vector<Loggpost> poster;
    std::vector<double> sekunder;          // time spent on each exercise
    std::string avspillingsfeil;           // "kan ikke spilles av: ..."; empty when whole
    std::optional<std::string> samme_som;  // the file that gave the same lesson before it
    bool navn_renset = false;
};

struct Uleselig {
    std::string fil, grunn;
};

struct Klasseoversikt {
    std::vector<Elevoekt> elever;  // in the order given
    std::vector<Uleselig> uleselige;
};

Klasseoversikt lagklasseoversikt(const std::vector<Innfil>& filer, const Grense& grense = {});

using Tabellrad = std::vector<std::string>;
// The pupils' table: "Navn", "Oppgaver", "Løst", "Steg", "Korteste", "Tips 1", "Tips 2",
// "Tips 3", "Løsningsforslag", "Minutter", "Merknad", "Fil"; a lesson given twice is shown but
// counted once.
Tabellrad elevoverskrifter();
std::vector<Tabellrad> elevrader(const Klasseoversikt& oversikt);
// The levels' table: "Nivå", "Oppgaver", "Løst", "Median steg over korteste", "Oftest tips
// ved", "Oftest ikke nærmere ved" (the line, and how many times), one row for each level that
// has an exercise.
Tabellrad nivaaoverskrifter();
std::vector<Tabellrad> nivaarader(const Klasseoversikt& oversikt);

// A pupil's exercises: "Nr.", "Oppgave", "Nivå", "Steg", "Korteste", "Løst", "Tid" (minutes
// and seconds spent on it).
Tabellrad oppgaveoverskrifter();
std::vector<Tabellrad> oppgaverader(const Elevoekt& elev);
// The heading over a pupil's exercises: the name and when the file was saved.
std::string elevoverskrift(const Elevoekt& elev);

// When a file was saved ("2026-12-08T13:51:57") as the program writes a date in the pupil's
// language: "8. desember 2026 kl. 13.51"; empty for a text that is no such time.
std::string tidspunkttekst(std::string_view iso);

// The pupils' table as CSV: semicolons, CRLF, fields quoted where needed, decimal comma; with
// a byte-order mark for a spreadsheet, without for a script.
std::string klassecsv(const Klasseoversikt& oversikt, bool bom);

// The worksheet of a pupil's exercise, as the program draws it: the replayed sheet.
const Loggpost* elevoppgave(const Klasseoversikt& oversikt, std::size_t elev, std::size_t oppgave);

}  // namespace balvo
