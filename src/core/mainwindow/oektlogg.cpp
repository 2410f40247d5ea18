// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/oektlogg.h"

#include <algorithm>

#include "core/coach/veiledertekst.h"
#include "core/display/lineaertekst.h"
#include "core/document/sideoppsett.h"

namespace balvo {
namespace {

constexpr Tekst overskrifter[oektkolonner] = {
    BALVO_TR("Okt", "Nr."),          BALVO_TR("Okt", "Oppgave"),  BALVO_TR("Okt", "Nivå"),
    BALVO_TR("Okt", "Steg"),         BALVO_TR("Okt", "Korteste"), BALVO_TR("Okt", "Tips 1/2/3"),
    BALVO_TR("Okt", "Ikke nærmere"), BALVO_TR("Okt", "Gjentatt"), BALVO_TR("Okt", "Forslag"),
    BALVO_TR("Okt", "Løst"),         BALVO_TR("Okt", "Prøve"),    BALVO_TR("Okt", "Poeng")};

// The hints at each level: "2/1/0".
std::string nivaaer(const std::array<long long, 3>& n) {
    return std::to_string(n[0]) + "/" + std::to_string(n[1]) + "/" + std::to_string(n[2]);
}

// What is not known, or has no value: the coach found no short way, nothing was checked.
constexpr char ukjent[] = "\u2013";

// The texts of the exercise's line 0, whether it was solved and its check; the rest are numbers.
constexpr bool tekstkolonne(std::size_t k) {
    return k == 1 || k == 9 || k == 10;
}

constexpr Tekst regnselvkolonner[] = {BALVO_TR("Okt", "Skrevet"), BALVO_TR("Okt", "Riktig 1. gang"),
                                      BALVO_TR("Okt", "Forsøk"), BALVO_TR("Okt", "Vist")};

// "Regn selv"'s figures: lines written, steps right at the first try, tries, lines shown.
using Regnetall = std::array<long long, 4>;
Regnetall regnetall(const Loggpost& p) {
    Regnetall t{};
    for (const Regnesteg& s : p.regnesteg) {
        t[0] += s.vist ? 0 : 1;
        t[1] += s.foerste_riktig ? 1 : 0;
        t[2] += s.forsoek;
        t[3] += s.vist ? 1 : 0;
    }
    return t;
}

}  // namespace

Oektrad oektoverskrifter() {
    Oektrad rad;
    for (int k = 0; k < oektkolonner; ++k)
        rad[static_cast<std::size_t>(k)] = oversettelse(overskrifter[k]);
    return rad;
}

Oektrad oektrad(const Loggpost& p, int nr) {
    std::string oppgave = p.ark ? likningstekst(*p.ark, 0) : std::string();
    if (p.egen) oppgave = oversettelse(BALVO_TR("Okt", "%1 (egen)"), {oppgave});
    std::string proeve = ukjent;
    if (p.ark && p.loest_linje) proeve = proeverad(Tilstand::fra(*p.ark, 0), *p.loest_linje);
    return {std::to_string(nr),
            oppgave,
            std::to_string(p.nivaa),
            std::to_string(p.steg),
            p.korteste ? std::to_string(*p.korteste) : ukjent,
            nivaaer({p.tips_nivaa[0], p.tips_nivaa[1], p.tips_nivaa[2]}),
            std::to_string(p.ikke_naermere),
            std::to_string(p.gjentatt),
            std::to_string(p.forslag),
            p.loest ? oversettelse(BALVO_TR("Okt", "ja")) : oversettelse(BALVO_TR("Okt", "nei")),
            proeve,
            std::to_string(p.poeng)};
}

bool regnet_selv(const Loggpost& p) {
    return !p.regnesteg.empty() ||
           std::any_of(p.handlinger.begin(), p.handlinger.end(), [](const Handling& h) {
               return h.art == Handlingsart::utfoer && h.regnselv;
           });
}

std::vector<std::string> Oekttabell::overskrifter() const {
    std::vector<std::string> ut;
    for (const Oektkolonne& k : kolonner) ut.push_back(k.overskrift);
    return ut;
}

Oekttabell oekttabell(const std::vector<Loggpost>& logg) {
    using namespace sideoppsett;
    Oekttabell t;
    const bool smal = std::any_of(logg.begin(), logg.end(), regnet_selv);
    t.skrift = smal ? tabellskrift_smal : tabellskrift;
    t.cellekant = smal ? cellekant_smal : cellekant;
    const Oektrad overskrift = oektoverskrifter();
    for (std::size_t k = 0; k < overskrift.size(); ++k)
        t.kolonner.push_back(
            {overskrift[k], smal ? oektbredder_smal[k] : oektbredder[k], !tekstkolonne(k)});
    const auto rad = [](const Oektrad& r) { return std::vector<std::string>(r.begin(), r.end()); };
    for (std::size_t i = 0; i < logg.size(); ++i)
        t.rader.push_back(rad(oektrad(logg[i], static_cast<int>(i) + 1)));
    t.sum = rad(oektsum(logg));
    if (!smal) return t;
    Regnetall sum{};
    for (std::size_t k = 0; k < std::size(regnselvkolonner); ++k)
        t.kolonner.push_back(
            {oversettelse(regnselvkolonner[k]), oektbredder_smal[oektkolonner + k], true});
    for (std::size_t i = 0; i < logg.size(); ++i) {
        const bool regnet = regnet_selv(logg[i]);
        const Regnetall tall = regnetall(logg[i]);
        for (std::size_t k = 0; k < tall.size(); ++k) {
            t.rader[i].push_back(regnet ? std::to_string(tall[k]) : ukjent);
            sum[k] += tall[k];
        }
    }
    for (long long n : sum) t.sum.push_back(std::to_string(n));
    return t;
}

Oektrad oektsum(const std::vector<Loggpost>& logg) {
    long long steg = 0, ikke_naermere = 0, gjentatt = 0, forslag = 0, loeste = 0, poeng = 0;
    std::array<long long, 3> tips{};
    for (const Loggpost& p : logg) {
        steg += p.steg;
        for (std::size_t i = 0; i < 3; ++i) tips[i] += p.tips_nivaa[i];
        ikke_naermere += p.ikke_naermere;
        gjentatt += p.gjentatt;
        forslag += p.forslag;
        loeste += p.loest ? 1 : 0;
        poeng += p.poeng;
    }
    const auto n = static_cast<long long>(logg.size());
    return {std::string(),
            oversettelse(BALVO_TR("Okt", "Sum")),
            std::string(),
            std::to_string(steg),
            std::string(),
            nivaaer(tips),
            std::to_string(ikke_naermere),
            std::to_string(gjentatt),
            std::to_string(forslag),
            oversettelse(BALVO_TR("Okt", "%1 av %2"), {std::to_string(loeste), std::to_string(n)}),
            std::string(),
            std::to_string(poeng)};
}

}  // namespace balvo
