// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lessonfile/klasseoversikt.h"

#include <algorithm>
#include <cmath>
#include <map>

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
constexpr Tekst nivaakolonner[] = {
    BALVO_TR("Oektfil", "Nivå"), BALVO_TR("Oektfil", "Oppgaver"), BALVO_TR("Oektfil", "Løst"),
    BALVO_TR("Oektfil", "Median steg over korteste"), BALVO_TR("Oektfil", "Oftest tips ved")};

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

}  // namespace

Klasseoversikt lagklasseoversikt(const std::vector<Innfil>& filer, const Grense& grense) {
    Klasseoversikt ut;
    std::vector<std::pair<Oektfil, std::string>> sett;  // each lesson read, and its file
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
            Avspilling a = spillav(l.fil, grense);
            e.poster = std::move(a.poster);
            e.avspillingsfeil = std::move(a.feil);
            for (const Loggpost& p : e.poster)
                e.sekunder.push_back(p.handlinger.empty() ? 0.0 : p.handlinger.back().sekunder);
            sett.emplace_back(std::move(l.fil), f.navn);
        }
        ut.elever.push_back(std::move(e));
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
        std::vector<int> over;          // steps over the shortest of each solved exercise
        std::map<int, int> tipslinjer;  // hints asked on each line
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
        }
    std::vector<Tabellrad> rader;
    for (auto& [nivaa, n] : nivaaer) {
        std::string median = "\u2013";
        if (!n.over.empty()) {
            std::sort(n.over.begin(), n.over.end());
            const std::size_t m = n.over.size() / 2;
            median = desimal(n.over.size() % 2 ? n.over[m] : (n.over[m - 1] + n.over[m]) / 2.0);
        }
        std::string oftest = "\u2013";
        const auto maks =
            std::max_element(n.tipslinjer.begin(), n.tipslinjer.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        if (maks != n.tipslinjer.end())
            oftest = oversettelse(linje_tekst,
                                  {std::to_string(maks->first), std::to_string(maks->second)});
        rader.push_back(
            {nivaa == 0 ? oversettelse(BALVO_TR("Oektfil", "egen")) : std::to_string(nivaa),
             std::to_string(n.oppgaver), std::to_string(n.loeste), median, oftest});
    }
    return rader;
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
