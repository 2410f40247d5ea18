// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/algebra/linje.h"
#include "core/algebra/regning.h"

namespace balvo::algebra {
namespace {

// The whole root that kvadratsjekk has vouched for; should it ever be missing the
// operation is refused rather than written wrong.
Celle rot(Celle v, Regner& r) {
    return r.sjekk(helrot(v));
}

}  // namespace

void kvadratrot(const Ark& ark, int n, Linje& ny, Regner& r) {
    for (Side side : {Side::venstre, Side::hoeyre}) {
        const auto& t = ark.teller[n];
        const auto& nv = ark.nevner[n];
        const int o = forskyvning(side);
        const int k = rotkolonne(side);
        if (kvadratsjekk(ark, n, side) == kvadratisk) {
            // (√a·x ± √c)²: the sign of the constant follows the sign of b.
            const Celle sg = t[o + 2] < 0 ? -1 : 1;
            ny.teller[o + 1] = 0;
            ny.nevner[o + 1] = 1;
            ny.teller[o + 2] = rot(t[o + 1], r);
            ny.nevner[o + 2] = rot(nv[o + 1], r);
            ny.teller[o + 3] = rot(t[o + 3], r) * sg;
            ny.nevner[o + 3] = rot(nv[o + 3], r);
            ny.fjernrot(side);
            // A constant alone on the right gives both roots: it becomes the ± coefficient.
            if (side == Side::hoeyre && hoeyreledd(ark, n) == 1) {
                ny.rotteller[k] = ny.teller[6];
                ny.rotnevner[k] = ny.nevner[6];
                ny.teller[6] = 0;
                ny.nevner[6] = 1;
            }
        } else {
            for (int j = o + 1; j <= o + 3; ++j) {
                ny.rotteller[j] = t[j];
                ny.rotnevner[j] = nv[j];
                ny.teller[j] = 0;
                ny.nevner[j] = 1;
            }
            ny.rotteller[k] = 1;
            ny.rotnevner[k] = 1;
        }
    }
}

void kvadrer(const Linje& gammel, Linje& ny, Regner& r) {
    for (Side side : {Side::venstre, Side::hoeyre}) {
        const int o = forskyvning(side);
        const int k = rotkolonne(side);
        if (gammel.rotteller[k] != 0) {
            // (k·√R)² = k²·R: the root is undone, the polynomial part is not used.
            const Celle kt = r.gange(gammel.rotteller[k], gammel.rotteller[k]);
            const Celle kn = r.gange(gammel.rotnevner[k], gammel.rotnevner[k]);
            for (int j = o + 1; j <= o + 3; ++j) {
                ny.teller[j] = r.gange(gammel.rotteller[j], kt);
                ny.nevner[j] = r.gange(gammel.rotnevner[j], kn);
            }
        } else {
            // (bx + c)²; there is no x² term to square.
            const Celle bt = gammel.teller[o + 2], bn = gammel.nevner[o + 2];
            const Celle ct = gammel.teller[o + 3], cn = gammel.nevner[o + 3];
            ny.teller[o + 1] = r.gange(bt, bt);
            ny.nevner[o + 1] = r.gange(bn, bn);
            ny.teller[o + 2] = r.gange(2, r.gange(bt, ct));
            ny.nevner[o + 2] = r.gange(bn, cn);
            ny.teller[o + 3] = r.gange(ct, ct);
            ny.nevner[o + 3] = r.gange(cn, cn);
        }
        ny.fjernrot(side);
    }
}

}  // namespace balvo::algebra
