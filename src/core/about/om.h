// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box "Om Balvo 2.0" as designed: its texts and the places of its controls, in twips
// of its client area. Both shells build it from here.
#include "core/mainwindow/utforming.h"
#include "core/tekst/katalog.h"

namespace balvo {

inline constexpr Tekst omtittel = BALVO_TR("frmOm", "Om Balvo 2.0");
inline constexpr Twips omflate{0, 0, 5475, 4845};

// The introductory paragraph: four lines about where the program comes from and what it runs
// on, one for each edition.
inline constexpr Tekst innledning_skrivebord =
    BALVO_TR("frmOm",
             "Balvo 2.0 er et program for å øve på å løse likninger\n"
             "trinn for trinn. Det er laget for bruk i skolen og\n"
             "kjører på Linux-skrivebord med Qt. Eleven velger,\n"
             "og maskinen regner ut.");
inline constexpr Tekst innledning_nett =
    BALVO_TR("frmOm",
             "Balvo 2.0 er et program for å øve på å løse likninger\n"
             "trinn for trinn. Det er laget for bruk i skolen og\n"
             "kjører i nettleseren, også uten nett. Eleven velger,\n"
             "og maskinen regner ut.");
inline constexpr Tekst omstatus = BALVO_TR("frmOm", "Fri programvare for bruk i skolen.");
inline constexpr Tekst omversjon = BALVO_TR("frmOm", "Versjon 2.03.0");
// One empty line after the fourth line, none after the last.
inline constexpr Tekst formaal =
    BALVO_TR("frmOm",
             "Programmets pedagogiske idé går ut på å utnytte data-\n"
             "maskinas mulighet til enkelt å skille ut det taktiske som\n"
             "eget øvelsesmoment når det gjelder å løse oppstilte\n"
             "likninger.\n"
             "\n"
             "Programmet utfører lydig utregningene som følger av de\n"
             "valg eleven gjør enten de fører mot målet eller ikke. Dit\n"
             "er det dessuten mange veier, og dét er jo i seg selv et\n"
             "viktig pedagogisk poeng...");
inline constexpr Tekst omadvarsel = BALVO_TR("frmOm", "\"Advarsel:\"");
inline constexpr Tekst ommening = BALVO_TR(
    "frmOm",
    "Det er nokså meningsløst å kunne løse likninger uten å kunne lage dem selv når det trengs.");
inline constexpr Tekst omok = BALVO_TR("frmOm", "OK");

struct Omplasser {
    Twips ikon{210, 270, 600, 555};
    Twips innledning{1050, 240, 3885, 840};
    Twips status{1050, 1110, 3885, 285};
    Twips versjon{1050, 1560, 3885, 225};
    Twips formaal{1050, 1965, 3885, 1860};
    Twips advarsel{150, 4095, 795, 195};
    Twips mening{1050, 4110, 3105, 645};
    Twips ok{4260, 4410, 990, 345};
};
inline constexpr Omplasser omplasser{};

// The rules: two grey lines between the paragraphs, and a grey line over a white one (2 pixels)
// as an etched rule above the bottom part. From (x1, y) to (x2, y).
struct Omstrek {
    int x1, y, x2;
    bool hvit;
};
inline constexpr Omstrek omstreker[] = {
    {1050, 1470, 4980, false},
    {1020, 1860, 4950, false},
    {90, 3915, 5654, false},
    {105, 3930, 5654, true},
};
inline constexpr Farge omgraa{0x80, 0x80, 0x80};

}  // namespace balvo
