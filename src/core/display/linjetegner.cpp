// Typesets a worksheet line the way it would be written on paper: numbers, x and the exponent
// as text, signs, bars, the equals sign and radicals as strokes, rebuilt from the numbers on
// every call.
#include "core/display/linjetegner.h"

#include <climits>
#include <cmath>
#include <cstdint>

#include "core/display/penn.h"

namespace balvo {
namespace {

using skrift::broek;
using skrift::eksponent;
using skrift::heltall;
using skrift::likning;
using skrift::operasjon;
using skrift::variabel;

// Rows are 36.75 points apart as far as the solved marker is concerned.
constexpr double radhoeyde = 36.75;

enum class Plass { x2, x, konstant };

// The pen that walks along one line of one box; p is ark.xpos throughout.
class Setter : public Penn {
public:
    Setter(Ark& ark, Tegneflate& flate) : Penn(ark, flate, likning) {}

    void minustegn() {
        f_.rektangel(p() + 4, m_ - 0.3, p() + 12, m_ + 0.3);
        ark_.xpos += 12;
    }
    void plusstegn() {
        f_.rektangel(p() + 7.625, m_ - 4, p() + 8.375, m_ + 4);
        f_.rektangel(p() + 4, m_ - 0.3, p() + 12, m_ + 0.3);
        ark_.xpos += 12;
    }
    void plussminus() {
        f_.rektangel(p() + 7.625, m_ - 8, p() + 8.375, m_);
        f_.rektangel(p() + 4, m_ - 4.3, p() + 12, m_ - 3.7);
        f_.rektangel(p() + 4, m_ + 3.7, p() + 12, m_ + 4.3);
        ark_.xpos += 12;
    }
    void likhetstegn() {
        f_.rektangel(p() + 8, m_ - 1.9, p() + 16, m_ - 1.3);
        f_.rektangel(p() + 8, m_ + 1.3, p() + 16, m_ + 1.9);
        ark_.xpos += 16;
    }
    // Three parallel strokes down to the foot, then three up to the top of the overline.
    void rottegn() {
        f_.strek(p() + 4, m_ - 4.8, p() + 8, m_ + 16);
        f_.strek(p() + 4.3, m_ - 4.8, p() + 8.4, m_ + 16);
        f_.strek(p() + 4.6, m_ - 4.8, p() + 8.7, m_ + 16);
        ark_.xpos += 8;
        f_.strek(p() + 0.3, m_ + 16, p() + 5.6, m_ - 16);
        f_.strek(p() + 0.6, m_ + 16, p() + 5.9, m_ - 16);
        f_.strek(p() + 0.8, m_ + 16, p() + 6.4, m_ - 16);
        ark_.xpos += 5.6;
    }
    void overstrek(double g) { f_.rektangel(g, m_ - 16.5, p(), m_ - 15.5); }
    void understrek() { f_.rektangel(4, m_ + 15.5, p(), m_ + 16.5); }
    void tomside() { tall("0"); }

    // One term a/b of a group that started at g; a positive first term gets no sign.
    void ledd(Celle a, Celle b, Plass plass, double g) {
        if (a == 0) return;
        if (a < 0) {
            minustegn();
        } else if (p() > g + 8) {
            plusstegn();
        }
        if (b != 1) {
            broekdel(beloeptekst(a), std::to_string(b));
        } else if ((a != 1 && a != -1) || plass == Plass::konstant) {
            tall(beloeptekst(a));
        }
        if (plass == Plass::konstant) return;
        x();
        if (plass == Plass::x2) kvadrat();
    }

    // The coefficient in front of a radical: minus or plus on the left, always ± on the right.
    // Without a radicand it stands as a plain number, 1 included.
    void rotkoeffisient(Celle k, Celle n, bool hoeyre, bool radikand) {
        if (k == 0) return;
        if (hoeyre) {
            plussminus();
        } else if (k < 0) {
            minustegn();
        } else if (p() > 8) {
            plusstegn();
        }
        if (n != 1) {
            broekdel(beloeptekst(k), std::to_string(n));
        } else if ((k != 1 && k != -1) || !radikand) {
            tall(beloeptekst(k));
        }
    }

    // One side's root part: coefficient, then the radical over its radicand. A side whose
    // coefficient is 0 has no root part, so no radical is drawn for leftover radicand cells.
    void rotdel(int i, bool hoeyre) {
        const int kk = hoeyre ? 7 : 0;
        const Celle k = ark_.rotteller[i][kk];
        const bool radikand = radikand_finnes(ark_, i, hoeyre);
        rotkoeffisient(k, ark_.rotnevner[i][kk], hoeyre, radikand);
        if (k == 0 || !radikand) return;
        rottegn();
        const double g = p();
        const int forste = hoeyre ? 4 : 1;
        for (int j = 0; j < 3; ++j)
            ledd(ark_.rotteller[i][forste + j], ark_.rotnevner[i][forste + j],
                 static_cast<Plass>(j), g);
        overstrek(g);
    }
};

}  // namespace

void settskrift(std::string_view sted, Tegneflate& boks, std::string_view art) {
    if (sted == likning || sted == operasjon) boks.settfontnavn(skrifttype);
    boks.settkursiv(art == variabel);
    if (art == broek) {
        boks.settstoerrelse(16);
    } else if (art == heltall || art == variabel) {
        boks.settstoerrelse(20);
    } else if (art == eksponent) {
        boks.settstoerrelse(14);
    }
}

int stoerste(int a, int b) {
    return a < b ? b : a;
}

std::string beloeptekst(Celle v) {
    // Negating in unsigned arithmetic keeps the most negative value defined.
    const auto u = static_cast<std::uint64_t>(v);
    return std::to_string(v < 0 ? std::uint64_t{0} - u : u);
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

bool radikand_finnes(const Ark& ark, int linje, bool hoeyre) {
    const int j = hoeyre ? 4 : 1;
    const auto& t = ark.rotteller[linje];
    if (t[j] != 0 || t[j + 1] != 0) return true;
    if (t[j + 2] == 0) return false;
    return !(t[j + 2] == 1 && ark.rotnevner[linje][j + 2] == 1);
}

void tegnlinje(Ark& ark, int linje, int boks, Tegneflate& flate, Merke& merke) {
    Setter s(ark, flate);
    ark.xpos = 0;
    flate.toem();
    if (linje < 0 || linje > siste_linje) return;
    const int i = linje;

    for (int j = 1; j <= 3; ++j)
        s.ledd(ark.teller[i][j], ark.nevner[i][j], static_cast<Plass>(j - 1), 0);
    s.rotdel(i, false);
    if (s.p() < 8) s.tomside();

    s.likhetstegn();
    const double r = s.p();
    for (int j = 4; j <= 6; ++j)
        s.ledd(ark.teller[i][j], ark.nevner[i][j], static_cast<Plass>(j - 4), r);
    s.rotdel(i, true);
    if (s.p() < r + 8) s.tomside();

    if (loest(ark, i)) {
        s.understrek();
        merke.vismerke(s.p() + 20, boks * radhoeyde);
    }
}

}  // namespace balvo
