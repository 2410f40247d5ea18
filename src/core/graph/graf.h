// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the graph window: grid, labels, axes and the two sides of the exercise as
// curves, drawn in the window's user coordinates onto any surface that can take them.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/model/ark.h"
#include "core/model/farge.h"
#include "core/tekst/katalog.h"

namespace balvo {

inline constexpr Tekst graftittel = BALVO_TR("mmArk", "Grafisk løsning");
// Shown, with the program's own title, when line 0 has nothing to draw.
inline constexpr Tekst ingen_likning = BALVO_TR("mmArk", "Det er ingen likning å tegne");
// The window's client area in twips, and the labels' type (MS Sans Serif).
inline constexpr int grafbredde_twips = 6930, grafhoeyde_twips = 5160;
inline constexpr double grafetikettpunkter = 9.75;

inline constexpr Farge rutefarge{153, 153, 153};
// The classic sixteen-colour palette: 0 black, 1 blue, 4 red.
inline constexpr Farge palett0_svart{0, 0, 0};
inline constexpr Farge palett1_blaa{0, 0, 128};
inline constexpr Farge palett4_roed{128, 0, 0};

// The visible area in user units; y grows downwards, so a value v is drawn at −v.
struct Brukerskala {
    double venstre = -6, topp = -14, bredde = 17, hoeyde = 26;
};
inline constexpr Brukerskala grafskala{};

class Grafflate {
public:
    virtual ~Grafflate() = default;
    // A straight line in user units; the width is in device-independent pixels.
    virtual void strek(double x1, double y1, double x2, double y2, Farge farge, int bredde) = 0;
    // A label with its top-left corner at (venstre, topp), transparent background.
    virtual void skriv(double venstre, double topp, std::string_view tekst) = 0;
    virtual double tekstbredde(std::string_view tekst) const = 0;  // in user units
};

using Sidefunksjon = std::function<double(double)>;

void tegngraf(Grafflate& flate, const Sidefunksjon& venstre, const Sidefunksjon& hoeyre);

// The six polynomial coefficients of a line (columns 1..6), kept apart from the worksheet so
// that an open graph goes on showing the exercise it was opened with.
struct Grafoppgave {
    std::array<Celle, 6> teller{};
    std::array<Celle, 6> nevner{};
};

Grafoppgave grafoppgave(const Ark& ark, int linje = 0);

// a·x² + b·x + c of one side.
double sideverdi(const Grafoppgave& oppgave, double x, Side side);

// Where the two curves cross, said exactly as the solutions of the exercise are: "Kurvene
// krysser hverandre i x = −2 og x = 2", "Kurvene krysser ikke hverandre" (no real solution),
// "Kurvene er like" (every number). Empty when the solutions cannot be had exactly.
std::string krysningstekst(const Grafoppgave& oppgave);

}  // namespace balvo
