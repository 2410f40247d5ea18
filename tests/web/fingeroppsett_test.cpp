// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a touch screen: at every size and zoom of a tablet or phone every key,
// option and scroll key is a finger's size, no two parts overlap, the rows keep the design's
// proportions, and "Fyll vinduet" fills the screen without running over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "web/fingeroppsett.h"

namespace {

using balvo::Kontroll;
using balvo::Kontrollart;
using balvo::nett::Del;
using balvo::nett::Delplass;
using balvo::nett::fingermaal;
using balvo::nett::fingeroppsett;
using balvo::nett::Fingeroppsett;

struct Rute {
    double venstre, topp, hoeyre, bunn;
};

const Delplass& plass(const Fingeroppsett& o, Del d) {
    return d == Del::ark ? o.ark : d == Del::oppgave ? o.oppgave : o.tastatur;
}

// A part's rectangle on the page, from the controls of the table it holds (the rule that runs
// down the design and the boxes out of sight left out).
Rute rute(const Fingeroppsett& o, Del d) {
    Rute r{1e9, 1e9, -1e9, -1e9};
    const Delplass& p = plass(o, d);
    for (const Kontroll& k : balvo::hovedvinduet()) {
        if (balvo::nett::del(k) != d || k.i_rammen || k.art == Kontrollart::skjult ||
            k.art == Kontrollart::merke || k.navn == "Line4")
            continue;
        r.venstre = std::min(r.venstre, p.venstre + k.sted.venstre / 15.0 * p.skala);
        r.topp = std::min(r.topp, p.topp + k.sted.topp / 15.0 * p.skala);
        r.hoeyre =
            std::max(r.hoeyre, p.venstre + (k.sted.venstre + k.sted.bredde) / 15.0 * p.skala);
        double bunn = p.topp + (k.sted.topp + k.sted.hoeyde) / 15.0 * p.skala;
        if (k.navn == "Frame1") bunn = p.topp + k.sted.topp / 15.0 * p.skala + o.rammehoeyde;
        r.bunn = std::max(r.bunn, bunn);
    }
    if (d == Del::ark) r.hoeyre = std::max(r.hoeyre, o.rullvenstre + o.rullbredde);
    return r;
}

bool overlapper(const Rute& a, const Rute& b) {
    return a.venstre < b.hoeyre && b.venstre < a.hoeyre && a.topp < b.bunn && b.topp < a.bunn;
}

TEST(Fingeroppsett, EveryControlAFingersSizeAndThePartsApart) {
    struct Tilfelle {
        double bredde, hoeyde, zoom;
        bool stablet;
    };
    // Tablets across and upright (under a menu bar a finger high), a phone, zooms of the menu.
    const std::vector<Tilfelle> tilfeller{
        {1024, 724, 0, false}, {768, 980, 0, true},    {1366, 980, 0, false},
        {1024, 724, 1, false}, {1024, 724, 2, false},  {768, 980, 1.25, true},
        {320, 600, 0, true},   {2000, 1400, 0, false}, {800, 400, 0, false},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(testing::Message() << t.bredde << "x" << t.hoeyde << " zoom " << t.zoom);
        const Fingeroppsett o = fingeroppsett(t.bredde, t.hoeyde, t.zoom);
        EXPECT_EQ(o.stablet, t.stablet);
        // The worksheet at the page's scale, the zoom chosen or the largest that fits.
        EXPECT_EQ(o.ark.skala, o.skala);
        if (t.zoom > 0) {
            EXPECT_DOUBLE_EQ(o.skala, t.zoom);
        }
        for (const Kontroll& k : balvo::hovedvinduet()) {
            if (k.art == Kontrollart::tast && balvo::nett::del(k) == Del::tastatur) {
                EXPECT_GE(std::min(k.sted.bredde, k.sted.hoeyde) / 15.0 * o.tastatur.skala,
                          fingermaal - 1e-9)
                    << k.navn;
            }
            if (k.art == Kontrollart::knapp) {
                EXPECT_GE(k.sted.hoeyde / 15.0 * o.oppgave.skala, fingermaal - 1e-9) << k.navn;
            }
        }
        EXPECT_GE(o.rullbredde, fingermaal);
        EXPECT_GE(o.rullnede - o.rulloppe, 2 * fingermaal);
        // Four options a finger high under the frame's title, inside the frame.
        EXPECT_GE(o.rammehoeyde, o.valgtopp + 4 * fingermaal);
        const Rute ark = rute(o, Del::ark), oppgave = rute(o, Del::oppgave),
                   tastatur = rute(o, Del::tastatur);
        EXPECT_FALSE(overlapper(ark, oppgave));
        EXPECT_FALSE(overlapper(ark, tastatur));
        EXPECT_FALSE(overlapper(oppgave, tastatur));
        for (const Rute& r : {ark, oppgave, tastatur}) {
            EXPECT_GE(r.venstre, 0);
            EXPECT_GE(r.topp, 0);
            EXPECT_LE(r.hoeyre, o.bredde + 1e-9);
            EXPECT_LE(r.bunn, o.hoeyde + 1e-9);
        }
        if (t.stablet) {
            // Upright: one part under the other, the keypad centred.
            EXPECT_LE(ark.bunn, oppgave.topp);
            EXPECT_LE(oppgave.bunn, tastatur.topp);
            EXPECT_NEAR(tastatur.venstre, o.bredde - tastatur.hoeyre, 1e-6);
        } else {
            // Across: the keypad beside the exercise part, under the worksheet.
            EXPECT_LE(oppgave.hoeyre, tastatur.venstre);
            EXPECT_LE(ark.bunn, tastatur.topp);
        }
        if (t.zoom == 0 && t.bredde >= 768 && t.hoeyde >= 700) {
            // "Fyll vinduet" fits and fills a tablet: within the area, and no room left to grow
            // both ways. (A phone held across is too low for it: the page scrolls.)
            EXPECT_LE(o.bredde, t.bredde + 1e-6);
            EXPECT_LE(o.hoeyde, t.hoeyde + 1e-6);
            EXPECT_TRUE(o.bredde > t.bredde - 2 || o.hoeyde > t.hoeyde - 2);
        }
    }
}

TEST(Fingeroppsett, UprightTheKeypadUsesTheScreen) {
    // A tablet held upright: the keypad fills most of the height left under the parts above
    // it, within the screen's width.
    const Fingeroppsett o = fingeroppsett(768, 980, 0);
    const Rute t = rute(o, Del::tastatur);
    EXPECT_GT(o.tastatur.skala, 2.5);
    EXPECT_GT(o.hoeyde, 980 * 0.9);
    EXPECT_LE(t.hoeyre - t.venstre, 768);
    // The worksheet as wide as the screen allows beside its scroll column.
    EXPECT_NEAR(o.rullvenstre + o.rullbredde, 768, 20);
}

}  // namespace
