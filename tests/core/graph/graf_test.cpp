// SPDX-License-Identifier: GPL-3.0-or-later
// The graph picture: grid, labels, axes and curves, recorded in user coordinates.
#include "core/graph/graf.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include <string>
#include <vector>

namespace balvo {
namespace {

struct Strek {
    double x1, y1, x2, y2;
    Farge farge;
    int bredde;
};

struct Etikett {
    double venstre, topp;
    std::string tekst;
};

// Labels are 0.25 user units wide per character.
class Opptaksgraf : public Grafflate {
public:
    void strek(double x1, double y1, double x2, double y2, Farge farge, int bredde) override {
        streker.push_back({x1, y1, x2, y2, farge, bredde});
    }
    void skriv(double venstre, double topp, std::string_view tekst) override {
        etiketter.push_back({venstre, topp, std::string(tekst)});
    }
    double tekstbredde(std::string_view tekst) const override { return 0.25 * tekst.size(); }

    std::vector<Strek> med_farge(Farge f) const {
        std::vector<Strek> ut;
        for (const auto& s : streker)
            if (s.farge == f) ut.push_back(s);
        return ut;
    }
    std::vector<Strek> streker;
    std::vector<Etikett> etiketter;
};

Opptaksgraf tegn(Sidefunksjon v, Sidefunksjon h) {
    Opptaksgraf g;
    tegngraf(g, v, h);
    return g;
}

const Sidefunksjon x_i_andre = [](double x) { return x * x; };
const Sidefunksjon fire = [](double) { return 4.0; };

TEST(Graf, VerticalGridLinesOneUnitApartFromMinus5To10) {
    const auto g = tegn(x_i_andre, fire);
    std::vector<Strek> loddrette;
    for (const auto& s : g.med_farge(Farge{153, 153, 153}))
        if (s.x1 == s.x2) loddrette.push_back(s);
    ASSERT_EQ(loddrette.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        const auto& s = loddrette[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.x1, -5 + i);
        EXPECT_EQ(s.y1, -12.5);
        EXPECT_EQ(s.y2, 10.5);
        EXPECT_EQ(s.bredde, 1);
    }
}

TEST(Graf, HorizontalGridLinesTwoUnitsApart) {
    const auto g = tegn(x_i_andre, fire);
    std::vector<Strek> vannrette;
    for (const auto& s : g.med_farge(Farge{153, 153, 153}))
        if (s.y1 == s.y2) vannrette.push_back(s);
    ASSERT_EQ(vannrette.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        const auto& s = vannrette[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.y1, -12 + 2 * i);  // mathematical 12 at the top down to -10
        EXPECT_EQ(s.x1, -5.5);
        EXPECT_EQ(s.x2, 10.5);
    }
}

TEST(Graf, LabelsAtEveryGridLineButZero) {
    const auto g = tegn(x_i_andre, fire);
    std::vector<std::string> xtekster, ytekster;
    for (const auto& e : g.etiketter) {
        if (e.topp == 0.1) {
            xtekster.push_back(e.tekst);
            const double v = std::stod(e.tekst);
            EXPECT_DOUBLE_EQ(e.venstre, v - 0.125 * e.tekst.size()) << e.tekst;  // centred
        } else {
            ytekster.push_back(e.tekst);
            const double w = std::stod(e.tekst);
            EXPECT_DOUBLE_EQ(e.venstre, -0.2 - 0.25 * e.tekst.size()) << e.tekst;
            EXPECT_DOUBLE_EQ(e.topp, -w - 0.6) << e.tekst;  // 0.6 above its grid line
        }
    }
    EXPECT_EQ(xtekster, (std::vector<std::string>{"-5", "-4", "-3", "-2", "-1", "1", "2", "3", "4",
                                                  "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(ytekster, (std::vector<std::string>{"12", "10", "8", "6", "4", "2", "-2", "-4", "-6",
                                                  "-8", "-10"}));
}

TEST(Graf, AxesAreBlackAndTwoPixelsWide) {
    const auto g = tegn(x_i_andre, fire);
    const auto svarte = g.med_farge(Farge{0, 0, 0});
    ASSERT_EQ(svarte.size(), 2u);
    EXPECT_EQ(svarte[0].x1, 0);
    EXPECT_EQ(svarte[0].y1, -12.5);
    EXPECT_EQ(svarte[0].x2, 0);
    EXPECT_EQ(svarte[0].y2, 10.5);
    EXPECT_EQ(svarte[1].x1, -5.5);
    EXPECT_EQ(svarte[1].y1, 0);
    EXPECT_EQ(svarte[1].x2, 10.5);
    EXPECT_EQ(svarte[1].y2, 0);
    for (const auto& s : svarte) EXPECT_EQ(s.bredde, 2);
}

struct Kryssing {
    const char* navn;
    Sidefunksjon venstre, hoeyre;
    double x;        // where the curves cross
    double y_vindu;  // the crossing's y in window coordinates
};

// Test names show the row's name, not the bytes of the row.
void PrintTo(const Kryssing& rad, std::ostream* os) {
    *os << rad.navn;
}

class GrafKurver : public ::testing::TestWithParam<Kryssing> {};

TEST_P(GrafKurver, RedLeftAndBlueRightMeetAtTheSolution) {
    const Kryssing& k = GetParam();
    const auto g = tegn(k.venstre, k.hoeyre);
    const auto roede = g.med_farge(Farge{128, 0, 0});
    const auto blaa = g.med_farge(Farge{0, 0, 128});
    ASSERT_EQ(roede.size(), 64u);
    ASSERT_EQ(blaa.size(), 64u);
    for (std::size_t i = 0; i < 64; ++i) {
        EXPECT_EQ(roede[i].x1, -5.5 + 0.25 * i);
        EXPECT_EQ(roede[i].x2, roede[i].x1 + 0.25);
        EXPECT_EQ(blaa[i].x1, roede[i].x1);
        EXPECT_EQ(roede[i].bredde, 1);
        EXPECT_EQ(roede[i].y1, -k.venstre(roede[i].x1));
        EXPECT_EQ(blaa[i].y2, -k.hoeyre(blaa[i].x2));
    }
    EXPECT_EQ(roede.back().x2, 10.5);
    const auto i = static_cast<std::size_t>((k.x + 5.5) / 0.25) - 1;  // segment ending at x
    EXPECT_EQ(roede[i].x2, k.x);
    EXPECT_EQ(roede[i].y2, k.y_vindu);
    EXPECT_EQ(blaa[i].y2, k.y_vindu);
}

INSTANTIATE_TEST_SUITE_P(Likninger, GrafKurver,
                         ::testing::Values(Kryssing{"x2_er_4_hoeyre", x_i_andre, fire, 2, -4},
                                           Kryssing{"x2_er_4_venstre", x_i_andre, fire, -2, -4},
                                           Kryssing{"2x_pluss_3_er_5",
                                                    [](double x) { return 2 * x + 3; },
                                                    [](double) { return 5.0; }, 1, -5}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Graf, RedAndBlueSegmentsAlternateAfterTheAxes) {
    const auto g = tegn(x_i_andre, fire);
    ASSERT_EQ(g.streker.size(), 16u + 12u + 2u + 128u);
    for (std::size_t i = 30; i < g.streker.size(); i += 2) {
        EXPECT_EQ(g.streker[i].farge, (Farge{128, 0, 0}));
        EXPECT_EQ(g.streker[i + 1].farge, (Farge{0, 0, 128}));
    }
}

TEST(Graf, SnapshotOfLineZeroAndItsSides) {
    Ark ark;
    const std::array<Celle, 7> t{0, 1, 0, -4, 0, 3, 1};
    const std::array<Celle, 7> n{0, 1, 1, 1, 1, 2, 2};
    for (int j = 1; j <= 6; ++j) {
        ark.teller[0][j] = t[static_cast<std::size_t>(j)];
        ark.nevner[0][j] = n[static_cast<std::size_t>(j)];
    }
    const Grafoppgave o = grafoppgave(ark);
    ark.teller[0][1] = 50;  // later changes do not reach the snapshot
    EXPECT_DOUBLE_EQ(sideverdi(o, 3, Side::venstre), 5);
    EXPECT_DOUBLE_EQ(sideverdi(o, 3, Side::hoeyre), 5);
    EXPECT_DOUBLE_EQ(sideverdi(o, -0.5, Side::hoeyre), -0.25);
    EXPECT_EQ(sideverdi(Grafoppgave{}, 3, Side::venstre), 0.0);  // denominators 0: nothing written
}

// Where the curves cross, as the text alternative says it: a x² + b x + c = d x² + e x + f.
TEST(Graf, CrossingTextSaysExactlyWhereTheCurvesCross) {
    struct Rad {
        std::array<Celle, 6> teller;
        std::array<Celle, 6> nevner;
        const char* tekst;
    };
    const Rad rader[] = {
        {{1, 0, 0, 0, 0, 4}, {1, 1, 1, 1, 1, 1}, "Kurvene krysser hverandre i x = −2 og x = 2"},
        {{1, 0, 0, 0, 0, -4}, {1, 1, 1, 1, 1, 1}, "Kurvene krysser ikke hverandre"},
        {{0, 2, 3, 0, 0, 5}, {1, 1, 1, 1, 1, 1}, "Kurvene krysser hverandre i x = 1"},
        {{0, 1, 0, 0, 1, 0}, {1, 1, 1, 1, 1, 1}, "Kurvene er like"},
        {{1, 0, 0, 0, 0, 2}, {1, 1, 1, 1, 1, 1}, "Kurvene krysser hverandre i x = −√2 og x = √2"},
        {{1, 1, 0, 0, 0, 1},
         {1, 1, 1, 1, 1, 1},
         "Kurvene krysser hverandre i x = −1/2 − (1/2)√5 og x = −1/2 + (1/2)√5"},
        {{1, 0, 0, 0, 3, -1}, {1, 1, 1, 1, 2, 2}, "Kurvene krysser hverandre i x = 1/2 og x = 1"},
        {{1, -2, 1, 0, 0, 0}, {1, 1, 1, 1, 1, 1}, "Kurvene krysser hverandre i x = 1"},
    };
    for (const Rad& r : rader) {
        Ark ark;
        toemlinje(ark, 0);
        for (int j = 1; j <= 6; ++j) {
            ark.teller[0][j] = r.teller[static_cast<std::size_t>(j - 1)];
            ark.nevner[0][j] = r.nevner[static_cast<std::size_t>(j - 1)];
        }
        EXPECT_EQ(krysningstekst(grafoppgave(ark)), r.tekst);
    }
}

}  // namespace
}  // namespace balvo
