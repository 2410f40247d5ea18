// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/oektlogg.h"

#include "core/coach/veiledertekst.h"
#include "core/display/lineaertekst.h"

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
