// Linear text follows the typesetter's choices piece by piece (which sign, whether a 1 is
// written, fraction or whole number), so that what a screen reader says is what is drawn.
#include "core/display/lineaertekst.h"

#include <algorithm>
#include <string_view>

#include "core/display/linjetegner.h"
#include "core/entry/operandfelt.h"

namespace balvo {
namespace {

constexpr std::string_view minustegn = "\u2212";
constexpr std::string_view plussminustegn = "\u00b1";
constexpr std::string_view rottegn = "\u221a";
constexpr std::string_view opphoeyd2 = "\u00b2";

enum class Plass { x2, x, konstant };

std::string broektekst(Celle a, Celle b) {
    return beloeptekst(a) + "/" + std::to_string(b);
}

// The sign between terms: spaced inside a group, tight in front of its first term.
void fortegn(std::string& gruppe, std::string_view tegn) {
    if (gruppe.empty()) {
        gruppe += tegn;
    } else {
        gruppe += ' ';
        gruppe += tegn;
        gruppe += ' ';
    }
}

void ledd(std::string& gruppe, Celle a, Celle b, Plass plass) {
    if (a == 0) return;
    if (a < 0) {
        fortegn(gruppe, minustegn);
    } else if (!gruppe.empty()) {
        fortegn(gruppe, "+");
    }
    // A fraction in front of x is bracketed so that 3/4x cannot be read as 3/(4x).
    if (b != 1) {
        gruppe += plass == Plass::konstant ? broektekst(a, b) : "(" + broektekst(a, b) + ")";
    } else if ((a != 1 && a != -1) || plass == Plass::konstant) {
        gruppe += beloeptekst(a);
    }
    if (plass == Plass::konstant) return;
    gruppe += 'x';
    if (plass == Plass::x2) gruppe += opphoeyd2;
}

bool naken(const std::string& radikand) {
    if (radikand == "x") return true;
    return std::all_of(radikand.begin(), radikand.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// A side's root part: the coefficient (± on the right whatever its sign) and the radical.
void rotdel(std::string& side, const Ark& ark, int i, bool hoeyre) {
    const int kk = hoeyre ? 7 : 0;
    const Celle k = ark.rotteller[i][kk];
    const Celle n = ark.rotnevner[i][kk];
    if (k == 0) return;
    const bool radikand = radikand_finnes(ark, i, hoeyre);
    if (hoeyre) {
        fortegn(side, plussminustegn);
    } else if (k < 0) {
        fortegn(side, minustegn);
    } else if (!side.empty()) {
        fortegn(side, "+");
    }
    if (n != 1) {
        side += radikand ? "(" + broektekst(k, n) + ")" : broektekst(k, n);
    } else if ((k != 1 && k != -1) || !radikand) {
        side += beloeptekst(k);
    }
    if (!radikand) return;
    std::string under;
    const int forste = hoeyre ? 4 : 1;
    for (int j = 0; j < 3; ++j)
        ledd(under, ark.rotteller[i][forste + j], ark.rotnevner[i][forste + j],
             static_cast<Plass>(j));
    side += rottegn;
    side += naken(under) ? under : "(" + under + ")";
}

std::string side(const Ark& ark, int i, bool hoeyre) {
    std::string s;
    const int forste = hoeyre ? 4 : 1;
    for (int j = 0; j < 3; ++j)
        ledd(s, ark.teller[i][forste + j], ark.nevner[i][forste + j], static_cast<Plass>(j));
    rotdel(s, ark, i, hoeyre);
    return s.empty() ? "0" : s;
}

}  // namespace

std::string likningstekst(const Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return {};
    return side(ark, n, false) + " = " + side(ark, n, true);
}

std::string operasjonstekst(const Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return {};
    const std::string& symbol = ark.linjeopr[n];
    std::string tekst(operasjonsnavn(symbol));
    if (tekst.empty() || !med_operand(symbol)) return tekst;
    const Celle teller = ark.linjeteller[n];
    const Celle nevner = ark.linjenevner[n];
    const int potens = ark.linjepotens[n];
    tekst += ' ';
    if (teller < 0) tekst += minustegn;
    // As the operand field draws it: a 1 in front of x is left out, −1 keeps its digit.
    if (nevner != 1) {
        tekst += potens > 0 ? "(" + broektekst(teller, nevner) + ")" : broektekst(teller, nevner);
    } else if (potens == 0 || teller != 1) {
        tekst += beloeptekst(teller);
    }
    if (potens > 0) tekst += 'x';
    if (potens == 2) tekst += opphoeyd2;
    return tekst;
}

int radlinje(const Ark& ark, int rad, bool har_oppgave) {
    if (!har_oppgave || rad < 0 || rad > 4) return -1;
    if (rad == 0) return 0;
    // Rows 1..4 show a window of four lines that ends at linjenr once it has passed 4.
    const int linje = std::max(ark.linjenr, 4) - 4 + rad;
    return linje <= ark.sistelinje ? linje : -1;
}

std::string arktekst(const Ark& ark) {
    std::string tekst;
    const int siste = std::clamp(ark.sistelinje, 0, siste_linje);
    for (int n = 0; n <= siste; ++n) {
        if (n > 0) tekst += '\n';
        tekst += likningstekst(ark, n);
        const std::string opr = operasjonstekst(ark, n);
        if (!opr.empty()) tekst += "    " + opr;
    }
    return tekst;
}

}  // namespace balvo
