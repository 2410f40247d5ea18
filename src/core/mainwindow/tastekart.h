// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard of the main window: which key on the keyboard presses which button, and the
// shortcuts of the menu "Valg". Each shell names its key events in these terms and looks them
// up here, so that the desktop and the browser answer the same keys.
#include <span>
#include <string_view>

#include "core/entry/taster.h"
#include "core/tekst/katalog.h"

namespace balvo {

// Keys matched by the key itself rather than the character it types: letters (so that Caps
// Lock does not turn x into x²) and the keys that type nothing.
enum class Tastenavn {
    ingen,
    a,
    b,
    c,
    d,
    e,
    f,
    g,
    h,
    i,
    j,
    k,
    l,
    m,
    n,
    o,
    p,
    q,
    r,
    s,
    t,
    u,
    v,
    w,
    x,
    y,
    z,
    enter,  // Return and the keypad's Enter
    escape,
    tilbake,  // Backspace
    slett,    // Delete
    side_opp,
    side_ned,
};

// A letter's key, 'a' to 'z' (either case); ingen for anything else.
constexpr Tastenavn bokstavtast(char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return c >= 'a' && c <= 'z' ? static_cast<Tastenavn>(static_cast<int>(Tastenavn::a) + (c - 'a'))
                                : Tastenavn::ingen;
}
// The capital letter of a letter's key; 0 for any other key.
constexpr char bokstav(Tastenavn tast) {
    const int i = static_cast<int>(tast) - static_cast<int>(Tastenavn::a);
    return i >= 0 && i < 26 ? static_cast<char>('A' + i) : 0;
}

// Modifier keys held, as bits; the keypad's own flag only tells where a key sits.
enum Endring : unsigned { uten = 0, skift = 1, ctrl = 2, alt = 4, meta = 8 };

// What a key presses: a key of the keypad, "Ny oppgave", "Trekk fra..." or the negative sign
// (whichever is usable), or the copy of the worksheet.
enum class Tastehandling { knapp, nyoppgave, minus, kopier };

struct Tastevalg {
    Tastenavn tast;  // Tastenavn::ingen when `tegn` decides
    char tegn;       // the character typed, whatever keys produce it; 0 if unused
    unsigned krav;   // modifiers that must be held (Shift ignored for `tegn`)
    Tast knapp;      // the key it clicks (Tastehandling::knapp and minus)
    Tastehandling handling = Tastehandling::knapp;
};

// The mapping table, in the order a reader of the README finds it.
std::span<const Tastevalg> tastevalg();

// The entry for a key event: its name (Tastenavn::ingen for any other key), the modifiers held
// and the text it typed (empty when none); nullptr when the key means nothing here.
const Tastevalg* finntastevalg(Tastenavn tast, unsigned endring, std::string_view tekst);

// What a menu item does: the shells dispatch on it and ask Arket whether it may be used now.
enum class Menyhandling {
    skille,  // a separator
    egen_likning,
    graf,
    utskrift,
    lagre,
    om,
    angre,
    kopier,
    tips,
    loesningsforslag,
    avstand,
    regnselv,
    stoerre,
    mindre,
    vanlig,
    fyll,
    lagre_oekt,
    skriv_ut_oekt,
    klasseoversikt,
};
inline constexpr int antall_menyhandlinger = static_cast<int>(Menyhandling::klasseoversikt) + 1;

// The menu "Valg" in its order; an item without a caption is a separator.
struct Menypunkt {
    std::string_view navn;  // the object name: "egendef", "mmPapir", ...
    Menyhandling handling = Menyhandling::skille;
    Tekst tekst{nullptr, nullptr};
    Tastenavn snarvei = Tastenavn::ingen;  // with Ctrl; none for the About box
    bool skift = false;                    // the shortcut with Shift too
    std::string_view tegn{};  // or: Ctrl with any of these characters typed ("+=" for "Større")
    bool avkrysbar = false;   // an item that is on or off ("Fyll vinduet")
};

inline constexpr Tekst valgmeny = BALVO_TR("Arket", "Valg");
std::span<const Menypunkt> valgmenyen();

// The menu "Rediger", after "Valg": "Angre" and "Kopier arket".
inline constexpr Tekst redigermeny = BALVO_TR("Arket", "Rediger");
std::span<const Menypunkt> redigermenyen();

// The menu "Hjelp": the coach's "Tips" and "Løsningsforslag", then the choice "Avstand etter
// hvert steg" (the row "Avstand:") and "Regn selv", both off by default and remembered between
// runs.
inline constexpr Tekst hjelpmeny = BALVO_TR("Arket", "Hjelp");
std::span<const Menypunkt> hjelpmenyen();

// The menu "Vis", after "Hjelp": the zoom of the whole window.
inline constexpr Tekst vismeny = BALVO_TR("Arket", "Vis");
std::span<const Menypunkt> vismenyen();

// The menu "Økt", after "Vis": the lesson record saved as PDF or printed.
inline constexpr Tekst oektmeny = BALVO_TR("Arket", "Økt");
std::span<const Menypunkt> oektmenyen();

// A menu of the menu bar, after "Valg" in this order, before "Språk": its object name, its
// title and its items.
struct Meny {
    std::string_view navn;  // "Meny", "Rediger", "Hjelp", "Vis", "Okt"
    Tekst tittel;
    std::span<const Menypunkt> punkter;
};
std::span<const Meny> menyene();

// The item that does this; nullptr for a separator.
const Menypunkt* menypunkt(Menyhandling handling);

// The menu item of a Ctrl shortcut: the key's name, Shift held, the character typed (empty
// for none); nullptr when it is no item's.
const Menypunkt* finnmenypunkt(Tastenavn tast, bool skift, std::string_view tekst);

}  // namespace balvo
