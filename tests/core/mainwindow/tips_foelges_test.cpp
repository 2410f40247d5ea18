// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil who does exactly what each hint says: from generated exercises at every level,
// typing the step a hint names on the keypad reaches a solved line in exactly the number of
// steps the first hint announced, the hints counting down by one, the row "Avstand:" counting
// down with them, and the rows "Steg:" and "Prøve:" then say so. Each hint climbs its three
// levels: the aim and the kind of step name no number, the third is the step. BALVO_TIPS_OPPGAVER
// sets the exercises per level (1000; 150 under the sanitizers), BALVO_FROE the first seed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "core/mainwindow/arket.h"
#include "elev.h"
#include "testskall.h"

#if defined(__SANITIZE_ADDRESS__)
#define BALVO_TREG 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BALVO_TREG 1
#endif
#endif

namespace balvo::test {
namespace {

std::uint64_t tall_fra_miljoe(const char* navn, std::uint64_t standard) {
    const char* v = std::getenv(navn);
    return v == nullptr || *v == '\0' ? standard : std::strtoull(v, nullptr, 10);
}

class Lydig {
public:
    Lydig(int nivaa, std::uint64_t froe) : tilfeldig_(froe) {
        arket_.Form_Load();
        if (nivaa >= 3) (nivaa >= 5 ? arket_.Option3_Click() : arket_.Option2_Click());
        if (nivaa % 2 == 0) arket_.Check1_Click(true);
        arket_.settavstand(true);
    }

    // One exercise followed hint by hint; empty when all went as announced. `foerste` is the
    // first hint's first line, `lengde` its count or -1 when it named no step.
    std::string oekt(std::string& foerste, int& lengde) {
        arket_.nyoppgave_Click();
        std::string tekst = tips();
        foerste = tekst.substr(0, tekst.find('\n'));
        lengde = -1;
        if (foerste.rfind("Neste steg: ", 0) != 0) return "";
        lengde = std::atoi(tekst.c_str() + tekst.find('\n') + std::strlen("\nDa er du "));
        for (int igjen = lengde; igjen > 0; --igjen) {
            const std::string steg = tekst.substr(12, tekst.find('\n') - 12);
            if (tekst != "Neste steg: " + steg + "\nDa er du " + std::to_string(igjen) +
                             " steg fra løsningen.")
                return "with " + std::to_string(igjen) + " steps left the hint says «" + tekst +
                       "»";
            if (!skriv(steg) || arket_.ark().sistelinje != lengde - igjen + 1)
                return "«" + steg + "» could not be typed or added no line";
            const std::string rad = igjen == 1 ? "" : std::to_string(igjen - 1) + " steg igjen";
            if (skall_.avstandsrad != rad)
                return "after «" + steg + "» the row Avstand says «" + skall_.avstandsrad + "»";
            tekst = tips();
        }
        if (!loest(arket_.ark(), arket_.ark().linjenr) || tekst != "Likningen er løst.")
            return "the hints ended on a line that is not solved: «" + tekst + "»";
        const std::string steg =
            std::to_string(lengde) + " (korteste: " + std::to_string(lengde) + ")";
        if (skall_.stegrad != steg || skall_.proeverad != "stemmer")
            return "Steg: «" + skall_.stegrad + "», Prøve: «" + skall_.proeverad + "»";
        return "";
    }

private:
    // The hint at level 3, after levels 1 and 2 have said no number and no step.
    std::string tips() {
        std::string tekst, forrige;
        for (int nivaa = 1; nivaa <= 3; ++nivaa, forrige = tekst) {
            skall_.bokser.clear();
            arket_.Tips_Click();
            if (skall_.bokser.size() != 1 || skall_.bokser[0].tittel != "Tips") return "(no box)";
            tekst = skall_.bokser[0].tekst;
            const bool neste = tekst.rfind("Neste steg: ", 0) == 0;
            if (tekst == forrige) continue;  // a line without a way: the same at every level
            if (nivaa < 3 && neste != (nivaa == 2))
                return "level " + std::to_string(nivaa) + ": «" + tekst + "»";
            if (nivaa < 3 && tekst.find_first_of("023456789") != std::string::npos)
                return "level " + std::to_string(nivaa) + " names a number: «" + tekst + "»";
        }
        return tekst;
    }

    bool trykk(int t) {
        if (!arket_.taster().test(static_cast<std::size_t>(t))) return false;
        if (t >= opr0 && t < opr0 + 8) arket_.opr_Click(t - opr0);
        if (t >= siffer0 && t < siffer0 + 10) arket_.siffer_Click(t - siffer0);
        if (t == pm) arket_.pm_Click();
        if (t == broekstrek) arket_.broekstrek_Click();
        if (t == variabel0 || t == variabel1) arket_.variabel_Click(t - variabel0);
        if (t == Utfoer) {
            skall_.svar = {true, true};  // "Ja" to a warning
            arket_.Utfoer_Click();
        }
        return true;
    }

    // The step as the hint writes it ("Trekk fra (1/2)x", "Del med -2"), typed on the keypad
    // as a pupil reads it: the operation's key, then "-", digits, "/", digits, x or x², Utfør.
    bool skriv(const std::string& steg) {
        static const char* navn[] = {"Legg til",         "Trekk fra", "Gang med",    "Del med",
                                     "Trekk kvadratrot", "Kvadrer",   "Snu fortegn", "Bytt side"};
        for (int i = 7; i >= 0; --i) {
            const std::string n = navn[i];
            if (steg.rfind(n, 0) != 0 || (steg.size() > n.size() && steg[n.size()] != ' '))
                continue;
            if (!trykk(opr0 + i)) return false;
            for (std::size_t k = n.size() + 1; k < steg.size(); ++k) {
                const char c = steg[k];
                if (c >= '0' && c <= '9' && !trykk(siffer0 + (c - '0'))) return false;
                if ((c == '-' && !trykk(pm)) || (c == '/' && !trykk(broekstrek))) return false;
                if (c == 'x' &&
                    !trykk(steg.compare(k, std::string::npos, "x²") == 0 ? variabel1 : variabel0))
                    return false;
            }
            return trykk(Utfoer);
        }
        return false;
    }

    Testskall skall_;
    Froetilfeldig tilfeldig_;
    Arket arket_{skall_, tilfeldig_};
};

TEST(TipsFoelges, ReachesASolvedLineInTheStepsTheFirstHintAnnounced) {
#ifdef BALVO_TREG
    const auto standard = 150;
#else
    const auto standard = 1000;
#endif
    const auto antall = tall_fra_miljoe("BALVO_TIPS_OPPGAVER", standard);
    const auto froe = tall_fra_miljoe("BALVO_FROE", 1);
    const auto start = std::chrono::steady_clock::now();
    std::string sammendrag;
    for (int nivaa = 1; nivaa <= 6; ++nivaa) {
        Lydig elev(nivaa, froe * 7919 + static_cast<std::uint64_t>(nivaa));
        int feilede = 0;
        std::map<std::string, int> utfall;
        for (std::uint64_t i = 0; i < antall && feilede < 3; ++i) {
            int lengde = 0;
            std::string foerste;
            const std::string feil = elev.oekt(foerste, lengde);
            ++utfall[lengde >= 0 ? std::to_string(lengde) + " steg" : "«" + foerste + "»"];
            if (!feil.empty()) {
                ++feilede;
                ADD_FAILURE() << "level " << nivaa << ", exercise " << i << ": " << feil;
            }
        }
        sammendrag += "\n  nivå " + std::to_string(nivaa) + ":";
        for (const auto& [art, n] : utfall) sammendrag += " " + art + " " + std::to_string(n) + ",";
    }
    const double sekunder =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("Tips fulgt, %.1f s:%s\n", sekunder, sammendrag.c_str());
}

}  // namespace
}  // namespace balvo::test
