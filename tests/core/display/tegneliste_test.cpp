// SPDX-License-Identifier: GPL-3.0-or-later
// The display list every drawing box keeps: each operation with the font in force, a clear that
// empties it, and a replay that gives another surface the same list.
#include <gtest/gtest.h>

#include "../../../bench/travel_linje.h"
#include "core/display/linjetegner.h"
#include "core/display/tegneliste.h"
#include "opptaksflate.h"

namespace {

using balvo::Tegneop;
using balvo::test::Opptaksflate;
using A = Tegneop::Art;

// A surface that counts its hooks.
class Telleflate : public balvo::Listeflate {
public:
    double hoeyde() const override { return 36.75; }
    double tekstbredde(std::string_view t) const override { return 1.0 * t.size(); }
    int nye = 0, toemminger = 0;

private:
    void lagt(const Tegneop& op) override {
        ++nye;
        EXPECT_EQ(&op, &liste().back());  // told after it is in the list
    }
    void toemt() override {
        ++toemminger;
        EXPECT_TRUE(liste().empty());
    }
};

TEST(Tegneliste, HverOperasjonMedSkriftenSomGjaldt) {
    Telleflate f;
    EXPECT_EQ(f.fontnavn(), "MS Sans Serif");
    EXPECT_EQ(f.fontstoerrelse(), 8.25);
    f.settfontnavn("Times New Roman");
    f.settstoerrelse(16);
    f.skriv(4, 2.375, "3");
    f.rektangel(5, 18.075, 11, 18.675);
    f.settkursiv(true);
    f.settstoerrelse(20);
    f.skriv(12, 5.775, "x");
    f.strek(30, 10, 36, 30);

    struct Rad {
        A art;
        double x1, y1, x2, y2;
        const char* tekst;
        double stoerrelse;
        bool kursiv;
    };
    const Rad forventet[] = {
        {A::skriv, 4, 2.375, 0, 0, "3", 16, false},
        {A::rektangel, 5, 18.075, 11, 18.675, "", 16, false},
        {A::skriv, 12, 5.775, 0, 0, "x", 20, true},
        {A::strek, 30, 10, 36, 30, "", 20, true},
    };
    ASSERT_EQ(f.liste().size(), std::size(forventet));
    EXPECT_EQ(f.nye, 4);
    for (std::size_t i = 0; i < std::size(forventet); ++i) {
        const Tegneop& o = f.liste()[i];
        const Rad& r = forventet[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(o.art, r.art);
        EXPECT_EQ(o.x1, r.x1);
        EXPECT_EQ(o.y1, r.y1);
        EXPECT_EQ(o.x2, r.x2);
        EXPECT_EQ(o.y2, r.y2);
        EXPECT_EQ(o.tekst, r.tekst);
        EXPECT_EQ(o.fontnavn, "Times New Roman");
        EXPECT_EQ(o.stoerrelse, r.stoerrelse);
        EXPECT_EQ(o.kursiv, r.kursiv);
    }

    // A clear empties the list and tells the surface; the font stays in force.
    f.toem();
    EXPECT_TRUE(f.liste().empty());
    EXPECT_EQ(f.antall_operasjoner(), 0u);
    EXPECT_EQ(f.toemminger, 1);
    EXPECT_EQ(f.fontstoerrelse(), 20);
    EXPECT_TRUE(f.kursiv());
}

TEST(Tegneliste, LikhetSerBortFraSkriftenTilStrekOgBalke) {
    Tegneop a{A::strek, 1, 2, 3, 4};
    Tegneop b = a;
    b.fontnavn = "Arial";
    b.stoerrelse = 12;
    EXPECT_EQ(a, b);
    a.art = b.art = A::skriv;
    EXPECT_NE(a, b);
    b = a;
    b.kursiv = true;
    EXPECT_NE(a, b);
    b = a;
    b.y2 = 5;
    EXPECT_NE(a, b);
    b = a;
    b.tekst = "x";
    EXPECT_NE(a, b);
}

// A busy line, replayed from one list onto another surface, is the same list: what every shell's
// box does when it paints.
TEST(Tegneliste, AvspillingGirSammeListe) {
    struct Tom : balvo::Merke {
        void vismerke(double, double) override {}
        void skjulmerke() override {}
    } merke;
    balvo::Ark ark;
    travel_linje(ark, 3);
    Opptaksflate fasit;
    balvo::tegnlinje(ark, 3, 1, fasit, merke);
    ASSERT_GT(fasit.liste().size(), 10u);

    Opptaksflate kopi;
    kopi.settfontnavn("Arial");  // whatever was in force before: every text sets its own font
    for (const Tegneop& op : fasit.liste()) balvo::spill(op, kopi);
    EXPECT_EQ(kopi.liste(), fasit.liste());
}

// Nothing is replayed from an empty list, and a replayed text keeps its own font.
TEST(Tegneliste, AvspiltTekstHarSinEgenSkrift) {
    Opptaksflate kilde;
    kilde.settfontnavn("Times New Roman");
    kilde.settstoerrelse(16);
    kilde.settkursiv(true);
    kilde.skriv(1, 2, "x");
    Opptaksflate kopi;
    balvo::spill(kilde.liste().front(), kopi);
    EXPECT_EQ(kopi.fontnavn(), "Times New Roman");
    EXPECT_EQ(kopi.fontstoerrelse(), 16);
    EXPECT_TRUE(kopi.kursiv());
    EXPECT_EQ(kopi.liste().front().fontnavn, "Times New Roman");
}

}  // namespace
