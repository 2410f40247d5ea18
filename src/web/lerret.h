// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few operations of a browser canvas that the drawing surfaces use, in device pixels: a
// font is a CSS font text ("italic 26.67px 'Liberation Serif'"), a colour a CSS colour.
// The browser's 2D context implements it; tests record it.
#include <string>
#include <string_view>

namespace balvo::nett {

class Lerret {
public:
    virtual ~Lerret() = default;
    // A new size of the backing store; everything on it is erased. With `tetthet` (device
    // pixels to a CSS pixel) the canvas's box on the page is set to exactly the backing store,
    // so that the browser shows it pixel for pixel, never scaled; without it (0) the page's
    // style sizes the box (the print).
    virtual void stoerrelse(int bredde, int hoeyde, double tetthet) = 0;
    virtual void toem() = 0;  // erase to transparent: the page behind shows the background
    // The advance width of a text, and the ascent of the font (the top of the text cell above
    // the baseline), both in the font's own pixels.
    virtual double bredde(const std::string& font, std::string_view tekst) = 0;
    virtual double stigning(const std::string& font) = 0;
    virtual void tekst(const std::string& font, std::string_view tekst, double x, double grunnlinje,
                       const std::string& farge) = 0;
    virtual void strek(double x1, double y1, double x2, double y2, double bredde,
                       const std::string& farge) = 0;
    virtual void fyll(double x, double y, double bredde, double hoeyde,
                      const std::string& farge) = 0;
};

}  // namespace balvo::nett
