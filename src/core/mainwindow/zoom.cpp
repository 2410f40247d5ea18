// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/zoom.h"

#include <algorithm>
#include <cmath>

namespace balvo {
namespace {

// A zoom computed from a window's size lies a hair beside a step more often than on it.
constexpr double slingring = 1e-9;

int kant(int twips, double zoom) {
    return static_cast<int>(std::lround(twips * zoom / twips_per_piksel));
}

}  // namespace

Piksler skaler(const Twips& sted, double zoom) {
    const int venstre = kant(sted.venstre, zoom);
    const int topp = kant(sted.topp, zoom);
    return {venstre, topp, kant(sted.venstre + sted.bredde, zoom) - venstre,
            kant(sted.topp + sted.hoeyde, zoom) - topp};
}

int skaler(int piksler, double zoom) {
    return std::max(1, static_cast<int>(std::lround(piksler * zoom)));
}

double stoerre_zoom(double zoom) {
    const double steg = std::floor(zoom / zoomsteg + slingring) + 1;
    return std::clamp(steg * zoomsteg, minste_zoom, stoerste_zoom);
}

double mindre_zoom(double zoom) {
    const double steg = std::ceil(zoom / zoomsteg - slingring) - 1;
    return std::clamp(steg * zoomsteg, minste_zoom, stoerste_zoom);
}

double fyllzoom(int bredde, int hoeyde) {
    // At most the area's size on either side; the edges, rounded, then fit too.
    const double b = std::max(bredde, 0) * twips_per_piksel / klientflate.bredde;
    const double h = std::max(hoeyde, 0) * twips_per_piksel / klientflate.hoeyde;
    return std::clamp(std::min(b, h), minste_zoom, stoerste_zoom);
}

double gyldig_zoom(double zoom) {
    if (!std::isfinite(zoom)) return 1.0;
    return std::clamp(zoom, minste_zoom, stoerste_zoom);
}

bool zoom_brukbar(Menyhandling handling, double zoom, bool fyll) {
    switch (handling) {
        case Menyhandling::stoerre:
            return zoom < stoerste_zoom;
        case Menyhandling::mindre:
            return zoom > minste_zoom;
        case Menyhandling::vanlig:
            return zoom != 1.0 || fyll;
        default:
            return true;
    }
}

}  // namespace balvo
