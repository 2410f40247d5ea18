// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of the web edition: the translations exported at build time from the
// translation files (translations/*.ts), for the language the pupil chose (core/tekst/spraak.h).
// Bokmål is the source language and needs no table.
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/tekst/katalog.h"
#include "core/tekst/spraak.h"

namespace balvo::nett {

struct Oversettelse {
    const char* spraak;  // "nn", "en"
    const char* kontekst;
    const char* kilde;
    const char* tekst;
};

// The exported table (generated at build time; empty without translation files).
std::span<const Oversettelse> oversettelser();

class NettKatalog final : public Katalog {
public:
    explicit NettKatalog(std::string_view spraak);
    std::string oversett(const Tekst& tekst) const override;
    std::string_view spraak() const { return spraak_; }
    std::size_t antall() const { return tabell_.size(); }

private:
    std::string spraak_;
    std::unordered_map<std::string, std::string_view> tabell_;
};

}  // namespace balvo::nett
