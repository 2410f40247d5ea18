// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lessonfile/kommandolinje.h"

#include <fstream>
#include <iterator>

#include "core/lessonfile/klasseoversikt.h"

namespace balvo {
namespace {

constexpr Tekst hjelp =
    BALVO_TR("Kommandolinje",
             "Bruk: balvo [VALG]\n"
             "Likninger løst steg for steg.\n"
             "\n"
             "  --oversikt FIL...  skriv klasseoversikten over økt-filene (*.balvo) som CSV\n"
             "                     (semikolon, UTF-8) til standard ut; filer som ikke kan leses,\n"
             "                     står med grunnen på standard feil\n"
             "  --help             vis denne hjelpen\n"
             "  --version          vis programmets versjon\n"
             "\n"
             "Uten valg åpnes programvinduet. Avslutningsstatus: 0, eller 2 når ingen fil kunne\n"
             "leses eller valgene er feil.\n");
constexpr Tekst ukjent_valg =
    BALVO_TR("Kommandolinje", "balvo: ukjent valg «%1»\nPrøv «balvo --help».\n");
constexpr Tekst ingen_filer = BALVO_TR("Kommandolinje", "balvo: --oversikt trenger minst én fil\n");
constexpr Tekst kan_ikke_aapne = BALVO_TR("Kommandolinje", "Filen kunne ikke åpnes.");
constexpr Tekst ingen_lest = BALVO_TR("Kommandolinje", "balvo: ingen fil kunne leses\n");

// At most one byte past the limit is read: the reader then says the file is too large.
bool lesfil(const std::string& sti, std::string& innhold) {
    std::ifstream inn(sti, std::ios::binary);
    if (!inn) return false;
    innhold.resize(oektfil_maks_bytes + 1);
    inn.read(innhold.data(), static_cast<std::streamsize>(innhold.size()));
    if (inn.bad()) return false;
    innhold.resize(static_cast<std::size_t>(inn.gcount()));
    return true;
}

}  // namespace

std::optional<int> kommandolinje(const std::vector<std::string>& argumenter, std::ostream& ut,
                                 std::ostream& feil) {
    if (argumenter.empty()) return std::nullopt;
    const std::string& valg = argumenter[0];
    if (valg == "--help" || valg == "-h") {
        ut << oversettelse(hjelp);
        return 0;
    }
    if (valg == "--version") {
        ut << programversjon() << "\n";
        return 0;
    }
    if (valg != "--oversikt") {
        // Arguments the window's toolkit takes for itself go on to it.
        if (!valg.starts_with("--")) return std::nullopt;
        feil << oversettelse(ukjent_valg, {valg});
        return 2;
    }
    if (argumenter.size() < 2) {
        feil << oversettelse(ingen_filer);
        return 2;
    }
    std::vector<Innfil> filer;
    std::vector<Uleselig> uaapnet;
    for (std::size_t i = 1; i < argumenter.size(); ++i) {
        Innfil f{argumenter[i], {}};
        if (lesfil(f.navn, f.innhold))
            filer.push_back(std::move(f));
        else
            uaapnet.push_back({f.navn, oversettelse(kan_ikke_aapne)});
    }
    Klasseoversikt o = lagklasseoversikt(filer);
    o.uleselige.insert(o.uleselige.begin(), uaapnet.begin(), uaapnet.end());
    for (const Uleselig& u : o.uleselige) feil << u.fil << ": " << u.grunn << "\n";
    if (o.elever.empty()) {
        feil << oversettelse(ingen_lest);
        return 2;
    }
    ut << klassecsv(o, false);
    return 0;
}

}  // namespace balvo
