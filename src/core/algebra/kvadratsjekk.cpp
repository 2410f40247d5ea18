// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/algebra/linje.h"
#include "core/algebra/regning.h"

namespace balvo {
namespace {

// |b| == v for v >= 0, without taking the magnitude of b (which may not exist).
bool lik_stoerrelse(Celle b, std::optional<Celle> v) {
    return v && (b == *v || b == -*v);
}

}  // namespace

std::string_view kvadratsjekk(const Ark& ark, int n, Side side) {
    if (n < 0 || n > siste_linje) return ikkekvadratisk;
    const int maske = side == Side::venstre ? venstreledd(ark, n) : hoeyreledd(ark, n);
    const int o = forskyvning(side);
    // Two of three terms can never be a square of a polynomial with these shapes.
    if (maske == 3 || maske == 5 || maske == 6) return ikkekvadratisk;

    const auto& t = ark.teller[n];
    const auto& nv = ark.nevner[n];
    const Celle at = t[o + 1], an = nv[o + 1];
    const Celle bt = t[o + 2], bn = nv[o + 2];
    const Celle ct = t[o + 3], cn = nv[o + 3];
    if (at < 0 || ct < 0) return ikkekvadratisk;
    const auto ra = algebra::helrot(at), rat = algebra::helrot(an);
    const auto rc = algebra::helrot(ct), rcn = algebra::helrot(cn);
    if (!ra || !rat || !rc || !rcn) return ikkekvadratisk;

    // b² = 4ac as fractions, the factor 2 either in b's numerator or in its denominator.
    // Each root is below 2^32, so the products of two of them are exact.
    const Celle rot_ac = *ra * *rc;
    const Celle rot_nevnere = *rat * *rcn;
    const bool med_2_oppe = lik_stoerrelse(bt, balvo::gange(2, rot_ac)) && bn == rot_nevnere;
    const bool med_2_nede = lik_stoerrelse(bt, rot_ac) && balvo::gange(2, bn) == rot_nevnere;
    const bool konstant = at == 0 && bt == 0;
    return med_2_oppe || med_2_nede || konstant ? kvadratisk : ikkekvadratisk;
}

}  // namespace balvo
