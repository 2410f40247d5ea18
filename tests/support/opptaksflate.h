// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing box that records every operation in the core's display list, with fixed text widths
// so that positions can be checked to the hundredth of a point: a text is 0.5 × font size wide
// per character.
#include <string>
#include <vector>

#include "core/display/tegneliste.h"

namespace balvo::test {

using Opptak = Tegneop;

class Opptaksflate : public Listeflate {
public:
    explicit Opptaksflate(double hoeyde = 36.75) : Listeflate(13.5), hoeyde_(hoeyde) {}

    double hoeyde() const override { return hoeyde_; }
    double tekstbredde(std::string_view tekst) const override;

    // What was drawn since the last clear (the clear itself is not kept).
    const std::vector<Opptak>& opptak() const { return liste(); }
    int antall_toemminger() const { return toemminger_; }
    // The texts drawn since the last clear, in order, joined by single spaces.
    std::string tekster() const;
    double stoerrelse() const { return fontstoerrelse(); }

    // Width rule of the fixed font: characters (UTF-8 code points) × size × 0.5.
    static double bredde(std::string_view tekst, double stoerrelse);

private:
    void toemt() override { ++toemminger_; }

    double hoeyde_;
    int toemminger_ = 0;
};

}  // namespace balvo::test
