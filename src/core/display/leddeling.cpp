// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display/leddeling.h"

#include <cstdint>

namespace balvo {
namespace {

// One term a/b of a group; a positive term gets a plus only when the group has begun.
std::optional<Ledd> ledd(Celle a, Celle b, Plass plass, bool begynt) {
    if (a == 0) return std::nullopt;
    Ledd l;
    l.plass = plass;
    l.fortegn = a < 0 ? Fortegn::minus : begynt ? Fortegn::pluss : Fortegn::ingen;
    if (b != 1) {
        l.teller = beloeptekst(a);
        l.nevner = std::to_string(b);
    } else if ((a != 1 && a != -1) || plass == Plass::konstant) {
        l.teller = beloeptekst(a);
    }
    return l;
}

// Three terms x², x, constant from the columns forste..forste+2 of a pair of tables.
template <typename Tabell>
void gruppe(std::vector<Ledd>& ut, const Tabell& teller, const Tabell& nevner, int linje,
            int forste) {
    for (int j = 0; j < 3; ++j) {
        if (auto l = ledd(teller[linje][forste + j], nevner[linje][forste + j],
                          static_cast<Plass>(j), !ut.empty()))
            ut.push_back(std::move(*l));
    }
}

}  // namespace

std::string beloeptekst(Celle v) {
    // Negating in unsigned arithmetic keeps the most negative value defined.
    const auto u = static_cast<std::uint64_t>(v);
    return std::to_string(v < 0 ? std::uint64_t{0} - u : u);
}

bool radikand_finnes(const Ark& ark, int linje, Side side) {
    const int j = forskyvning(side) + 1;
    const auto& t = ark.rotteller[linje];
    if (t[j] != 0 || t[j + 1] != 0) return true;
    if (t[j + 2] == 0) return false;
    return !(t[j + 2] == 1 && ark.rotnevner[linje][j + 2] == 1);
}

Sideledd delside(const Ark& ark, int linje, Side side) {
    Sideledd s;
    if (linje < 0 || linje > siste_linje) return s;
    gruppe(s.ledd, ark.teller, ark.nevner, linje, forskyvning(side) + 1);

    // The root coefficient: minus or plus on the left, always ± on the right. Without a
    // radicand it stands as a plain number, 1 included. A coefficient 0 means no root part,
    // whatever the radicand cells hold.
    const int kk = rotkolonne(side);
    const Celle k = ark.rotteller[linje][kk];
    const Celle n = ark.rotnevner[linje][kk];
    if (k == 0) return s;
    Rotdel rot;
    const bool radikand = radikand_finnes(ark, linje, side);
    rot.koeffisient.fortegn = side == Side::hoeyre ? Fortegn::plussminus
                              : k < 0              ? Fortegn::minus
                              : !s.ledd.empty()    ? Fortegn::pluss
                                                   : Fortegn::ingen;
    if (n != 1) {
        rot.koeffisient.teller = beloeptekst(k);
        rot.koeffisient.nevner = std::to_string(n);
    } else if ((k != 1 && k != -1) || !radikand) {
        rot.koeffisient.teller = beloeptekst(k);
    }
    if (radikand) gruppe(rot.radikand, ark.rotteller, ark.rotnevner, linje, forskyvning(side) + 1);
    s.rot = std::move(rot);
    return s;
}

Operanddel deloperand(const Ark& ark, int n) {
    Operanddel o;
    if (n < 0 || n > siste_linje) return o;
    o.operasjon = ark.linjeopr[n];
    if (!med_operand(o.operasjon)) return o;
    const Celle teller = ark.linjeteller[n];
    const Celle nevner = ark.linjenevner[n];
    o.potens = ark.linjepotens[n];
    o.minus = teller < 0;
    if (nevner != 1) {
        o.teller = beloeptekst(teller);
        o.nevner = std::to_string(nevner);
    } else if (o.potens == 0 || teller != 1) {
        o.teller = beloeptekst(teller);
    }
    return o;
}

}  // namespace balvo
