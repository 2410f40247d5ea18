// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/grovtabell.h"

#include "core/coach/grovbilde.h"

namespace balvo::nett {

std::vector<std::uint32_t> pakk_grovtabell(const std::vector<std::uint8_t>& tabell) {
    std::vector<std::uint32_t> par;
    for (std::size_t i = 0; i < tabell.size(); ++i)
        if (tabell[i] != ingen_vei) par.push_back(static_cast<std::uint32_t>(i << 8 | tabell[i]));
    return par;
}

std::vector<std::uint8_t> pakk_ut_grovtabell(std::span<const std::uint32_t> par) {
    std::vector<std::uint8_t> tabell(veileder::antall_grove, ingen_vei);
    for (const std::uint32_t p : par) {
        // A place outside the table means the table is not this build's: none is given.
        if ((p >> 8) >= tabell.size()) return {};
        tabell[p >> 8] = static_cast<std::uint8_t>(p & 0xff);
    }
    return tabell;
}

}  // namespace balvo::nett
