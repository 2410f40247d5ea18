// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's canvas surface draws the busy line with the same sequence of texts, bars
// and strokes as the recording surface, at every scale; and the catalogue exported from the
// translation files.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../../bench/travel_linje.h"
#include "core/display/linjetegner.h"
#include "opptaksflate.h"
#include "web/lerretsflate.h"
#include "web/nettkatalog.h"

namespace {

using balvo::nett::Lerretsflate;
using balvo::test::Opptak;
using balvo::test::Opptaksflate;

// A canvas that records every call, measuring as the recording surface does: half the font's
// size per character, the ascent 0.9 of it.
struct Kall {
    std::string art, font, tekst;
    double a = 0, b = 0, c = 0, d = 0, e = 0;
};

double piksler(const std::string& font) {
    const auto slutt = font.find("px");
    const auto start = font.rfind(' ', slutt) == std::string::npos ? 0 : font.rfind(' ', slutt) + 1;
    return std::stod(font.substr(start, slutt - start));
}

class Opptakslerret : public balvo::nett::Lerret {
public:
    void stoerrelse(int b, int h, double tetthet) override {
        kall.push_back({"stoerrelse", {}, {}, 1.0 * b, 1.0 * h, tetthet});  // c: the ratio
    }
    void toem() override { kall.push_back({"toem", {}, {}}); }
    double bredde(const std::string& font, std::string_view t) override {
        return Opptaksflate::bredde(t, piksler(font));
    }
    double stigning(const std::string& font) override { return 0.9 * piksler(font); }
    void tekst(const std::string& font, std::string_view t, double x, double y,
               const std::string&) override {
        kall.push_back({"tekst", font, std::string(t), x, y});
    }
    void strek(double x1, double y1, double x2, double y2, double bredde,
               const std::string&) override {
        kall.push_back({"strek", {}, {}, x1, y1, x2, y2, bredde});
    }
    void fyll(double x, double y, double b, double h, const std::string&) override {
        kall.push_back({"fyll", {}, {}, x, y, b, h});
    }
    std::vector<Kall> kall;
};

struct Tom : balvo::Merke {
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

class Lerretsflaten : public ::testing::TestWithParam<double> {};

TEST_P(Lerretsflaten, TegnerSammeSomOpptaksflaten) {
    const double k = GetParam();
    balvo::Ark ark;
    travel_linje(ark, 3);
    Tom merke;
    Opptaksflate fasit;
    balvo::tegnlinje(ark, 3, 1, fasit, merke);

    Opptakslerret lerret;
    Lerretsflate flate(lerret, 305.25, 36.75, balvo::moerkeblaa);
    flate.settskala(k);
    lerret.kall.clear();
    balvo::tegnlinje(ark, 3, 1, flate, merke);

    ASSERT_EQ(lerret.kall.front().art, "toem");
    const std::vector<Kall> tegnet(lerret.kall.begin() + 1, lerret.kall.end());
    ASSERT_EQ(tegnet.size(), fasit.opptak().size());
    for (std::size_t i = 0; i < tegnet.size(); ++i) {
        const Opptak& o = fasit.opptak()[i];
        const Kall& c = tegnet[i];
        SCOPED_TRACE(i);
        switch (o.art) {
            case Opptak::Art::skriv:
                // The cell's top-left corner given, the baseline one ascent below it.
                ASSERT_EQ(c.art, "tekst");
                EXPECT_EQ(c.tekst, o.tekst);
                EXPECT_EQ(c.font, Lerretsflate::css(o.fontnavn, o.stoerrelse * k, o.kursiv));
                EXPECT_NEAR(c.a, o.x1 * k, 1e-9);
                EXPECT_NEAR(c.b, (o.y1 + 0.9 * o.stoerrelse) * k, 1e-9);
                break;
            case Opptak::Art::strek: {
                // One pixel at 96 dpi in whole device pixels, at least one; its ends within
                // half a pixel, on a pixel's middle for an odd width and on an edge for even.
                ASSERT_EQ(c.art, "strek");
                EXPECT_EQ(c.e, std::max(1.0, std::round(0.75 * k)));
                const double midt = std::fmod(c.e, 2) == 1 ? 0.5 : 0;
                const double ender[][2] = {{c.a, o.x1}, {c.b, o.y1}, {c.c, o.x2}, {c.d, o.y2}};
                for (const auto& [v, punkt] : ender) {
                    EXPECT_LE(std::abs(v - punkt * k), 0.5 + 1e-9);
                    EXPECT_EQ(v - std::floor(v), midt);
                }
                break;
            }
            case Opptak::Art::rektangel: {
                // On whole device pixels, at least one wide, within a pixel of the bar.
                ASSERT_EQ(c.art, "fyll");
                const double bx = std::abs(o.x2 - o.x1) * k, by = std::abs(o.y2 - o.y1) * k;
                EXPECT_EQ(c.a, std::round(c.a));
                EXPECT_EQ(c.b, std::round(c.b));
                EXPECT_GE(c.c, 1);
                EXPECT_GE(c.d, 1);
                EXPECT_NEAR(c.c, std::max(1.0, bx), 1.0);
                EXPECT_NEAR(c.d, std::max(1.0, by), 1.0);
                EXPECT_NEAR(c.a + c.c / 2, (o.x1 + o.x2) / 2 * k, 1.0);
                EXPECT_NEAR(c.b + c.d / 2, (o.y1 + o.y2) / 2 * k, 1.0);
                break;
            }
        }
    }

    // A new scale repaints the same list on a backing store of the new size: the box's size
    // rounded to whole device pixels, never a pixel more (the browser would shrink the
    // picture and thin bars would fade), and the pixel ratio handed on for the box.
    lerret.kall.clear();
    flate.settskala(2 * k, 1.25);
    ASSERT_EQ(lerret.kall.size(), tegnet.size() + 1);
    EXPECT_EQ(lerret.kall[0].a, std::round(305.25 * 2 * k));
    EXPECT_EQ(lerret.kall[0].b, std::round(36.75 * 2 * k));
    EXPECT_EQ(lerret.kall[0].c, 1.25);
}

TEST(Lerretsflaten, BildetErBoksensStoerrelseIHelePiksler) {
    // {points, device pixels per point, pixels}: rounded to the nearest, never below one.
    const struct {
        double punkter, k;
        int piksler;
    } tabell[] = {{305.25, 4.0 / 3.0, 407},
                  {305.25, 1.1 * 4 / 3, 448},
                  {36.75, 1.1 * 4 / 3, 54},
                  {36.75, 1.36 * 4 / 3, 67},
                  {0.2, 1, 1},
                  {10.4, 1, 10},
                  {10.6, 1, 11}};
    for (const auto& r : tabell) {
        Opptakslerret lerret;
        Lerretsflate flate(lerret, r.punkter, r.punkter, balvo::svart);
        flate.settskala(r.k);
        EXPECT_EQ(lerret.kall.back().a, r.piksler) << r.punkter << " pt at " << r.k;
        EXPECT_EQ(lerret.kall.back().b, r.piksler) << r.punkter << " pt at " << r.k;
        EXPECT_EQ(lerret.kall.back().c, 0);  // the print's box is the page's
    }
}

// 1 and 2 device pixels to the point, the layout at 100 % on a normal and a sharp screen
// (4/3, 8/3), and an odd zoom.
INSTANTIATE_TEST_SUITE_P(Skalaer, Lerretsflaten,
                         ::testing::Values(1.0, 2.0, 4.0 / 3.0, 8.0 / 3.0, 2.15));

TEST(Lerretsflaten, TynnStrekBlirEnPikselOmSinMidtlinje) {
    Opptakslerret lerret;
    Lerretsflate flate(lerret, 100, 36.75, balvo::svart);
    flate.settskala(4.0 / 3.0);
    flate.rektangel(4, 18.075, 12, 18.675);  // the minus sign's 0.6-point bar
    const Kall& c = lerret.kall.back();
    EXPECT_EQ(c.d, 1);
    EXPECT_EQ(c.b, 24);  // its centre line, 18.375 points, is 24.5 pixels down
    EXPECT_EQ(c.a, std::round(4 * 4.0 / 3.0));
}

TEST(Nettkatalog, OversetterFerdigeTekster) {
    const balvo::nett::NettKatalog nn("nn");
    EXPECT_EQ(nn.spraak(), "nn");
    EXPECT_EQ(nn.oversett(BALVO_TR("Arket", "Ny oppgave")), "Ny oppgåve");
    // Unfinished and vanished translations, and other contexts, give the Bokmål source.
    EXPECT_EQ(nn.oversett(BALVO_TR("Arket", "Løste oppgaver:")), "Løste oppgaver:");
    EXPECT_EQ(nn.oversett(BALVO_TR("Arket", "Poeng:")), "Poeng:");
    EXPECT_EQ(nn.oversett(BALVO_TR("frmOm", "Ny oppgave")), "Ny oppgave");
    EXPECT_EQ(nn.oversett(BALVO_TR("frmOm", "\"Advarsel:\"\nlinje to")),
              "\"Åtvaring:\"\nline to ?");
    EXPECT_EQ(nn.antall(), 2u);
    // An unknown language is Bokmål, with nothing to translate.
    const balvo::nett::NettKatalog ukjent("xx");
    EXPECT_EQ(ukjent.spraak(), "nb");
    EXPECT_EQ(ukjent.oversett(BALVO_TR("Arket", "Ny oppgave")), "Ny oppgave");
}

}  // namespace
