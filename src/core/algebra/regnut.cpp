// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/algebra/linje.h"
#include "core/algebra/regning.h"

namespace balvo {
namespace {

using algebra::Linje;
using algebra::Regner;

struct Operand {
    Celle p = 0;     // numerator, the pupil's sign included
    Celle q = 1;     // denominator
    int potens = 0;  // 0 none, 1 x, 2 x²
};

// The operand term goes into one column per side and nowhere else: no common
// denominator is sought, forkort reduces afterwards.
void legg_til(Linje& ny, Celle s, const Operand& op, Regner& r) {
    for (int t : {3 - op.potens, 6 - op.potens}) {
        const Celle ledd = r.gange(s, r.gange(ny.nevner[t], op.p));
        ny.teller[t] = r.pluss(r.gange(ny.teller[t], op.q), ledd);
        ny.nevner[t] = r.gange(ny.nevner[t], op.q);
    }
}

// Every term one degree up (opp) or down; the root parts stay where they are.
void flyttgrad(Linje& ny, bool opp) {
    for (int o : {0, 3}) {
        if (opp) {
            ny.teller[o + 1] = ny.teller[o + 2];
            ny.nevner[o + 1] = ny.nevner[o + 2];
            ny.teller[o + 2] = ny.teller[o + 3];
            ny.nevner[o + 2] = ny.nevner[o + 3];
            ny.teller[o + 3] = 0;
            ny.nevner[o + 3] = 1;
        } else {
            ny.teller[o + 3] = ny.teller[o + 2];
            ny.nevner[o + 3] = ny.nevner[o + 2];
            ny.teller[o + 2] = ny.teller[o + 1];
            ny.nevner[o + 2] = ny.nevner[o + 1];
            ny.teller[o + 1] = 0;
            ny.nevner[o + 1] = 1;
        }
    }
}

void gang(const Linje& gammel, Linje& ny, const Operand& op, Regner& r) {
    for (int j = 1; j <= 6; ++j) {
        ny.teller[j] = r.gange(gammel.teller[j], op.p);
        ny.nevner[j] = r.gange(gammel.nevner[j], op.q);
        ny.rotteller[j] = gammel.rotteller[j];
        ny.rotnevner[j] = gammel.rotnevner[j];
    }
    for (int j : {0, 7}) {
        ny.rotteller[j] = r.gange(gammel.rotteller[j], op.p);
        ny.rotnevner[j] = r.gange(gammel.rotnevner[j], op.q);
    }
    if (op.p == 0) {
        ny.fjernrot(Side::venstre);
        ny.fjernrot(Side::hoeyre);
    }
    if (op.potens == 1) flyttgrad(ny, true);
}

void del(const Linje& gammel, Linje& ny, const Operand& op, Regner& r) {
    for (int j = 1; j <= 6; ++j) {
        ny.teller[j] = r.gange(gammel.teller[j], op.q);
        ny.nevner[j] = r.gange(gammel.nevner[j], op.p);
        if (ny.nevner[j] < 0) {
            ny.teller[j] = r.motsatt(ny.teller[j]);
            ny.nevner[j] = r.motsatt(ny.nevner[j]);
        }
        ny.rotteller[j] = gammel.rotteller[j];
        ny.rotnevner[j] = gammel.rotnevner[j];
    }
    for (int j : {0, 7}) {
        ny.rotteller[j] = r.gange(gammel.rotteller[j], op.q);
        ny.rotnevner[j] = r.gange(gammel.rotnevner[j], op.p);
    }
    if (op.potens == 1) flyttgrad(ny, false);
    for (int j : {0, 7}) {
        if (ny.rotnevner[j] < 0) {
            ny.rotteller[j] = r.motsatt(ny.rotteller[j]);
            ny.rotnevner[j] = r.motsatt(ny.rotnevner[j]);
        }
    }
}

void snu(const Linje& gammel, Linje& ny, Regner& r) {
    ny = gammel;
    for (Celle& t : ny.teller) t = r.motsatt(t);
    for (int j : {0, 7}) ny.rotteller[j] = r.motsatt(ny.rotteller[j]);
}

void bytt(const Linje& gammel, Linje& ny) {
    for (auto [tabell, kilde] :
         {std::pair{&ny.teller, &gammel.teller}, std::pair{&ny.nevner, &gammel.nevner},
          std::pair{&ny.rotteller, &gammel.rotteller},
          std::pair{&ny.rotnevner, &gammel.rotnevner}}) {
        for (int j = 1; j <= 3; ++j) {
            (*tabell)[j] = (*kilde)[j + 3];
            (*tabell)[j + 3] = (*kilde)[j];
        }
    }
    ny.rotteller[0] = gammel.rotteller[7];
    ny.rotnevner[0] = gammel.rotnevner[7];
    ny.rotteller[7] = gammel.rotteller[0];
    ny.rotnevner[7] = gammel.rotnevner[0];
}

// Denominators positive, the sign in the numerator. The right root coefficient is
// included too: a negative operand denominator would otherwise leave it negative.
void normaliser(Linje& ny, Regner& r) {
    for (int j = 0; j < antall_kolonner; ++j) {
        if (ny.nevner[j] < 0) {
            ny.teller[j] = r.motsatt(ny.teller[j]);
            ny.nevner[j] = r.motsatt(ny.nevner[j]);
        }
    }
    for (int j : {0, 7}) {
        if (ny.rotnevner[j] < 0) {
            ny.rotteller[j] = r.motsatt(ny.rotteller[j]);
            ny.rotnevner[j] = r.motsatt(ny.rotnevner[j]);
        }
    }
}

}  // namespace

Regneresultat regnut(Ark& ark, int n) {
    constexpr Regneresultat ikke_eksakt{Regnestatus::ikke_eksakt, Etteretning::ingen};
    if (n < 0 || n >= siste_linje) return ikke_eksakt;
    const Operasjon opr = ark.linjeopr[n];
    const Operand op{ark.linjeteller[n], ark.linjenevner[n], ark.linjepotens[n]};
    // An operand that is no number (denominator 0, or a divisor 0) or a power the columns
    // cannot hold is refused like any other result that cannot be written exactly.
    if (med_operand(opr) &&
        (op.q == 0 || op.potens < 0 || op.potens > 2 || (opr == Operasjon::del && op.p == 0))) {
        return ikke_eksakt;
    }

    const Linje gammel = Linje::fra(ark, n);
    Linje ny = Linje::fra(ark, n + 1);  // cells an operation does not define stay as they were
    Regner r;
    Etteretning etteretning = Etteretning::ingen;
    switch (opr) {
        case Operasjon::legg_til:
        case Operasjon::trekk_fra:
            ny = gammel;
            legg_til(ny, opr == Operasjon::legg_til ? 1 : -1, op, r);
            break;
        case Operasjon::gang:
            gang(gammel, ny, op, r);
            if (op.potens == 1) etteretning = Etteretning::gange_med_x;
            break;
        case Operasjon::del:
            del(gammel, ny, op, r);
            if (op.potens == 1) etteretning = Etteretning::dele_med_x;
            break;
        case Operasjon::rot:
            algebra::kvadratrot(ark, n, ny, r);
            break;
        case Operasjon::kvadrer:
            algebra::kvadrer(gammel, ny, r);
            break;
        case Operasjon::snu:
            snu(gammel, ny, r);
            break;
        case Operasjon::bytt:
            bytt(gammel, ny);
            break;
        case Operasjon::ingen:
            break;
    }
    normaliser(ny, r);

    if (r.feil() || !ny.eksakt()) return ikke_eksakt;
    ny.til(ark, n + 1);
    return {Regnestatus::ok, etteretning};
}

}  // namespace balvo
