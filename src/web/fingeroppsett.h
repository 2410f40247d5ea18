// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on a touch screen. A finger needs every control at least 44 × 44 CSS pixels,
// more than the design's keys (25 pixels) and options (24 pixels apart) get at the scale that
// fits a tablet. The page then shows the window's three parts each at its own scale: the
// worksheet (rows, operand fields, scroll column) keeps the design's proportions; the exercise
// part ("Ny oppgave", the values, the equation types) and the keypad are at least as large as a
// finger needs. Held across, the parts keep the design's places; held upright, the exercise
// part and the keypad are stacked below the worksheet, the keypad filling the screen's width.
// Plain C++: built natively too, for its tests.
#include "core/mainwindow/utforming.h"

namespace balvo::nett {

// The smallest side of a control a finger hits, in CSS pixels.
inline constexpr double fingermaal = 44;

enum class Del { ark, oppgave, tastatur };

// The part a control of the main window's table belongs to.
Del del(const Kontroll& k);

// A part on the page: a control of it at (x, y) in the design's pixels lies at
// (venstre + x × skala, topp + y × skala) CSS pixels of the client area.
struct Delplass {
    double venstre = 0, topp = 0, skala = 1;
};

struct Fingeroppsett {
    double skala = 1;  // the worksheet's, the page's scale
    Delplass ark, oppgave, tastatur;
    // The worksheet's scroll column, a finger wide, in CSS pixels of the client area: the two
    // keys at its top and bottom and the track between them.
    double rullvenstre = 0, rullbredde = 0, rulloppe = 0, rullnede = 0;
    // The options of "Likningstype", one under the other, each a finger high, from this far
    // below the frame's top (CSS pixels), in a frame this high.
    double valgtopp = 0, rammehoeyde = 0;
    double arkhoeyde = 0;           // the worksheet's height, down to the rule under it
    double bredde = 0, hoeyde = 0;  // the client area
    bool stablet = false;           // held upright: the parts one under the other
};

// The layout in an area of `bredde` × `hoeyde` CSS pixels (the window under the menu bar):
// `zoom` the chosen scale of the design, or 0 for "Fyll vinduet", the largest that fits.
Fingeroppsett fingeroppsett(double bredde, double hoeyde, double zoom);

}  // namespace balvo::nett
