// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lessonfile/klasseoversikt.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

#include "core/lessonfile/avspilling.h"

namespace balvo {
namespace {

constexpr Tekst samme_oekt = BALVO_TR("Oektfil", "samme økt som «%1»");
constexpr Tekst navn_renset = BALVO_TR("Oektfil", "usynlige tegn fjernet fra navnet");
constexpr Tekst linje_tekst = BALVO_TR("Oektfil", "linje %1 (%2 ganger)");

constexpr Tekst elevkolonner[] = {BALVO_TR("Oektfil", "Navn"),
                                  BALVO_TR("Oektfil", "Oppgaver"),
                                  BALVO_TR("Oektfil", "Løst"),
                                  BALVO_TR("Oektfil", "Steg"),
                                  BALVO_TR("Oektfil", "Korteste"),
                                  BALVO_TR("Oektfil", "Tips 1"),
                                  BALVO_TR("Oektfil", "Tips 2"),
                                  BALVO_TR("Oektfil", "Tips 3"),
                                  BALVO_TR("Oektfil", "Løsningsforslag"),
                                  BALVO_TR("Oektfil", "Minutter"),
                                  BALVO_TR("Oektfil", "Merknad"),
                                  BALVO_TR("Oektfil", "Fil")};
constexpr Tekst nivaakolonner[] = {BALVO_TR("Oektfil", "Nivå"),
                                   BALVO_TR("Oektfil", "Oppgaver"),
                                   BALVO_TR("Oektfil", "Løst"),
                                   BALVO_TR("Oektfil", "Median steg over korteste"),
                                   BALVO_TR("Oektfil", "Oftest tips ved"),
                                   BALVO_TR("Oektfil", "Oftest ikke nærmere ved")};
constexpr Tekst oppgavekolonner[] = {BALVO_TR("Okt", "Nr."),      BALVO_TR("Okt", "Oppgave"),
                                     BALVO_TR("Okt", "Nivå"),     BALVO_TR("Okt", "Steg"),
                                     BALVO_TR("Okt", "Korteste"), BALVO_TR("Okt", "Løst"),
                                     BALVO_TR("Oektfil", "Tid")};
constexpr Tekst maaneder[] = {
    BALVO_TR("Dato", "januar"),  BALVO_TR("Dato", "februar"),  BALVO_TR("Dato", "mars"),
    BALVO_TR("Dato", "april"),   BALVO_TR("Dato", "mai"),      BALVO_TR("Dato", "juni"),
    BALVO_TR("Dato", "juli"),    BALVO_TR("Dato", "august"),   BALVO_TR("Dato", "september"),
    BALVO_TR("Dato", "oktober"), BALVO_TR("Dato", "november"), BALVO_TR("Dato", "desember")};
// Day, month, year, hours and minutes.
constexpr Tekst datoform = BALVO_TR("Dato", "%1. %2 %3 kl. %4.%5");
constexpr Tekst elevoverskrift_tekst = BALVO_TR("Oektfil", "Oppgavene til %1, lagret %2");
constexpr Tekst elevoverskrift_udatert = BALVO_TR("Oektfil", "Oppgavene til %1");

// The most frequent line of a count per line, as "linje 3 (2 ganger)"; "–" for none.
std::string oftest(const std::map<int, int>& linjer) {
    const auto maks =
        std::max_element(linjer.begin(), linjer.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (maks == linjer.end()) return "\u2013";
    return oversettelse(linje_tekst, {std::to_string(maks->first), std::to_string(maks->second)});
}

// A number with one decimal and a decimal comma, as a Norwegian spreadsheet reads it.
std::string desimal(double verdi) {
    const auto tideler = static_cast<long long>(std::llround(verdi * 10));
    std::string s = std::to_string(tideler / 10) + "," + std::to_string(std::llabs(tideler % 10));
    if (tideler < 0 && tideler > -10) s = "-" + s;
    return s;
}

std::string csvfelt(const std::string& tekst) {
    // A name a spreadsheet would take for a formula is shown as the text it is.
    const bool formel = !tekst.empty() && (tekst[0] == '=' || tekst[0] == '+' || tekst[0] == '@');
    const std::string felt = formel ? "'" + tekst : tekst;
    if (felt.find_first_of(";\"\r\n") == std::string::npos) return felt;
    std::string ut = "\"";
    for (const char c : felt) {
        if (c == '"') ut += '"';
        ut += c;
    }
    return ut + "\"";
}

// Calls `gjoer(i)` for every i below `antall`, spread over the machine's cores where it has
// threads (the browser's build has none); an exception from any call is passed on after all
// have ended.
template <class F>
void alle_side_om_side(std::size_t antall, F gjoer) {
#ifdef __EMSCRIPTEN__
    for (std::size_t i = 0; i < antall; ++i) gjoer(i);
#else
    const std::size_t traader =
        std::min<std::size_t>(antall, std::max(1u, std::thread::hardware_concurrency()));
    std::atomic<std::size_t> neste{0};
    std::exception_ptr feil;
    std::mutex feillaas;
    const auto arbeid = [&] {
        for (std::size_t i = neste++; i < antall; i = neste++) {
            try {
                gjoer(i);
            } catch (...) {
                const std::lock_guard laas(feillaas);
                if (!feil) feil = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> hjelpere;
        for (std::size_t t = 1; t < traader; ++t) hjelpere.emplace_back(arbeid);
        arbeid();
    }
    if (feil) std::rethrow_exception(feil);
#endif
}

}  // namespace

Klasseoversikt lagklasseoversikt(const std::vector<Innfil>& filer, const Grense& grense) {
    Klasseoversikt ut;
    std::vector<std::pair<Oektfil, std::string>> sett;  // each lesson read, and its file
    std::vector<std::size_t> avspilles;  // the pupils whose lesson is replayed, one per file
    for (const Innfil& f : filer) {
        Oektlesning l = lesoektfil(f.innhold);
        if (!l.ok) {
            ut.uleselige.push_back({f.navn, l.feil});
            continue;
        }
        Elevoekt e;
        e.fil = f.navn;
        e.navn = l.fil.navn;
        e.tidspunkt = l.fil.tidspunkt;
        e.navn_renset = l.navn_renset;
        for (const auto& [tidligere, fil] : sett)
            if (tidligere == l.fil) e.samme_som = fil;
        if (!e.samme_som) {
            avspilles.push_back(ut.elever.size());
            sett.emplace_back(std::move(l.fil), f.navn);
        }
        ut.elever.push_back(std::move(e));
    }
    // Almost all the time goes to the coach's searches in the replays, and each file is
    // replayed on its own, so they run side by side on the machine's cores.
    std::vector<Avspilling> spilt(sett.size());
    alle_side_om_side(sett.size(),
                      [&](std::size_t i) { spilt[i] = spillav(sett[i].first, grense); });
    for (std::size_t i = 0; i < sett.size(); ++i) {
        Elevoekt& e = ut.elever[avspilles[i]];
        e.poster = std::move(spilt[i].poster);
        e.avspillingsfeil = std::move(spilt[i].feil);
        for (const Loggpost& p : e.poster)
            e.sekunder.push_back(p.handlinger.empty() ? 0.0 : p.handlinger.back().sekunder);
    }
    return ut;
}

Tabellrad elevoverskrifter() {
    Tabellrad rad;
    for (const Tekst& t : elevkolonner) rad.push_back(oversettelse(t));
    return rad;
}

Tabellrad nivaaoverskrifter() {
    Tabellrad rad;
    for (const Tekst& t : nivaakolonner) rad.push_back(oversettelse(t));
    return rad;
}

std::vector<Tabellrad> elevrader(const Klasseoversikt& o) {
    std::vector<Tabellrad> rader;
    for (const Elevoekt& e : o.elever) {
        long long loeste = 0, steg = 0, korteste = 0, forslag = 0;
        std::array<long long, 3> tips{};
        double sekunder = 0;
        for (std::size_t i = 0; i < e.poster.size(); ++i) {
            const Loggpost& p = e.poster[i];
            loeste += p.loest;
            // Steps are held against the shortest way only where there is one.
            if (p.korteste) {
                steg += p.steg;
                korteste += *p.korteste;
            }
            forslag += p.forslag;
            for (const Handling& h : p.handlinger)
                if (h.art == Handlingsart::tips)
                    ++tips[static_cast<std::size_t>(std::clamp(h.nivaa, 1, 3) - 1)];
            sekunder += e.sekunder[i];
        }
        std::vector<std::string> merknader;
        if (!e.avspillingsfeil.empty()) merknader.push_back(e.avspillingsfeil);
        if (e.samme_som) merknader.push_back(oversettelse(samme_oekt, {*e.samme_som}));
        if (e.navn_renset) merknader.push_back(oversettelse(navn_renset));
        std::string merknad;
        for (const std::string& m : merknader) merknad += (merknad.empty() ? "" : "; ") + m;
        rader.push_back({e.navn, std::to_string(e.poster.size()), std::to_string(loeste),
                         std::to_string(steg), std::to_string(korteste), std::to_string(tips[0]),
                         std::to_string(tips[1]), std::to_string(tips[2]), std::to_string(forslag),
                         desimal(sekunder / 60), merknad, e.fil});
    }
    return rader;
}

std::vector<Tabellrad> nivaarader(const Klasseoversikt& o) {
    struct Nivaa {
        long long oppgaver = 0, loeste = 0;
        std::vector<int> over;             // steps over the shortest of each solved exercise
        std::map<int, int> tipslinjer;     // hints asked on each line
        std::map<int, int> ikke_naermere;  // steps no closer that wrote each line
    };
    std::map<int, Nivaa> nivaaer;
    for (const Elevoekt& e : o.elever)
        for (const Loggpost& p : e.poster) {
            Nivaa& n = nivaaer[p.egen ? 0 : p.nivaa];
            ++n.oppgaver;
            if (p.loest) {
                ++n.loeste;
                if (p.korteste) n.over.push_back(p.steg - *p.korteste);
            }
            for (const int linje : p.tips_linjer) ++n.tipslinjer[linje];
            for (const int linje : p.ikke_naermere_linjer) ++n.ikke_naermere[linje];
        }
    std::vector<Tabellrad> rader;
    for (auto& [nivaa, n] : nivaaer) {
        std::string median = "\u2013";
        if (!n.over.empty()) {
            std::sort(n.over.begin(), n.over.end());
            const std::size_t m = n.over.size() / 2;
            median = desimal(n.over.size() % 2 ? n.over[m] : (n.over[m - 1] + n.over[m]) / 2.0);
        }
        rader.push_back(
            {nivaa == 0 ? oversettelse(BALVO_TR("Oektfil", "egen")) : std::to_string(nivaa),
             std::to_string(n.oppgaver), std::to_string(n.loeste), median, oftest(n.tipslinjer),
             oftest(n.ikke_naermere)});
    }
    return rader;
}

Tabellrad oppgaveoverskrifter() {
    Tabellrad rad;
    for (const Tekst& t : oppgavekolonner) rad.push_back(oversettelse(t));
    return rad;
}

std::vector<Tabellrad> oppgaverader(const Elevoekt& e) {
    std::vector<Tabellrad> rader;
    for (std::size_t i = 0; i < e.poster.size(); ++i) {
        const Oektrad r = oektrad(e.poster[i], static_cast<int>(i) + 1);
        const auto sekunder = static_cast<long long>(i < e.sekunder.size() ? e.sekunder[i] : 0);
        std::string ss = std::to_string(sekunder % 60);
        if (ss.size() < 2) ss = "0" + ss;
        rader.push_back(
            {r[0], r[1], r[2], r[3], r[4], r[9], std::to_string(sekunder / 60) + ":" + ss});
    }
    return rader;
}

std::string elevoverskrift(const Elevoekt& e) {
    const std::string naar = tidspunkttekst(e.tidspunkt);
    return naar.empty() ? oversettelse(elevoverskrift_udatert, {e.navn})
                        : oversettelse(elevoverskrift_tekst, {e.navn, naar});
}

std::string tidspunkttekst(std::string_view iso) {
    // "yyyy-mm-ddThh:mm", seconds and what follows them (a zone) left out.
    const auto tall = [&](std::size_t fra, std::size_t lengde, int minst, int hoeyst) {
        int v = 0;
        for (std::size_t i = fra; i < fra + lengde; ++i) {
            if (i >= iso.size() || iso[i] < '0' || iso[i] > '9') return -1;
            v = v * 10 + (iso[i] - '0');
        }
        return v >= minst && v <= hoeyst ? v : -1;
    };
    if (iso.size() < 16 || iso[4] != '-' || iso[7] != '-' || iso[10] != 'T' || iso[13] != ':')
        return {};
    const int aar = tall(0, 4, 0, 9999), mnd = tall(5, 2, 1, 12), dag = tall(8, 2, 1, 31),
              time = tall(11, 2, 0, 23), minutt = tall(14, 2, 0, 59);
    if (aar < 0 || mnd < 0 || dag < 0 || time < 0 || minutt < 0) return {};
    const auto to = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return oversettelse(datoform, {std::to_string(dag), oversettelse(maaneder[mnd - 1]),
                                   std::to_string(aar), to(time), to(minutt)});
}

std::string klassecsv(const Klasseoversikt& o, bool bom) {
    std::string ut = bom ? "\xEF\xBB\xBF" : "";
    const auto skriv = [&ut](const Tabellrad& rad) {
        for (std::size_t k = 0; k < rad.size(); ++k) ut += (k ? ";" : "") + csvfelt(rad[k]);
        ut += "\r\n";
    };
    skriv(elevoverskrifter());
    for (const Tabellrad& rad : elevrader(o)) skriv(rad);
    return ut;
}

const Loggpost* elevoppgave(const Klasseoversikt& o, std::size_t elev, std::size_t oppgave) {
    if (elev >= o.elever.size() || oppgave >= o.elever[elev].poster.size()) return nullptr;
    return &o.elever[elev].poster[oppgave];
}

}  // namespace balvo
