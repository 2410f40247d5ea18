// SPDX-License-Identifier: GPL-3.0-or-later
// Linear text writes what the term splitter decided, piece by piece, so that what a screen
// reader says is what is drawn.
#include "core/display/lineaertekst.h"

#include <algorithm>
#include <string_view>

#include "core/display/leddeling.h"
#include "core/tekst/katalog.h"

namespace balvo {
namespace {

constexpr std::string_view minustegn = "\u2212";
constexpr std::string_view plussminustegn = "\u00b1";
constexpr std::string_view rottegn = "\u221a";
constexpr std::string_view opphoeyd2 = "\u00b2";

// The sign between terms: spaced inside a group, tight in front of its first term.
void fortegn(std::string& gruppe, Fortegn f) {
    std::string_view tegn;
    switch (f) {
        case Fortegn::ingen:
            return;
        case Fortegn::pluss:
            tegn = "+";
            break;
        case Fortegn::minus:
            tegn = minustegn;
            break;
        case Fortegn::plussminus:
            tegn = plussminustegn;
            break;
    }
    if (gruppe.empty()) {
        gruppe += tegn;
    } else {
        gruppe += ' ';
        gruppe += tegn;
        gruppe += ' ';
    }
}

// A coefficient: a fraction in front of something is bracketed, so that 3/4x cannot be read
// as 3/(4x).
std::string koeffisient(const std::string& teller, const std::string& nevner, bool foran) {
    if (nevner.empty()) return teller;
    const std::string broek = teller + "/" + nevner;
    return foran ? "(" + broek + ")" : broek;
}

void ledd(std::string& gruppe, const Ledd& l) {
    fortegn(gruppe, l.fortegn);
    gruppe += koeffisient(l.teller, l.nevner, l.plass != Plass::konstant);
    if (l.plass == Plass::konstant) return;
    gruppe += 'x';
    if (l.plass == Plass::x2) gruppe += opphoeyd2;
}

bool naken(const std::string& radikand) {
    if (radikand == "x") return true;
    return std::all_of(radikand.begin(), radikand.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::string side(const Sideledd& s) {
    if (s.tom()) return "0";
    std::string ut;
    for (const Ledd& l : s.ledd) ledd(ut, l);
    if (s.rot) {
        const Ledd& k = s.rot->koeffisient;
        const bool radikal = !s.rot->radikand.empty();
        fortegn(ut, k.fortegn);
        ut += koeffisient(k.teller, k.nevner, radikal);
        if (radikal) {
            std::string under;
            for (const Ledd& l : s.rot->radikand) ledd(under, l);
            ut += rottegn;
            ut += naken(under) ? under : "(" + under + ")";
        }
    }
    return ut;
}

}  // namespace

std::string likningstekst(const Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return {};
    return side(delside(ark, n, Side::venstre)) + " = " + side(delside(ark, n, Side::hoeyre));
}

std::string operasjonstekst(const Ark& ark, int n) {
    const Operanddel o = deloperand(ark, n);
    std::string tekst = oversettelse(operasjonsnavn(o.operasjon));
    if (!med_operand(o.operasjon)) return tekst;
    // As the operand field draws it: a 1 in front of x is left out, −1 keeps its digit.
    tekst += ' ';
    if (o.minus) tekst += minustegn;
    tekst += koeffisient(o.teller, o.nevner, o.potens > 0);
    if (o.potens > 0) tekst += 'x';
    if (o.potens == 2) tekst += opphoeyd2;
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
