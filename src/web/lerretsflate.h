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
#include <variant>
#include <vector>

#include "core/display/tegneflate.h"
#include "core/model/farge.h"
#include "web/lerret.h"

namespace balvo::nett {

// CSS pixels per point: the layout's 96 dpi.
inline constexpr double piksler_per_punkt = 4.0 / 3.0;

// The web font standing in for a font of the design: Times New Roman → Liberation Serif,
// MS Sans Serif and Arial → Liberation Sans.
std::string_view nettfont(std::string_view navn);
// A CSS colour.
std::string cssfarge(const Farge& farge);

class Lerretsflate final : public Tegneflate {
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

    void toem() override;
    double hoeyde() const override { return hoeyde_; }
    void settfontnavn(std::string_view navn) override { fontnavn_ = navn; }
    void settstoerrelse(double punkter) override { stoerrelse_ = punkter; }
    void settkursiv(bool kursiv) override { kursiv_ = kursiv; }
    double tekstbredde(std::string_view tekst) const override;
    void skriv(double x, double y, std::string_view tekst) override;
    // One pixel at 96 dpi scaled with the page, rounded to whole device pixels (at least one)
    // and laid on them, so that a vertical or level stroke is solid, never a grey blur.
    void strek(double x1, double y1, double x2, double y2) override;
    // Drawn on whole device pixels; a bar thinner than a pixel is widened about its centre
    // line to one pixel, so that it shows as one solid line at every density.
    void rektangel(double x1, double y1, double x2, double y2) override;

    // The texts drawn since the last clear, in order (for the print and for tests).
    std::size_t antall_operasjoner() const { return liste_.size(); }

    // The CSS font text of a font at a size in pixels.
    static std::string css(std::string_view navn, double piksler, bool kursiv);

private:
    struct Skrift {
        std::string navn;
        double stoerrelse;
        bool kursiv;
    };
    struct Tekst {
        double x, y;
        std::string tekst;
        Skrift skrift;
    };
    struct Strek {
        double x1, y1, x2, y2;
    };
    struct Rektangel {
        double x1, y1, x2, y2;
    };
    using Operasjon = std::variant<Tekst, Strek, Rektangel>;

    void tegn(const Operasjon& op);
    double stigning(const Skrift& s);

    Lerret& lerret_;
    double bredde_, hoeyde_;
    std::string farge_;
    double k_ = piksler_per_punkt;
    std::vector<Operasjon> liste_;
    std::string fontnavn_ = "MS Sans Serif";
    double stoerrelse_ = 8.25;
    bool kursiv_ = false;
    // Widths and ascents at the layout's size: the same few numbers recur on every line.
    mutable std::map<std::pair<std::string, std::string>, double> bredder_;
    std::map<std::string, double> stigninger_;
};

}  // namespace balvo::nett
