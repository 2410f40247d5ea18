#include "core/mainwindow/koeffisient.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace balvo {

namespace {

constexpr std::array<std::string_view, 6> boksnavnene = {
    "x² på venstre side", "x på venstre side", "konstantleddet på venstre side",
    "x² på høyre side",   "x på høyre side",   "konstantleddet på høyre side",
};

constexpr std::string_view ikke_tall =
    " er ikke et helt tall eller en brøk.\n"
    "Skriv for eksempel 3, -2 eller -3/4.";
constexpr std::string_view for_stort =
    " er for stort.\nBruk tall mellom -2147483648 og 2147483647.";
constexpr std::string_view null_nevner = "Nevneren kan ikke være null.";

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
    std::string s = "«";
    if (t.size() <= lengste_sitat) {
        s += t;
    } else {
        std::size_t n = lengste_sitat;
        while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;  // whole UTF-8
        s += t.substr(0, n);
        s += "…";
    }
    return s + "»";
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

Koeffisienttolkning avslag(int boks, std::string grunn) {
    std::string m = "Feil i ruta for ";
    m += boksnavn(boks);
    m += ":\n";
    m += grunn;
    return {false, {}, m};
}

}  // namespace

std::string_view boksnavn(int boks) {
    if (boks < 0 || boks >= static_cast<int>(boksnavnene.size())) return "koeffisienten";
    return boksnavnene[static_cast<std::size_t>(boks)];
}

Koeffisienttolkning les_koeffisient(std::string_view tekst, int boks) {
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
        return avslag(boks, sitat(t) + std::string(ikke_tall));
    if (ft != Feil::ingen || fn != Feil::ingen)
        return avslag(boks,
                      sitat(ft != Feil::ingen ? tellerdel : nevnerdel) + std::string(for_stort));
    if (k.nevner == 0) return avslag(boks, std::string(null_nevner));
    if (k.nevner < 0) {
        // Every later line has a positive denominator; line 0 keeps the same rule.
        k.teller = -k.teller;
        k.nevner = -k.nevner;
    }
    return {true, k, {}};
}

}  // namespace balvo
