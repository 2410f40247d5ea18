// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tekst/spraak.h"

namespace balvo {

std::string_view kjent_spraak(std::string_view kode) {
    for (const Spraakvalg& s : spraakene)
        if (s.kode == kode) return s.kode;
    return bokmaal;
}

std::string_view spraak_fra_lokale(std::string_view lokale) {
    // The language is what comes before the territory, the encoding or the modifier.
    const auto slutt = lokale.find_first_of("_-.@");
    std::string_view sprak = lokale.substr(0, slutt);
    const auto lik = [&](std::string_view kode) {
        if (sprak.size() != kode.size()) return false;
        for (std::size_t i = 0; i < kode.size(); ++i) {
            char c = sprak[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != kode[i]) return false;
        }
        return true;
    };
    if (lik("nn")) return "nn";
    if (lik("en")) return "en";
    return bokmaal;  // nb, no and everything else
}

}  // namespace balvo
