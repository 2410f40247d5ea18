// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom: steps of 25 % within 50..400 %, the zoom that fills a window, places from the
// design's table at every zoom, and the menu "Vis" with its shortcuts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/zoom.h"

namespace balvo {
namespace {

TEST(Zoom, StepsOfAQuarterWithinHalfToFour) {
    struct Rad {
        double fra, stoerre, mindre;
    };
    const Rad rader[] = {
        {1.0, 1.25, 0.75}, {0.5, 0.75, 0.5},           {4.0, 4.0, 3.75},
        {2.0, 2.25, 1.75}, {2.37, 2.5, 2.25},  // the window filled: to the nearest step
        {0.6, 0.75, 0.5},  {1.0000000001, 1.25, 0.75},
    };
    for (const Rad& r : rader) {
        SCOPED_TRACE(r.fra);
        EXPECT_DOUBLE_EQ(stoerre_zoom(r.fra), r.stoerre);
        EXPECT_DOUBLE_EQ(mindre_zoom(r.fra), r.mindre);
    }
    EXPECT_EQ(gyldig_zoom(std::nan("")), 1.0);
    EXPECT_EQ(gyldig_zoom(9), 4.0);
    EXPECT_EQ(gyldig_zoom(0.1), 0.5);
    EXPECT_EQ(gyldig_zoom(1.75), 1.75);
}

// The largest zoom at which the whole design (634 × 420 pixels at 100 %) fits.
TEST(Zoom, FillsTheWindowAsFarAsTheDesignFits) {
    struct Rad {
        int bredde, hoeyde;
        double zoom;
    };
    const Rad rader[] = {
        {634, 420, 1.0}, {1268, 840, 2.0},    {1268, 2000, 2.0}, {1920, 1055, 1055 / 420.0},
        {100, 100, 0.5}, {10000, 10000, 4.0},
    };
    for (const Rad& r : rader) {
        SCOPED_TRACE(std::to_string(r.bredde) + "x" + std::to_string(r.hoeyde));
        const double z = fyllzoom(r.bredde, r.hoeyde);
        EXPECT_DOUBLE_EQ(z, r.zoom);
        const Piksler hele = skaler(klientflate, z);
        if (z > minste_zoom) {
            EXPECT_LE(hele.bredde, r.bredde);
            EXPECT_LE(hele.hoeyde, r.hoeyde);
        }
        // A hundredth more no longer fits, unless the zoom stopped at 400 %.
        const Piksler stoerre = skaler(klientflate, z + 0.01);
        if (z < stoerste_zoom) {
            EXPECT_TRUE(stoerre.bredde > r.bredde || stoerre.hoeyde > r.hoeyde);
        }
    }
}

// At 100 % every control is the design, 15 twips to a pixel; at every step each is the
// design times the zoom within half a pixel at its edges.
TEST(Zoom, EveryControlFromTheTable) {
    for (const Kontroll& k : hovedvinduet()) {
        SCOPED_TRACE(std::string(k.navn));
        const Twips& t = k.sted;
        EXPECT_EQ(skaler(t, 1.0),
                  (Piksler{t.venstre / 15, t.topp / 15, t.bredde / 15, t.hoeyde / 15}));
        EXPECT_EQ(skaler(t, 2.0), (Piksler{2 * t.venstre / 15, 2 * t.topp / 15, 2 * t.bredde / 15,
                                           2 * t.hoeyde / 15}));
        for (double z = minste_zoom; z <= stoerste_zoom; z += zoomsteg) {
            const Piksler p = skaler(t, z);
            EXPECT_LE(std::abs(p.venstre - t.venstre * z / 15), 0.5);
            EXPECT_LE(std::abs(p.venstre + p.bredde - (t.venstre + t.bredde) * z / 15), 0.5);
            EXPECT_LE(std::abs(p.topp + p.hoeyde - (t.topp + t.hoeyde) * z / 15), 0.5);
        }
    }
    EXPECT_EQ(skaler(1, 0.5), 1);  // a rule stays visible
    EXPECT_EQ(skaler(2, 2.5), 5);
}

// The menus' Ctrl shortcuts, as the keyboard looks them up: a letter with or without Shift,
// or the character a key types.
TEST(Menysnarveier, EachFindsItsItem) {
    using N = Tastenavn;
    struct Rad {
        N tast;
        bool skift;
        const char* tegn;
        const char* punkt;  // nullptr: no menu's
    };
    const Rad rader[] = {
        {N::s, false, "", "Lagre"},        {N::s, true, "", "lagreoekt"},
        {N::p, false, "", "Utskrift"},     {N::p, true, "", "skrivutoekt"},
        {N::z, false, "", "angre"},        {N::t, false, "", "tips"},
        {N::ingen, false, "+", "stoerre"}, {N::ingen, true, "+", "stoerre"},
        {N::ingen, false, "=", "stoerre"}, {N::ingen, false, "-", "mindre"},
        {N::ingen, false, "0", "vanlig"},  {N::n, false, "", nullptr},
        {N::ingen, false, "7", nullptr},   {N::e, true, "", nullptr},
    };
    for (const Rad& r : rader) {
        SCOPED_TRACE(std::string(r.tegn) + (r.punkt ? r.punkt : "-"));
        const Menypunkt* m = finnmenypunkt(r.tast, r.skift, r.tegn);
        if (!r.punkt) {
            EXPECT_EQ(m, nullptr);
        } else {
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(m->navn, r.punkt);
        }
    }
    EXPECT_STREQ(vismeny.kilde, "Vis");
    std::string vis;
    for (const Menypunkt& m : vismenyen())
        vis += (m.tekst.kilde ? m.tekst.kilde : "-") + std::string("|");
    EXPECT_EQ(vis, "Større|Mindre|Vanlig størrelse|-|Fyll vinduet|");
    EXPECT_TRUE(vismenyen().back().avkrysbar);
}

}  // namespace
}  // namespace balvo
