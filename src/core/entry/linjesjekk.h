// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Regn selv": a line the pupil wrote compared exactly with the line the chosen step gives,
// and, when it is not that line, the typical mistake that gives it named.
#include <string>
#include <string_view>
#include <vector>

#include "core/entry/linjeleser.h"
#include "core/model/ark.h"
#include "core/tekst/katalog.h"

namespace balvo {

inline constexpr Tekst regnselv_tittel = BALVO_TR("Regn selv", "Regn selv");

namespace tekst {
inline constexpr Tekst bare_venstre =
    BALVO_TR("Regn selv", "Du har bare gjort det på venstre side.");
inline constexpr Tekst bare_hoeyre = BALVO_TR("Regn selv", "Du har bare gjort det på høyre side.");
inline constexpr Tekst ett_delt = BALVO_TR("Regn selv", "Du har bare delt ett av leddene.");
inline constexpr Tekst ett_ganget = BALVO_TR("Regn selv", "Du har bare ganget ett av leddene.");
inline constexpr Tekst fortegnsfeil = BALVO_TR("Regn selv", "Sjekk fortegnet foran %1.");
inline constexpr Tekst broekfeil =
    BALVO_TR("Regn selv", "Brøker legges ikke sammen ved å legge sammen tellere og nevnere.");
inline constexpr Tekst kvadratfeil =
    BALVO_TR("Regn selv", "Kvadratet av en sum er ikke summen av kvadratene.");
inline constexpr Tekst plussminusfeil =
    BALVO_TR("Regn selv", "Husk ± når du trekker kvadratroten.");
inline constexpr Tekst ikke_riktig =
    BALVO_TR("Regn selv", "Ikke riktig. Prøv igjen, eller trykk Esc for å se linjen.");
inline constexpr Tekst sider_byttet =
    BALVO_TR("Regn selv",
             "Det er den samme likningen, men med sidene byttet om.\n"
             "Skriv sidene slik steget gir dem, eller trykk Esc for å se linjen.");
inline constexpr Tekst sider_ganget =
    BALVO_TR("Regn selv",
             "Det er den samme likningen, men med begge sider ganget med samme tall.\n"
             "Skriv linjen slik steget gir den, eller trykk Esc for å se linjen.");
inline constexpr Tekst linje_kuttet =
    BALVO_TR("Regn selv",
             "Linjen var lengre enn 200 tegn, og resten er tatt bort.\n"
             "Se over linjen og trykk Enter igjen.");
}  // namespace tekst

enum class Dom {
    riktig,      // the step's line
    annen_form,  // the same equation written another way: not accepted
    feil,        // a named mistake, or just wrong
    ulest,       // the text could not be read (or was cut off)
};

struct Linjedom {
    Dom dom = Dom::ulest;
    std::string melding;            // for the box "Regn selv"; empty when right
    std::string tekst;              // the text the editor keeps (cut at lengste_linje characters)
    Tekst grunn{nullptr, nullptr};  // the mistake named, for tests
};

// A line a typical mistake gives from line L and its recorded operation.
struct Feillinje {
    Tekst navn;
    std::string argument;  // %1 of the name
    Skrevetlinje linje;
};

// The lines of the typical mistakes, in the order they are named; lines equal to the step's
// own line L+1 are left out.
std::vector<Feillinje> typiske_feil(const Ark& ark, int L);

// A line as linear text, spelled as the worksheet's linear text spells it.
std::string linjetekst(const Skrevetlinje& linje);

// Line L+1 of `ark` is what line L's recorded operation gives; `tekst` is what the pupil wrote
// for it.
Linjedom sjekklinje(const Ark& ark, int L, std::string_view tekst);

}  // namespace balvo
