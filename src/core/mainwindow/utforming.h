// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as designed: every control with its kind, place and size in twips, caption,
// tooltip, font and colour. Both shells build the window from this one table, and scale it.
#include <span>
#include <string_view>

#include "core/display/skrifter.h"
#include "core/entry/taster.h"
#include "core/model/farge.h"
#include "core/tekst/katalog.h"

namespace balvo {

// The program's name: window caption, application name, the default title of a box and the
// documents' header, in both shells.
inline constexpr char programnavn[] = "Balvo 2.0";

// A rectangle in twips (1/1440 inch; 15 to a pixel at 96 dpi).
struct Twips {
    int venstre = 0, topp = 0, bredde = 0, hoeyde = 0;
};

enum class Kontrollart {
    linje,       // a worksheet row, a drawing box
    opfelt,      // an operand field, a drawing box
    skjult,      // a hidden drawing box for the diagnostics
    knapp,       // a push button with a caption
    etikett,     // a label
    ramme,       // the titled frame around the equation types
    valg,        // an option button inside the frame
    avkrysning,  // the check box inside the frame
    tast,        // a key with a face drawn in code
    strek,       // a thin rule or outline in the text colour
    kant,        // the frame drawn 2 pixels wide around the keypad
    panel,       // a borderless coloured panel behind keys
    merke,       // the solved marker
};

// The faces of the keys.
enum class Tasteflate {
    pluss,       // opr 0
    minus,       // opr 1
    prikk,       // opr 2, a raised dot
    kolon,       // opr 3
    rot,         // opr 4, a square-root sign
    kvadrat,     // opr 5, empty brackets with a superscript 2
    plussminus,  // opr 6
    bytt,        // opr 7, two opposed arrows
    siffer,      // the digit of the key
    negativ,     // pm, a minus sign in brackets
    broek,       // broekstrek, small a over b with a slanted bar
    utfoer,      // the word Utfør
    stryk,       // strykut, the letter C
    x,           // variabel 0
    x2,          // variabel 1
    opp,         // scrollopp, an upward triangle
    ned,         // scrollned, a downward triangle
};

// The face's name, for the pictures of it: "pluss", "siffer", "utfoer" ...
std::string_view flatenavn(Tasteflate flate);

// A picture's size in pixels at 96 dpi.
struct Bildemaal {
    int bredde = 0, hoeyde = 0;
};
// The size of a key's face: 16 × 16, the word Utfør 43 × 16, the scroll triangles 9 × 6.
constexpr Bildemaal flatemaal(Tasteflate flate) {
    switch (flate) {
        case Tasteflate::utfoer:
            return {43, 16};
        case Tasteflate::opp:
        case Tasteflate::ned:
            return {9, 6};
        default:
            return {16, 16};
    }
}
// The solved marker: a red hand-written capital R.
inline constexpr Bildemaal merkemaal{41, 49};

// What a label of the table shows, for the shells to find it by: one of the worksheet's
// values, or the caption of the row "Avstand:" that comes and goes with it.
enum class Etikettrolle {
    ingen,
    nivaa,
    loeste,
    poeng,
    steg,
    proeve,
    avstand,
    avstand_ledetekst,
};
inline constexpr int antall_etikettroller = static_cast<int>(Etikettrolle::avstand_ledetekst) + 1;

struct Kontroll {
    std::string_view navn;  // the control's name: "Linje_0", "opr_3", "nyoppgave"
    Kontrollart art;
    Twips sted;                     // in the client area; for the frame's options, in the frame
    Tekst tekst{nullptr, nullptr};  // caption; none where kilde is null
    Tekst tips{nullptr, nullptr};   // tooltip
    Skrift skrift{};
    Farge farge{};  // text colour, or the panel's colour
    int tast = -1;  // the Tast it is, for keys, options and the check box
    Tasteflate flate = Tasteflate::siffer;
    int siffer = 0;         // the digit of a digit key, the index of an indexed control
    bool i_rammen = false;  // inside the frame "Likningstype"
    bool ombryt = false;    // a label whose text may run onto more lines, from its top
    Etikettrolle rolle = Etikettrolle::ingen;
};

// Every control of the main window, in the order they are built (later ones lie on top).
std::span<const Kontroll> hovedvinduet();

// The design's client area in twips: everything above fits inside it.
inline constexpr Twips klientflate{0, 0, 9510, 6300};

// The captions of the labels that show a number or the coach's verdict; a screen reader hears
// each value with its caption ("Poeng: 3").
inline constexpr Tekst nivaatekst = BALVO_TR("Arket", "Vanskelighetsgrad:");
inline constexpr Tekst loestetekst = BALVO_TR("Arket", "Løste oppgaver:");
inline constexpr Tekst poengtekst = BALVO_TR("Arket", "Poeng:");
inline constexpr Tekst stegledetekst = BALVO_TR("Arket", "Steg:");
inline constexpr Tekst proeveledetekst = BALVO_TR("Arket", "Prøve:");
inline constexpr Tekst avstandledetekst = BALVO_TR("Arket", "Avstand:");

// The row "Avstand:" (its caption "Label6" and its value "Avstand") is shown only while the
// choice "Avstand etter hvert steg" is on; the window is otherwise as designed. While it is
// shown, "Prøve:" keeps one line of its own above it, its text made smaller as it needs.
bool bare_med_avstand(const Kontroll& kontroll);
// The place of "Prøve:"'s value: as designed, or its one line above the row "Avstand:".
Twips proevested(bool med_avstand);

// A label showing a value, by its role, and the caption beside it.
struct Verdietikett {
    Etikettrolle rolle;
    Tekst ledetekst;
};
std::span<const Verdietikett> verdietiketter();

// The word on the perform key's face; screen readers name the key by it too.
inline constexpr Tekst utfoertekst = BALVO_TR("Arket", "Utfør");

}  // namespace balvo
