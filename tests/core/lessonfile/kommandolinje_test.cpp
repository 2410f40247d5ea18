// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what goes to standard output, what to standard error, and the exit status.
#include "core/lessonfile/kommandolinje.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/lessonfile/oektfil.h"

namespace balvo {
namespace {

struct Kjoering {
    std::optional<int> status;
    std::string ut, feil;
};

Kjoering kjoer(const std::vector<std::string>& argumenter) {
    std::ostringstream ut, feil;
    const auto status = kommandolinje(argumenter, ut, feil);
    return {status, ut.str(), feil.str()};
}

std::string skriv(const std::string& navn, const std::string& innhold) {
    const auto sti = std::filesystem::temp_directory_path() / ("balvo_kl_" + navn);
    std::ofstream(sti, std::ios::binary) << innhold;
    return sti.string();
}

TEST(Kommandolinje, StatusAndStreams) {
    Oektfil fil;
    fil.navn = "Kari";
    const std::string god = skriv("god.balvo", skrivoektfil(fil));
    const std::string tom = skriv("tom.balvo", "");
    const std::string mangler =
        (std::filesystem::temp_directory_path() / "balvo_kl_finnes_ikke").string();
    const std::string hode =
        "Navn;Oppgaver;Løst;Steg;Korteste;Tips 1;Tips 2;Tips 3;"
        "Løsningsforslag;Minutter;Merknad;Fil\r\n";
    struct Tilfelle {
        std::vector<std::string> argumenter;
        std::optional<int> status;
        std::string ut, feil;
    };
    const Tilfelle tilfeller[] = {
        {{}, std::nullopt, "", ""},
        {{"-platform", "offscreen"}, std::nullopt, "", ""},  // the toolkit's own
        {{"--version"}, 0, programversjon() + "\n", ""},
        {{"--oversikt", god}, 0, hode + "Kari;0;0;0;0;0;0;0;0;0,0;;" + god + "\r\n", ""},
        {{"--oversikt", tom, god, mangler},
         0,
         hode + "Kari;0;0;0;0;0;0;0;0;0,0;;" + god + "\r\n",
         mangler + ": Filen kunne ikke åpnes.\n" + tom +
             ": Filen er ikke en Balvo-økt (den er ikke JSON).\n"},
        {{"--oversikt", tom},
         2,
         "",
         tom + ": Filen er ikke en Balvo-økt (den er ikke JSON).\nbalvo: ingen fil kunne leses\n"},
        {{"--oversikt"}, 2, "", "balvo: --oversikt trenger minst én fil\n"},
        {{"--tull"}, 2, "", "balvo: ukjent valg «--tull»\nPrøv «balvo --help».\n"},
    };
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.argumenter.empty() ? "(none)" : t.argumenter[0]);
        const Kjoering k = kjoer(t.argumenter);
        EXPECT_EQ(k.status, t.status);
        EXPECT_EQ(k.ut, t.ut);
        EXPECT_EQ(k.feil, t.feil);
    }
    const Kjoering hjelp = kjoer({"--help"});
    EXPECT_EQ(hjelp.status, 0);
    EXPECT_NE(hjelp.ut.find("--oversikt FIL..."), std::string::npos);
    EXPECT_EQ(hjelp.feil, "");
}

}  // namespace
}  // namespace balvo
