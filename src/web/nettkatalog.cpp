// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/nettkatalog.h"

namespace balvo::nett {
namespace {

std::string nokkel(std::string_view kontekst, std::string_view kilde) {
    std::string n(kontekst);
    n += '\x04';  // the separator Qt uses between context and source
    n += kilde;
    return n;
}

}  // namespace

NettKatalog::NettKatalog(std::string_view spraak) : spraak_(kjent_spraak(spraak)) {
    for (const Oversettelse& o : oversettelser())
        if (spraak_ == o.spraak) tabell_.emplace(nokkel(o.kontekst, o.kilde), o.tekst);
}

std::string NettKatalog::oversett(const Tekst& tekst) const {
    if (!tekst.kilde) return {};
    const auto funnet = tabell_.find(nokkel(tekst.kontekst ? tekst.kontekst : "", tekst.kilde));
    return funnet != tabell_.end() ? std::string(funnet->second) : std::string(tekst.kilde);
}

}  // namespace balvo::nett
