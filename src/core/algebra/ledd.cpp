// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/algebra/regning.h"

namespace balvo {
namespace {

int maske(const Ark& ark, int n, Side side) {
    const auto& t = ark.teller[n];
    const int o = forskyvning(side);
    return (t[o + 1] != 0 ? 4 : 0) + (t[o + 2] != 0 ? 2 : 0) + (t[o + 3] != 0 ? 1 : 0);
}

}  // namespace

int venstreledd(const Ark& ark, int n) {
    return maske(ark, n, Side::venstre);
}
int hoeyreledd(const Ark& ark, int n) {
    return maske(ark, n, Side::hoeyre);
}

}  // namespace balvo
