// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pen that the equation rows and the operand fields both draw with: it walks from left to
// right along one box, and draws a whole number, a fraction, the letter x and the exponent 2 at
// its position. Each drawing routine owns its pen; nothing of it is kept between drawings.
#include <string>

#include "core/display/linjetegner.h"
#include "core/display/tegneflate.h"

namespace balvo {

class Penn {
public:
    // sted is the box family the fonts are set for; the pen starts at the left edge.
    Penn(Tegneflate& flate, Boksfamilie sted) : f_(flate), m_(flate.hoeyde() / 2), sted_(sted) {}

    double p() const { return x_; }  // the pen's position in points
    double m() const { return m_; }  // the box's vertical middle

    // The advance leaves out the 4-point gap, so what follows starts at the number's edge.
    void tall(const std::string& tekst);
    // Centred on the wider of the two whole-point widths, the bar over its middle 70 %.
    void broekdel(const std::string& teller, const std::string& nevner);
    void x();
    void kvadrat();

protected:
    // An empty text (nothing typed yet) leaves no trace.
    void skriv(double x, double y, const std::string& tekst);

    Tegneflate& f_;
    double m_;
    Boksfamilie sted_;
    double x_ = 0;
};

}  // namespace balvo
