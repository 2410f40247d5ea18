// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "core/algebra/regning.h"

namespace balvo {
namespace {

std::string broek(Celle teller, Celle nevner) {
    return std::to_string(teller) + "/" + std::to_string(nevner);
}

// x², x, constant, root coefficient and radicand of one side; the right side writes its
// ± root coefficient straight after the constant.
std::string sidedump(const Ark& ark, int n, Side side) {
    const auto& t = ark.teller[n];
    const auto& nv = ark.nevner[n];
    const auto& rt = ark.rotteller[n];
    const auto& rn = ark.rotnevner[n];
    const int o = forskyvning(side);
    const int k = rotkolonne(side);
    std::string s = broek(t[o + 1], nv[o + 1]) + "x² + " + broek(t[o + 2], nv[o + 2]) + "x + " +
                    broek(t[o + 3], nv[o + 3]) + (side == Side::venstre ? " + " : "±") +
                    broek(rt[k], rn[k]);
    s += "[" + broek(rt[o + 1], rn[o + 1]) + "x² + " + broek(rt[o + 2], rn[o + 2]) + "x + " +
         broek(rt[o + 3], rn[o + 3]) + "]";
    return s;
}

}  // namespace

std::array<std::string, 2> linjedump(const Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return {};
    return {"VS: " + sidedump(ark, n, Side::venstre), "HS:  " + sidedump(ark, n, Side::hoeyre)};
}

std::string diagnoselinje(const Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return {};
    return "VS=" + std::to_string(venstreledd(ark, n)) +
           "HS=" + std::to_string(hoeyreledd(ark, n)) + " " +
           std::string(kvadratsjekk(ark, n, Side::venstre)) + ", " +
           std::string(kvadratsjekk(ark, n, Side::hoeyre)) +
           " vrot= " + std::to_string(ark.rotteller[n][0]) +
           "  hrot =" + std::to_string(ark.rotteller[n][7]);
}

}  // namespace balvo
