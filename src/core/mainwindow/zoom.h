// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom of the main window for projectors and large screens: one factor for every control
// of the design's table, from 50 % to 400 % in steps of 25 %, or the largest factor at which
// the whole design fits the window. Places are always computed from the table, never from
// what the window shows now, so that 100 % is exactly the design.
#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/utforming.h"

namespace balvo {

inline constexpr double minste_zoom = 0.5;
inline constexpr double stoerste_zoom = 4.0;
inline constexpr double zoomsteg = 0.25;

// A rectangle in pixels.
struct Piksler {
    int venstre = 0, topp = 0, bredde = 0, hoeyde = 0;
    bool operator==(const Piksler&) const = default;
};

// A place of the table at a zoom, 15 twips to a pixel at 100 %. The edges are rounded, not the
// sizes, so that controls that meet in the design meet at every zoom.
Piksler skaler(const Twips& sted, double zoom);
// A length (a line's width, a picture's side) at a zoom: at least one pixel.
int skaler(int piksler, double zoom);

// "Større" and "Mindre": the next step of 25 % above or below, within 50..400 %. A zoom
// between two steps (the window filled) goes to the nearest step in that direction.
double stoerre_zoom(double zoom);
double mindre_zoom(double zoom);

// "Fyll vinduet": the largest zoom at which the whole design fits an area of this many
// pixels, within 50..400 %.
double fyllzoom(int bredde, int hoeyde);

// Whether an item of the menu "Vis" may be chosen at this zoom, the window filled or not:
// "Større" below 400 %, "Mindre" above 50 %, "Vanlig størrelse" away from 100 % as designed.
bool zoom_brukbar(Menyhandling handling, double zoom, bool fyll);

// A zoom read back from the settings: within 50..400 %, and 100 % for anything unreadable.
double gyldig_zoom(double zoom);

}  // namespace balvo
