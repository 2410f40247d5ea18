// A pupil who does exactly what each hint says: from generated exercises at every level,
// typing the step a hint names on the keypad reaches a solved line in exactly the number of
// steps the first hint announced, the hints counting down by one, and the rows "Steg:" and
// "Prøve:" then say so. BALVO_TIPS_OPPGAVER sets the exercises per level (1000; 150 under the
// sanitizers), BALVO_FROE the first seed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

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
    }

    // One exercise followed hint by hint; empty when all went as announced. `foerste` is the
    // first hint's first line, `lengde` its count or -1 when it named no step.
    std::string oekt(std::string& foerste, int& lengde) {
        arket_.nyoppgave_Click();
        lengde = -1;
        std::string tekst = tips();
        foerste = tekst.substr(0, tekst.find('\n'));
        if (tekst.rfind("Neste steg: ", 0) != 0) return "";
        const auto linjeskift = tekst.find('\n');
        const std::string andre = tekst.substr(linjeskift + 1);
        lengde = std::atoi(andre.c_str() + std::string_view("Da er du ").size());
        for (int igjen = lengde; igjen > 0; --igjen) {
            const std::string forventet =
                "Da er du " + std::to_string(igjen) + " steg fra løsningen.";
            if (tekst.rfind("Neste steg: ", 0) != 0 ||
                tekst.substr(tekst.find('\n') + 1) != forventet)
                return "after " + std::to_string(lengde - igjen) + " steps the hint says «" +
                       tekst + "», expected " + std::to_string(igjen) + " steps";
            const std::string feil = taster(tekst.substr(12, tekst.find('\n') - 12));
            if (!feil.empty()) return feil;
            if (arket_.ark().sistelinje != lengde - igjen + 1)
                return "«" + tekst + "» added no line";
            tekst = tips();
        }
        const int n = arket_.ark().linjenr;
        if (!loest(arket_.ark(), n)) return "the hints ended on a line that is not solved";
        if (tekst != "Likningen er løst.")
            return "on the solved line the hint says «" + tekst + "»";
        const std::string steg =
            std::to_string(lengde) + " (korteste: " + std::to_string(lengde) + ")";
        if (skall_.stegrad != steg)
            return "Steg: «" + skall_.stegrad + "», expected «" + steg + "»";
        if (skall_.proeverad != "stemmer") return "Prøve: «" + skall_.proeverad + "»";
        return "";
    }

    const Ark& ark() const { return arket_.ark(); }

private:
    std::string tips() {
        skall_.bokser.clear();
        arket_.Tips_Click();
        if (skall_.bokser.size() != 1 || skall_.bokser[0].tittel != "Tips")
            return "(no box «Tips»)";
        return skall_.bokser[0].tekst;
    }

    bool trykk(int tast) {
        if (!arket_.taster().test(static_cast<std::size_t>(tast))) return false;
        if (tast >= opr0 && tast < opr0 + 8) arket_.opr_Click(tast - opr0);
        if (tast >= siffer0 && tast < siffer0 + 10) arket_.siffer_Click(tast - siffer0);
        if (tast == pm) arket_.pm_Click();
        if (tast == broekstrek) arket_.broekstrek_Click();
        if (tast == variabel0 || tast == variabel1) arket_.variabel_Click(tast - variabel0);
        if (tast == Utfoer) {
            skall_.svar = {true, true};  // "Ja" to a warning
            arket_.Utfoer_Click();
            skall_.svar.clear();
        }
        return true;
    }

    // The step as the hint writes it, typed on the keypad as a pupil would read it.
    std::string taster(std::string steg) {
        const std::string hele = steg;
        static const char* navn[] = {"Legg til",         "Trekk fra", "Gang med",    "Del med",
                                     "Trekk kvadratrot", "Kvadrer",   "Snu fortegn", "Bytt side"};
        int opr = -1;
        for (int i = 7; i >= 0 && opr < 0; --i) {
            const std::string_view n = navn[i];
            if (steg.rfind(n, 0) == 0 && (steg.size() == n.size() || steg[n.size()] == ' ')) {
                opr = i;
                steg.erase(0, std::min(steg.size(), n.size() + 1));
            }
        }
        std::vector<int> trykk_ = {opr0 + opr};
        if (opr < 0) return "no operation in «" + hele + "»";
        if (opr < 4) {
            std::size_t i = 0;
            const auto sifre = [&] {
                while (i < steg.size() && steg[i] >= '0' && steg[i] <= '9')
                    trykk_.push_back(siffer0 + (steg[i++] - '0'));
            };
            if (i < steg.size() && steg[i] == '-') {
                trykk_.push_back(pm);
                ++i;
            }
            if (i < steg.size() && steg[i] == '(') ++i;
            sifre();
            if (i < steg.size() && steg[i] == '/') {
                trykk_.push_back(broekstrek);
                ++i;
                sifre();
            }
            if (i < steg.size() && steg[i] == ')') ++i;
            if (steg.compare(i, std::string::npos, "x") == 0)
                trykk_.push_back(variabel0);
            else if (steg.compare(i, std::string::npos, "x²") == 0)
                trykk_.push_back(variabel1);
            else if (i != steg.size())
                return "cannot type «" + hele + "»";
        }
        trykk_.push_back(Utfoer);
        for (int t : trykk_)
            if (!trykk(t)) return "«" + hele + "»: key " + std::to_string(t) + " is not usable";
        return "";
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
