// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts: Bokmål without a catalogue, the installed catalogue's answer with one, and
// the arguments put in place.
#include "core/tekst/katalog.h"

#include <gtest/gtest.h>

#include <string>

namespace balvo {
namespace {

TEST(Katalog, ArgumentsGoInTheirPlaces) {
    struct Rad {
        const char* mal;
        const char* ventet;
    };
    const Rad rader[] = {
        {"Da er du %1 steg fra løsningen.", "Da er du 3 steg fra løsningen."},
        {"%2 etter %1", "b etter a"},
        {"%1%1", "aa"},
        {"%3 mangler", "%3 mangler"},  // no third argument: left as written
        {"100 %", "100 %"},
        {"%", "%"},
    };
    for (const auto& r : rader)
        EXPECT_EQ(fyll(r.mal, {r.mal[0] == 'D' ? "3" : "a", "b"}), r.ventet);
}

class Store : public Katalog {
public:
    std::string oversett(const Tekst& t) const override {
        return std::string(t.kontekst) == "Prøve" ? "TEKST %1" : t.kilde;
    }
};

TEST(Katalog, TheInstalledCatalogueAnswers) {
    const Tekst tekst = BALVO_TR("Prøve", "tekst %1");
    EXPECT_EQ(oversettelse(tekst, {"1"}), "tekst 1");
    Store store;
    installerkatalog(&store);
    EXPECT_EQ(oversettelse(tekst, {"1"}), "TEKST 1");
    EXPECT_EQ(oversettelse(BALVO_TR("Annet", "Ny oppgave")), "Ny oppgave");
    installerkatalog(nullptr);
    EXPECT_EQ(oversettelse(tekst), "tekst %1");
}

}  // namespace
}  // namespace balvo
