// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal message boxes as the core asks for them; the shell shows them, tests script them.
#include <string_view>

#include "core/tekst/katalog.h"

namespace balvo {

// Titles of the three kinds of box; the caller hands the box oversettelse() of them.
inline constexpr Tekst tittel_paatale = BALVO_TR("Melding", "Påtale");
inline constexpr Tekst tittel_advarsel = BALVO_TR("Melding", "Advarsel");
inline constexpr Tekst tittel_etteretning = BALVO_TR("Melding", "Til etteretning");

// The buttons of the boxes.
inline constexpr Tekst knapp_ok = BALVO_TR("Melding", "OK");
inline constexpr Tekst knapp_ja = BALVO_TR("Melding", "Ja");
inline constexpr Tekst knapp_nei = BALVO_TR("Melding", "Nei");

class Meldinger {
public:
    virtual ~Meldinger() = default;
    // Text with "\n" line breaks, an OK button, no icon. An empty title means the program's own.
    // Title and text come in the pupil's language.
    virtual void melding(std::string_view tittel, std::string_view tekst) = 0;
    // Yes/No question ("Ja"/"Nei"); true for Yes.
    virtual bool spoersmaal(std::string_view tittel, std::string_view tekst) = 0;
};

}  // namespace balvo
