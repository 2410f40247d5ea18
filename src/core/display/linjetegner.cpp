// SPDX-License-Identifier: GPL-3.0-or-later
// Typesets a worksheet line the way it would be written on paper: numbers, x and the exponent
// as text, signs, bars, the equals sign and radicals as strokes, rebuilt from the numbers on
// every call. What is written comes from the term splitter; this file decides only where.
#include "core/display/linjetegner.h"

#include <climits>
#include <cmath>

#include "core/display/leddeling.h"
#include "core/display/penn.h"

namespace balvo {
namespace {

// Rows are 36.75 points apart as far as the solved marker is concerned.
constexpr double radhoeyde = 36.75;

// The pen that walks along one line of one box.
class Setter : public Penn {
public:
    explicit Setter(Tegneflate& flate) : Penn(flate, Boksfamilie::likning) {}

    void minustegn() {
        f_.rektangel(x_ + 4, m_ - 0.3, x_ + 12, m_ + 0.3);
        x_ += 12;
    }
    void plusstegn() {
        f_.rektangel(x_ + 7.625, m_ - 4, x_ + 8.375, m_ + 4);
        f_.rektangel(x_ + 4, m_ - 0.3, x_ + 12, m_ + 0.3);
        x_ += 12;
    }
    void plussminus() {
        f_.rektangel(x_ + 7.625, m_ - 8, x_ + 8.375, m_);
        f_.rektangel(x_ + 4, m_ - 4.3, x_ + 12, m_ - 3.7);
        f_.rektangel(x_ + 4, m_ + 3.7, x_ + 12, m_ + 4.3);
        x_ += 12;
    }
    void likhetstegn() {
        f_.rektangel(x_ + 8, m_ - 1.9, x_ + 16, m_ - 1.3);
        f_.rektangel(x_ + 8, m_ + 1.3, x_ + 16, m_ + 1.9);
        x_ += 16;
    }
    // Three parallel strokes down to the foot, then three up to the top of the overline.
    void rottegn() {
        f_.strek(x_ + 4, m_ - 4.8, x_ + 8, m_ + 16);
        f_.strek(x_ + 4.3, m_ - 4.8, x_ + 8.4, m_ + 16);
        f_.strek(x_ + 4.6, m_ - 4.8, x_ + 8.7, m_ + 16);
        x_ += 8;
        f_.strek(x_ + 0.3, m_ + 16, x_ + 5.6, m_ - 16);
        f_.strek(x_ + 0.6, m_ + 16, x_ + 5.9, m_ - 16);
        f_.strek(x_ + 0.8, m_ + 16, x_ + 6.4, m_ - 16);
        x_ += 5.6;
    }
    void overstrek(double g) { f_.rektangel(g, m_ - 16.5, x_, m_ - 15.5); }
    void understrek() { f_.rektangel(4, m_ + 15.5, x_, m_ + 16.5); }

    void fortegn(Fortegn f) {
        switch (f) {
            case Fortegn::minus:
                minustegn();
                break;
            case Fortegn::pluss:
                plusstegn();
                break;
            case Fortegn::plussminus:
                plussminus();
                break;
            case Fortegn::ingen:
                break;
        }
    }

    void ledd(const Ledd& l) {
        fortegn(l.fortegn);
        if (!l.nevner.empty()) {
            broekdel(l.teller, l.nevner);
        } else if (!l.teller.empty()) {
            tall(l.teller);
        }
        if (l.plass == Plass::konstant) return;
        x();
        if (l.plass == Plass::x2) kvadrat();
    }

    // A side's terms, then its root coefficient and the radical over its radicand; "0" when
    // nothing was written.
    void side(const Sideledd& s) {
        for (const Ledd& l : s.ledd) ledd(l);
        if (s.rot) {
            ledd(s.rot->koeffisient);
            if (!s.rot->radikand.empty()) {
                rottegn();
                const double g = p();
                for (const Ledd& l : s.rot->radikand) ledd(l);
                overstrek(g);
            }
        }
        if (s.tom()) tall("0");
    }
};

}  // namespace

void settskrift(Boksfamilie, Tegneflate& boks, Skriftart art) {
    // Both box families take the same fonts.
    boks.settfontnavn(skrifttype);
    boks.settkursiv(art == Skriftart::variabel);
    switch (art) {
        case Skriftart::broek:
            boks.settstoerrelse(16);
            break;
        case Skriftart::heltall:
        case Skriftart::variabel:
            boks.settstoerrelse(20);
            break;
        case Skriftart::eksponent:
            boks.settstoerrelse(14);
            break;
    }
}

int stoerste(int a, int b) {
    return a < b ? b : a;
}

int heltbredde(double bredde) {
    if (std::isnan(bredde)) return 0;
    if (bredde <= INT_MIN) return INT_MIN;
    if (bredde >= INT_MAX) return INT_MAX;
    // Halves go to the even neighbour, as whole-number conversion does everywhere here.
    const double r =
        bredde - std::floor(bredde) == 0.5 ? 2 * std::floor(bredde / 2 + 0.5) : std::round(bredde);
    return static_cast<int>(r);
}

double tegnlinje(const Ark& ark, int linje, int boks, Tegneflate& flate, Merke& merke) {
    Setter s(flate);
    flate.toem();
    if (linje < 0 || linje > siste_linje) return s.p();

    s.side(delside(ark, linje, Side::venstre));
    s.likhetstegn();
    s.side(delside(ark, linje, Side::hoeyre));

    if (loest(ark, linje)) {
        s.understrek();
        merke.vismerke(s.p() + 20, boks * radhoeyde);
    }
    return s.p();
}

}  // namespace balvo
