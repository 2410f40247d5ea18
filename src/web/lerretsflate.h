// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typesetters' drawing surface over a browser canvas. The core draws in points, text by
// the top-left corner of its cell; this surface keeps every operation in a display list and
// paints it in device pixels at the canvas's current scale, so that a new window size or pixel
// density repaints the same picture crisply. Text is measured in points at the layout's own
// size, whatever the scale, so that a width is the same at every zoom.
#include <map>
#include <string>
#include <utility>

#include "core/display/skrifter.h"
#include "core/display/tegneliste.h"
#include "core/model/farge.h"
#include "web/lerret.h"

namespace balvo::nett {

// A CSS colour.
std::string cssfarge(const Farge& farge);

class Lerretsflate final : public Listeflate {
public:
    // hoeyde: the box's height in points; forgrunn: the colour of text, bars and strokes.
    Lerretsflate(Lerret& lerret, double bredde, double hoeyde, Farge forgrunn);

    // Device pixels per point: 4/3 × the page's scale × the screen's pixel ratio. Resizes the
    // backing store to the box's size in whole device pixels and repaints the display list.
    // With `tetthet`, the screen's pixel ratio, the canvas's box is made exactly that many
    // device pixels (within half a pixel of the layout's box), so the browser never scales the
    // picture; without it the page sizes the box (the print).
    void settskala(double skala, double tetthet = 0);
    double skala() const { return k_; }
    double bredde() const { return bredde_; }

    double hoeyde() const override { return hoeyde_; }
    double tekstbredde(std::string_view tekst) const override;

    // The CSS font text of a font at a size in pixels.
    static std::string css(std::string_view navn, double piksler, bool kursiv);

private:
    void lagt(const Tegneop& op) override { tegn(op); }
    void toemt() override { lerret_.toem(); }
    // Drawn on whole device pixels; a bar thinner than a pixel is widened about its centre
    // line to one pixel, so that it shows as one solid line at every density.
    void tegn(const Tegneop& op);
    double stigning(const Tegneop& op);

    Lerret& lerret_;
    double bredde_, hoeyde_;
    std::string farge_;
    double k_ = piksler_per_punkt;
    // Widths and ascents at the layout's size: the same few numbers recur on every line.
    mutable std::map<std::pair<std::string, std::string>, double> bredder_;
    std::map<std::string, double> stigninger_;
};

}  // namespace balvo::nett
