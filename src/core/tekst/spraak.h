// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's three languages: Bokmål (the source of every text), Nynorsk and English. Both
// shells offer them in this order in the menu "Språk", each named in its own language so that
// a pupil finds their own whatever language the program speaks now.
#include <array>
#include <string_view>

#include "core/tekst/katalog.h"

namespace balvo {

// The menu's title, after the menus of the program's work.
inline constexpr Tekst spraakmeny = BALVO_TR("Arket", "Språk");

struct Spraakvalg {
    std::string_view kode;  // "nb", "nn", "en": the suffix of the translation files
    std::string_view navn;  // in the language itself, never translated
};

inline constexpr std::array<Spraakvalg, 3> spraakene{{
    {"nb", "Bokmål"},
    {"nn", "Nynorsk"},
    {"en", "English"},
}};

inline constexpr std::string_view bokmaal = "nb";

// A code the menu knows, or Bokmål for anything else (an old or hand-edited setting).
std::string_view kjent_spraak(std::string_view kode);

// The language for a system locale name such as "nn_NO.UTF-8", "nb-NO", "no" or "en_GB":
// nn is Nynorsk, nb and no are Bokmål, en is English, anything else (C, POSIX, de_DE, empty)
// is Bokmål.
std::string_view spraak_fra_lokale(std::string_view lokale);

}  // namespace balvo
