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

std::string_view kjent_spraak(std::string_view kode) {
    for (std::string_view s : spraakene)
        if (s == kode) return s;
    return spraakene[0];
}

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
