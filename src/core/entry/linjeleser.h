// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line the pupil writes in linear text ("3/4x + 1/2 = 5", "x = ±√(x² + 1)") read into the
// worksheet's terms: per side x², x and the constant, and at most one root term, every number
// an exact fraction in lowest terms. What cannot be read is refused with the character where
// reading stopped and why.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/ark.h"
#include "core/tekst/katalog.h"

namespace balvo {

// A fraction in lowest terms with a positive denominator.
struct Eksakt {
    Celle t = 0;
    Celle n = 1;
    friend bool operator==(const Eksakt&, const Eksakt&) = default;
};

// Lowest terms, or nothing when the fraction has denominator 0 or cannot be held exactly.
std::optional<Eksakt> lagbroek(Celle teller, Celle nevner);
std::optional<Eksakt> operator+(Eksakt a, Eksakt b);
std::optional<Eksakt> operator*(Eksakt a, Eksakt b);
std::optional<Eksakt> operator/(Eksakt a, Eksakt b);
Eksakt operator-(Eksakt a);

// One side: ledd[0] x², ledd[1] x, ledd[2] the constant, and the root term
// rotkoeff·√(radikand[0]x² + radikand[1]x + radikand[2]), written with ± when plussminus.
struct Skrevetside {
    std::array<Eksakt, 3> ledd{};
    Eksakt rotkoeff{};
    std::array<Eksakt, 3> radikand{Eksakt{}, Eksakt{}, Eksakt{1, 1}};
    bool plussminus = false;
    friend bool operator==(const Skrevetside&, const Skrevetside&) = default;
};

struct Skrevetlinje {
    std::array<Skrevetside, 2> side{};  // left, right
    friend bool operator==(const Skrevetlinje&, const Skrevetlinje&) = default;
};

// The form two lines are compared in, as a reader of the worksheet sees it: no root term
// without a coefficient, and a root of 0 or 1 without ± is a plain number in the constant.
// False when that sum cannot be held exactly.
bool normaliser(Skrevetside& s);

// Line n of the worksheet as it is drawn: the right side's root always with ±.
Skrevetlinje skrevetlinje(const Ark& ark, int n);

// Writes a line into line n of a sheet; false, with nothing written, when the sheet cannot hold
// it as it is (a root without ± on the right, or ± on the left).
bool skrivinn(const Skrevetlinje& linje, Ark& ark, int n);

// Where and why a text could not be read. tegn counts characters from 1; 0 for the text as a
// whole (empty, or only spaces).
struct Lesefeil {
    int tegn = 0;
    Tekst grunn{nullptr, nullptr};
    std::string argument;  // %1 of grunn, when it has one
};

struct Lesing {
    std::optional<Skrevetlinje> linje;  // normalised
    Lesefeil feil;                      // when there is no line
};

// The most characters a written line may have.
inline constexpr int lengste_linje = 200;

Lesing leslinje(std::string_view tekst);

// The first lengste_linje characters of a text (whole UTF-8 characters); kuttet tells whether
// anything was left out.
std::string kuttlinje(std::string_view tekst, bool& kuttet);

// The refusal as the pupil reads it: "Kan ikke lese «2x +» ved tegn 4: det mangler et ledd
// etter +."
std::string lesefeiltekst(std::string_view tekst, const Lesefeil& feil);

}  // namespace balvo
