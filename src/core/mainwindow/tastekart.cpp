// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/tastekart.h"

namespace balvo {
namespace {

using N = Tastenavn;
using H = Tastehandling;

constexpr Tast siffer(int i) {
    return static_cast<Tast>(siffer0 + i);
}
constexpr Tast opr(int i) {
    return static_cast<Tast>(opr0 + i);
}

// Symbols are matched by the character typed, so that every keyboard layout works.
constexpr Tastevalg tabell[] = {
    {N::ingen, '0', uten, siffer(0)},
    {N::ingen, '1', uten, siffer(1)},
    {N::ingen, '2', uten, siffer(2)},
    {N::ingen, '3', uten, siffer(3)},
    {N::ingen, '4', uten, siffer(4)},
    {N::ingen, '5', uten, siffer(5)},
    {N::ingen, '6', uten, siffer(6)},
    {N::ingen, '7', uten, siffer(7)},
    {N::ingen, '8', uten, siffer(8)},
    {N::ingen, '9', uten, siffer(9)},
    {N::ingen, '/', uten, broekstrek},
    {N::x, 0, uten, variabel0},
    {N::x, 0, skift, variabel1},
    {N::ingen, '+', uten, opr(0)},
    {N::ingen, '-', uten, opr(1), H::minus},
    {N::ingen, '*', uten, opr(2)},
    {N::ingen, ':', uten, opr(3)},
    {N::r, 0, uten, opr(4)},
    {N::k, 0, uten, opr(5)},
    {N::f, 0, uten, opr(6)},
    {N::b, 0, uten, opr(7)},
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

constexpr Menypunkt meny[] = {
    {"egendef", BALVO_TR("Arket", "Egen likning"), N::e},
    {"mmPapir", BALVO_TR("Arket", "Grafisk løsning"), N::g},
    {"Utskrift", BALVO_TR("Arket", "Utskrift"), N::p},
    {"mellomrom"},
    {"Lagre", BALVO_TR("Arket", "Lagre som"), N::s},
    {"mrom"},
    {"om", BALVO_TR("Arket", "Om Balvo")},
};

constexpr Menypunkt rediger[] = {
    {"angre", BALVO_TR("Arket", "Angre"), N::z},
    {"kopier", BALVO_TR("Arket", "Kopier arket"), N::c},
};

constexpr Menypunkt hjelp[] = {
    {"tips", BALVO_TR("Arket", "Tips"), N::t},
    {"loesningsforslag", BALVO_TR("Arket", "Løsningsforslag"), N::l},
    {"hjelpmellomrom"},
    {"avstand", BALVO_TR("Arket", "Avstand etter hvert steg"), N::ingen, false, {}, true},
    {"regnselv", BALVO_TR("Arket", "Regn selv"), N::ingen, false, {}, true},
};

// Ctrl++ on keyboards with a key of its own for +, Ctrl+= where + is Shift and =.
constexpr Menypunkt vis[] = {
    {"stoerre", BALVO_TR("Arket", "Større"), N::ingen, false, "+="},
    {"mindre", BALVO_TR("Arket", "Mindre"), N::ingen, false, "-"},
    {"vanlig", BALVO_TR("Arket", "Vanlig størrelse"), N::ingen, false, "0"},
    {"vismellomrom"},
    {"fyll", BALVO_TR("Arket", "Fyll vinduet"), N::ingen, false, {}, true},
};

constexpr Menypunkt oekt[] = {
    {"lagreoekt", BALVO_TR("Arket", "Lagre økta som..."), N::s, true},
    {"skrivutoekt", BALVO_TR("Arket", "Skriv ut økta..."), N::p, true},
    {"klasseoversikt", BALVO_TR("Arket", "Åpne klasseoversikt...")},
};

constexpr std::span<const Menypunkt> menyene[] = {meny, rediger, hjelp, vis, oekt};

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

const Menypunkt* finnmenypunkt(Tastenavn tast, bool skift, std::string_view tekst) {
    for (const auto m : menyene) {
        for (const Menypunkt& p : m) {
            // Ctrl with a letter: the key and Shift as given. With a character: the
            // character says whether Shift was needed.
            if (p.snarvei != N::ingen && p.snarvei == tast && p.skift == skift) return &p;
            if (tekst.size() == 1 && p.tegn.find(tekst[0]) != std::string_view::npos) return &p;
        }
    }
    return nullptr;
}

}  // namespace balvo
