#pragma once
// The pieces that both the equation rows and the operand fields draw at the shared pen
// ark.xpos: a whole number, a fraction, the letter x and the exponent 2.
#include <string>
#include <string_view>

#include "core/display/tegneflate.h"
#include "core/model/ark.h"

namespace balvo {

class Penn {
public:
    // sted is the box family ("likning" or "operasjon") the fonts are set for.
    Penn(Ark& ark, Tegneflate& flate, std::string_view sted)
        : ark_(ark), f_(flate), m_(flate.hoeyde() / 2), sted_(sted) {}

    double p() const { return ark_.xpos; }
    double m() const { return m_; }

    // The advance leaves out the 4-point gap, so what follows starts at the number's edge.
    void tall(const std::string& tekst);
    // Centred on the wider of the two whole-point widths, the bar over its middle 70 %.
    void broekdel(const std::string& teller, const std::string& nevner);
    void x();
    void kvadrat();

protected:
    // An empty text (nothing typed yet) leaves no trace.
    void skriv(double x, double y, const std::string& tekst);

    Ark& ark_;
    Tegneflate& f_;
    double m_;
    std::string_view sted_;
};

}  // namespace balvo
