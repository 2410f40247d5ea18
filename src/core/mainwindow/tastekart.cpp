// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/tastekart.h"

#include <array>

namespace balvo {
namespace {

using N = Tastenavn;
using H = Tastehandling;
using M = Menyhandling;

constexpr Tast siffer(int i) {
    return static_cast<Tast>(siffer0 + i);
}
constexpr Tast opr(int i) {
    return static_cast<Tast>(opr0 + i);
}

// An operation's key: a letter by its key, a symbol by the character typed. The minus is
// "Trekk fra..." or the negative sign, whichever is usable.
constexpr Tastevalg operasjonsvalg(int i) {
    const Operasjonsrad& o = operasjonene.at(static_cast<std::size_t>(i));
    const Tastenavn navn = bokstavtast(o.tast);
    return {navn, navn == N::ingen ? o.tast : '\0', uten, opr(i),
            o.operasjon == Operasjon::trekk_fra ? H::minus : H::knapp};
}

// Symbols are matched by the character typed, so that every keyboard layout works. In the
// order a reader of the README finds them: digits and the operand's keys, the operations,
// then the rest.
constexpr Tastevalg foer[] = {
    {N::ingen, '0', uten, siffer(0)},  {N::ingen, '1', uten, siffer(1)},
    {N::ingen, '2', uten, siffer(2)},  {N::ingen, '3', uten, siffer(3)},
    {N::ingen, '4', uten, siffer(4)},  {N::ingen, '5', uten, siffer(5)},
    {N::ingen, '6', uten, siffer(6)},  {N::ingen, '7', uten, siffer(7)},
    {N::ingen, '8', uten, siffer(8)},  {N::ingen, '9', uten, siffer(9)},
    {N::ingen, '/', uten, broekstrek}, {N::x, 0, uten, variabel0},
    {N::x, 0, skift, variabel1},
};
constexpr Tastevalg etter[] = {
    {N::n, 0, uten, pm},
    {N::enter, 0, uten, Utfoer},
    {N::escape, 0, uten, strykut},
    {N::tilbake, 0, uten, strykut},
    {N::slett, 0, uten, strykut},
    {N::side_opp, 0, uten, scrollopp},
    {N::side_ned, 0, uten, scrollned},
    {N::n, 0, ctrl, antall_taster, H::nyoppgave},
    {N::c, 0, ctrl, antall_taster, H::kopier},
};

constexpr auto lagtabell() {
    std::array<Tastevalg, std::size(foer) + antall_operasjoner + std::size(etter)> t{};
    std::size_t n = 0;
    for (const Tastevalg& v : foer) t[n++] = v;
    for (int i = 0; i < antall_operasjoner; ++i) t[n++] = operasjonsvalg(i);
    for (const Tastevalg& v : etter) t[n++] = v;
    return t;
}
constexpr auto tabell = lagtabell();

// No two rows answer the same key.
constexpr bool entydig() {
    for (std::size_t i = 0; i < tabell.size(); ++i)
        for (std::size_t j = i + 1; j < tabell.size(); ++j)
            if (tabell[i].tast == tabell[j].tast && tabell[i].tegn == tabell[j].tegn &&
                tabell[i].krav == tabell[j].krav)
                return false;
    return true;
}
static_assert(entydig());

constexpr Menypunkt meny[] = {
    {"egendef", M::egen_likning, BALVO_TR("Arket", "Egen likning"), N::e},
    {"mmPapir", M::graf, BALVO_TR("Arket", "Grafisk løsning"), N::g},
    {"Utskrift", M::utskrift, BALVO_TR("Arket", "Utskrift"), N::p},
    {"mellomrom"},
    {"Lagre", M::lagre, BALVO_TR("Arket", "Lagre som"), N::s},
    {"mrom"},
    {"om", M::om, BALVO_TR("Arket", "Om Balvo")},
};

constexpr Menypunkt rediger[] = {
    {"angre", M::angre, BALVO_TR("Arket", "Angre"), N::z},
    {"kopier", M::kopier, BALVO_TR("Arket", "Kopier arket"), N::c},
};

constexpr Menypunkt hjelp[] = {
    {"tips", M::tips, BALVO_TR("Arket", "Tips"), N::t},
    {"loesningsforslag", M::loesningsforslag, BALVO_TR("Arket", "Løsningsforslag"), N::l},
    {"hjelpmellomrom"},
    {"avstand",
     M::avstand,
     BALVO_TR("Arket", "Avstand etter hvert steg"),
     N::ingen,
     false,
     {},
     true},
    {"regnselv", M::regnselv, BALVO_TR("Arket", "Regn selv"), N::ingen, false, {}, true},
};

// Ctrl++ on keyboards with a key of its own for +, Ctrl+= where + is Shift and =.
constexpr Menypunkt vis[] = {
    {"stoerre", M::stoerre, BALVO_TR("Arket", "Større"), N::ingen, false, "+="},
    {"mindre", M::mindre, BALVO_TR("Arket", "Mindre"), N::ingen, false, "-"},
    {"vanlig", M::vanlig, BALVO_TR("Arket", "Vanlig størrelse"), N::ingen, false, "0"},
    {"vismellomrom"},
    {"fyll", M::fyll, BALVO_TR("Arket", "Fyll vinduet"), N::ingen, false, {}, true},
};

constexpr Menypunkt oekt[] = {
    {"lagreoekt", M::lagre_oekt, BALVO_TR("Arket", "Lagre økta som..."), N::s, true},
    {"skrivutoekt", M::skriv_ut_oekt, BALVO_TR("Arket", "Skriv ut økta..."), N::p, true},
    {"klasseoversikt", M::klasseoversikt, BALVO_TR("Arket", "Åpne klasseoversikt...")},
};

constexpr Meny menyer[] = {
    {"Meny", valgmeny, meny}, {"Rediger", redigermeny, rediger}, {"Hjelp", hjelpmeny, hjelp},
    {"Vis", vismeny, vis},    {"Okt", oektmeny, oekt},
};

// Every action stands in exactly one item of the menus.
constexpr bool hver_handling_en_gang() {
    int antall[antall_menyhandlinger] = {};
    for (const Meny& m : menyer)
        for (const Menypunkt& p : m.punkter) ++antall[static_cast<int>(p.handling)];
    for (int i = 1; i < antall_menyhandlinger; ++i)
        if (antall[i] != 1) return false;
    return true;
}
static_assert(hver_handling_en_gang());

}  // namespace

std::span<const Tastevalg> tastevalg() {
    return tabell;
}

const Tastevalg* finntastevalg(Tastenavn tast, unsigned endring, std::string_view tekst) {
    for (const auto& v : tabell) {
        if (v.tegn != 0) {
            // The character already says whether Shift was needed.
            if ((endring & ~skift) == v.krav && tekst.size() == 1 && tekst[0] == v.tegn) return &v;
        } else if (tast != N::ingen && tast == v.tast && endring == v.krav) {
            return &v;
        }
    }
    return nullptr;
}

std::span<const Menypunkt> valgmenyen() {
    return meny;
}

std::span<const Menypunkt> redigermenyen() {
    return rediger;
}

std::span<const Menypunkt> hjelpmenyen() {
    return hjelp;
}

std::span<const Menypunkt> vismenyen() {
    return vis;
}

std::span<const Menypunkt> oektmenyen() {
    return oekt;
}

std::span<const Meny> menyene() {
    return menyer;
}

const Menypunkt* menypunkt(Menyhandling handling) {
    if (handling == M::skille) return nullptr;
    for (const Meny& m : menyer)
        for (const Menypunkt& p : m.punkter)
            if (p.handling == handling) return &p;
    return nullptr;
}

const Menypunkt* finnmenypunkt(Tastenavn tast, bool skift, std::string_view tekst) {
    for (const Meny& m : menyer) {
        for (const Menypunkt& p : m.punkter) {
            // Ctrl with a letter: the key and Shift as given. With a character: the
            // character says whether Shift was needed.
            if (p.snarvei != N::ingen && p.snarvei == tast && p.skift == skift) return &p;
            if (tekst.size() == 1 && p.tegn.find(tekst[0]) != std::string_view::npos) return &p;
        }
    }
    return nullptr;
}

}  // namespace balvo
