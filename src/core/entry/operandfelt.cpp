// SPDX-License-Identifier: GPL-3.0-or-later
// The operand fields: the operation in words followed by its operand as a small formula,
// either as the pupil is typing it or as it was recorded for a worksheet line.
#include "core/entry/operandfelt.h"

#include <string>

#include "core/display/leddeling.h"
#include "core/display/penn.h"
#include "core/tekst/katalog.h"

namespace balvo {
namespace {

// The pieces of an operand field, each drawn at the pen.
class Feltpenn : public Penn {
public:
    explicit Feltpenn(Tegneflate& felt) : Penn(felt, Boksfamilie::operasjon) {}

    // The operation's name at the left edge; the pen moves past it only when an operand
    // follows. Returns whether one does.
    bool operasjonsnavn(Operasjon op) {
        settskrift(Boksfamilie::operasjon, f_, Skriftart::heltall);
        if (op == Operasjon::ingen) return false;
        // In the pupil's language: the field is drawn again when the language changes.
        const std::string navn = oversettelse(balvo::operasjonsnavn(op));
        f_.skriv(0, m_ - 12, navn);
        if (med_operand(op)) x_ = f_.tekstbredde(navn);
        return med_operand(op);
    }
    // The dash 4 points after the pen; `etter` is how far the pen then moves.
    void minustegn(double etter) {
        f_.rektangel(4 + x_, m_ - 0.3, 4 + x_ + 8, m_ + 0.3);
        x_ += etter;
    }
};

}  // namespace

std::string operandtekst(const Inntasting& o) {
    std::string tekst = oversettelse(operasjonsnavn(o.regneart));
    if (!med_operand(o.regneart)) return tekst;
    const bool x = o.medx || o.medx2;
    std::string tall = o.tellertekst;
    if (o.nevnermodus) {
        tall += '/';
        tall += o.nevnertekst;
        if (x) tall = "(" + tall + ")";  // as the linear text writes (3/4)x
    }
    std::string operand;
    if (o.minus) operand += "\u2212";
    operand += tall;
    if (x) operand += 'x';
    if (o.medx2) operand += "\u00b2";
    if (!operand.empty()) tekst += ' ' + operand;
    return tekst;
}

double visoperand(const Inntasting& ark, Tegneflate& felt) {
    Feltpenn penn(felt);
    felt.toem();
    penn.operasjonsnavn(ark.regneart);
    // Everything as typed: leading zeros, an empty numerator, a bar over nothing.
    if (ark.minus) penn.minustegn(8);
    if (ark.nevnermodus) {
        penn.broekdel(ark.tellertekst, ark.nevnertekst);
    } else {
        penn.tall(ark.tellertekst);
    }
    if (ark.medx || ark.medx2) penn.x();
    if (ark.medx2) penn.kvadrat();
    return penn.p();
}

double vislinjeopr(const Ark& ark, int n, int k, Tegneflate& felt) {
    Feltpenn penn(felt);
    felt.toem();
    // Once the sheet has scrolled, the exercise row's field stays empty.
    if (n < 0 || n > siste_linje || (k == 0 && n > 4)) return penn.p();
    const Operanddel o = deloperand(ark, n);
    if (!penn.operasjonsnavn(o.operasjon)) return penn.p();
    if (o.minus) penn.minustegn(4 + 8);
    if (!o.nevner.empty()) {
        penn.broekdel(o.teller, o.nevner);
    } else if (!o.teller.empty()) {
        penn.tall(o.teller);
    }
    if (o.potens > 0) penn.x();
    if (o.potens == 2) penn.kvadrat();
    return penn.p();
}

}  // namespace balvo
