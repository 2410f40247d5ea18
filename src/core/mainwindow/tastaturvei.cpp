// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/tastaturvei.h"

#include <algorithm>

namespace balvo {
namespace {

char bokstav(Tastenavn t) {
    static constexpr std::pair<Tastenavn, char> bokstaver[] = {
        {Tastenavn::b, 'B'}, {Tastenavn::c, 'C'}, {Tastenavn::e, 'E'}, {Tastenavn::f, 'F'},
        {Tastenavn::g, 'G'}, {Tastenavn::k, 'K'}, {Tastenavn::l, 'L'}, {Tastenavn::n, 'N'},
        {Tastenavn::p, 'P'}, {Tastenavn::r, 'R'}, {Tastenavn::s, 'S'}, {Tastenavn::t, 'T'},
        {Tastenavn::x, 'X'}, {Tastenavn::z, 'Z'}};
    for (const auto& [navn, b] : bokstaver)
        if (navn == t) return b;
    return 0;
}

std::string skriv(Tastenavn tast, unsigned endring, const char* ctrlnavn) {
    const char b = bokstav(tast);
    if (!b) return {};
    std::string s;
    if (endring & ctrl) s += std::string(ctrlnavn) + "+";
    if (endring & alt) s += "Alt+";
    if (endring & skift) s += "Shift+";
    return s + b;
}

}  // namespace

std::vector<const Kontroll*> tabrekke() {
    const auto finn = [](int tast) -> const Kontroll* {
        for (const Kontroll& k : hovedvinduet())
            if (k.tast == tast && k.art != Kontrollart::knapp) return &k;
        return nullptr;
    };
    std::vector<const Kontroll*> rekke;
    for (const Kontroll& k : hovedvinduet())
        if (k.art == Kontrollart::knapp) rekke.push_back(&k);
    for (int t : {Option3, Option2, Option1, Check1}) rekke.push_back(finn(t));
    std::vector<const Kontroll*> tastene;
    for (const Kontroll& k : hovedvinduet())
        if (k.art == Kontrollart::tast && k.tast != scrollopp && k.tast != scrollned)
            tastene.push_back(&k);
    std::stable_sort(tastene.begin(), tastene.end(), [](const Kontroll* a, const Kontroll* b) {
        return a->sted.topp != b->sted.topp ? a->sted.topp < b->sted.topp
                                            : a->sted.venstre < b->sted.venstre;
    });
    rekke.insert(rekke.end(), tastene.begin(), tastene.end());
    return rekke;
}

bool nettleseren_beholder(Tastenavn tast, unsigned endring) {
    if (endring == ctrl) return tast == Tastenavn::n || tast == Tastenavn::t;
    if (endring == (ctrl | skift))
        return tast == Tastenavn::n || tast == Tastenavn::t || tast == Tastenavn::p;
    return false;
}

unsigned nettendring(Tastenavn tast, unsigned endring) {
    return nettleseren_beholder(tast, endring) ? (endring & ~unsigned{ctrl}) | alt : endring;
}

std::string snarveitekst(Tastenavn tast, unsigned endring) {
    return skriv(tast, endring, "Ctrl");
}

std::string snarveinavn(Tastenavn tast, unsigned endring) {
    return skriv(tast, endring, "Control");
}

}  // namespace balvo
