// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Expected drawing elements, compared with a recording box to the hundredth of a point.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "opptaksflate.h"

namespace balvo::test {

struct Element {
    Opptak::Art art;
    double x1, y1, x2, y2;
    std::string tekst;
};

inline Element tekst(double x, double y, std::string t) {
    return {Opptak::Art::skriv, x, y, 0, 0, std::move(t)};
}
inline Element bar(double x1, double y1, double x2, double y2) {
    return {Opptak::Art::rektangel, x1, y1, x2, y2, {}};
}
inline Element strek(double x1, double y1, double x2, double y2) {
    return {Opptak::Art::strek, x1, y1, x2, y2, {}};
}

inline void sjekk(const std::vector<Opptak>& faktisk, const std::vector<Element>& forventet) {
    ASSERT_EQ(faktisk.size(), forventet.size());
    for (std::size_t i = 0; i < faktisk.size(); ++i) {
        SCOPED_TRACE("element " + std::to_string(i));
        const auto& f = faktisk[i];
        const auto& e = forventet[i];
        EXPECT_EQ(f.art, e.art);
        EXPECT_EQ(f.tekst, e.tekst);
        EXPECT_NEAR(f.x1, e.x1, 0.01);
        EXPECT_NEAR(f.y1, e.y1, 0.01);
        EXPECT_NEAR(f.x2, e.x2, 0.01);
        EXPECT_NEAR(f.y2, e.y2, 0.01);
    }
}

// A box whose listed texts have chosen widths, for widths that are not whole points.
class Breddeflate : public Opptaksflate {
public:
    double tekstbredde(std::string_view t) const override {
        const auto it = bredder.find(std::string(t));
        return it != bredder.end() ? it->second : Opptaksflate::tekstbredde(t);
    }
    std::map<std::string, double> bredder;
};

}  // namespace balvo::test
