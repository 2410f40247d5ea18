// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/koeffisient.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/tekst/katalog.h"

namespace balvo {

namespace {

constexpr std::array<Tekst, 6> boksnavnene = {
    BALVO_TR("egenlikning", "x² på venstre side"),
    BALVO_TR("egenlikning", "x på venstre side"),
    BALVO_TR("egenlikning", "konstantleddet på venstre side"),
    BALVO_TR("egenlikning", "x² på høyre side"),
    BALVO_TR("egenlikning", "x på høyre side"),
    BALVO_TR("egenlikning", "konstantleddet på høyre side"),
};
constexpr Tekst ukjent_boks = BALVO_TR("egenlikning", "koeffisienten");

// %1 is the box's name, %2 what is wrong.
constexpr Tekst feil_i_ruta = BALVO_TR("egenlikning", "Feil i ruta for %1:\n%2");
// %1 is the pupil's text as quoted.
constexpr Tekst ikke_tall = BALVO_TR("egenlikning",
                                     "%1 er ikke et helt tall eller en brøk.\n"
                                     "Skriv for eksempel 3, -2 eller -3/4.");
constexpr Tekst for_stort =
    BALVO_TR("egenlikning", "%1 er for stort.\nBruk tall mellom -2147483648 og 2147483647.");
constexpr Tekst null_nevner = BALVO_TR("egenlikning", "Nevneren kan ikke være null.");
// The quotation marks of the language around the pupil's text.
constexpr Tekst sitattegn = BALVO_TR("egenlikning", "«%1»");

// Long pasted texts are cut so that the message box stays readable.
constexpr std::size_t lengste_sitat = 24;

bool mellomrom(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view t) {
    while (!t.empty() && mellomrom(t.front())) t.remove_prefix(1);
    while (!t.empty() && mellomrom(t.back())) t.remove_suffix(1);
    return t;
}

std::string sitat(std::string_view t) {
    std::string s;
    if (t.size() <= lengste_sitat) {
        s = t;
    } else {
        std::size_t n = lengste_sitat;
        while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;  // whole UTF-8
        s = t.substr(0, n);
        s += "…";
    }
    return oversettelse(sitattegn, {s});
}

enum class Feil { ingen, form, stoerrelse };

// An optional sign and at least one digit, within the 32-bit signed range.
Feil heltall(std::string_view t, Celle& verdi) {
    bool negativ = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negativ = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return Feil::form;
    for (char c : t)
        if (c < '0' || c > '9') return Feil::form;
    constexpr Celle stoerst = std::numeric_limits<std::int32_t>::max();
    Celle v = 0;
    bool for_stor = false;
    for (char c : t) {
        v = v * 10 + (c - '0');
        if (v > stoerst + 1) {  // keep going through the digits, but never past this bound
            for_stor = true;
            v = stoerst + 1;
        }
    }
    if (for_stor || v > stoerst + (negativ ? 1 : 0)) return Feil::stoerrelse;
    verdi = negativ ? -v : v;
    return Feil::ingen;
}

Koeffisienttolkning avslag(int boks, const std::string& grunn) {
    return {false, {}, oversettelse(feil_i_ruta, {boksnavn(boks), grunn})};
}

}  // namespace

std::string boksnavn(int boks) {
    if (boks < 0 || boks >= static_cast<int>(boksnavnene.size())) return oversettelse(ukjent_boks);
    return oversettelse(boksnavnene[static_cast<std::size_t>(boks)]);
}

Koeffisienttolkning leskoeffisient(std::string_view tekst, int boks) {
    const std::string_view t = trim(tekst);
    if (t.empty()) return {true, {0, 1}, {}};

    std::string_view tellerdel = t;
    std::string_view nevnerdel = "1";
    if (const auto p = t.find('/'); p != std::string_view::npos) {
        tellerdel = t.substr(0, p);
        nevnerdel = t.substr(p + 1);
    }

    Koeffisient k;
    const Feil ft = heltall(tellerdel, k.teller);
    const Feil fn = heltall(nevnerdel, k.nevner);
    // A malformed part (a second "/" lands in the denominator text) outweighs a large number.
    if (ft == Feil::form || fn == Feil::form)
        return avslag(boks, oversettelse(ikke_tall, {sitat(t)}));
    if (ft != Feil::ingen || fn != Feil::ingen)
        return avslag(boks,
                      oversettelse(for_stort, {sitat(ft != Feil::ingen ? tellerdel : nevnerdel)}));
    if (k.nevner == 0) return avslag(boks, oversettelse(null_nevner));
    if (k.nevner < 0) {
        // Every later line has a positive denominator; line 0 keeps the same rule.
        k.teller = -k.teller;
        k.nevner = -k.nevner;
    }
    return {true, k, {}};
}

}  // namespace balvo
