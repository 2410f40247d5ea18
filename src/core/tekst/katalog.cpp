// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tekst/katalog.h"

namespace balvo {
namespace {

const Katalog* installert = nullptr;

}  // namespace

void installerkatalog(const Katalog* katalog) {
    installert = katalog;
}

std::string oversettelse(const Tekst& tekst) {
    if (!tekst.kilde) return {};  // no text (an empty entry of a table)
    return installert ? installert->oversett(tekst) : std::string(tekst.kilde);
}

std::string oversettelse(const Tekst& tekst, std::initializer_list<std::string_view> argumenter) {
    return fyll(oversettelse(tekst), argumenter);
}

std::string fyll(std::string_view mal, std::initializer_list<std::string_view> argumenter) {
    std::string ut;
    ut.reserve(mal.size());
    for (std::size_t i = 0; i < mal.size(); ++i) {
        const char c = mal[i];
        if (c == '%' && i + 1 < mal.size() && mal[i + 1] >= '1' && mal[i + 1] <= '9') {
            const auto nr = static_cast<std::size_t>(mal[i + 1] - '1');
            if (nr < argumenter.size()) {
                ut += *(argumenter.begin() + nr);
                ++i;
                continue;
            }
        }
        ut += c;
    }
    return ut;
}

}  // namespace balvo
