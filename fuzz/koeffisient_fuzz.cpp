// SPDX-License-Identifier: GPL-3.0-or-later
// The own-equation boxes under a fuzzer: any text is read without a crash, a text is accepted
// exactly when a strict reading of it is a whole number or a fraction within 32 bits, an
// accepted value reads back the same when written out again, and `egne` on six texts takes
// them all or changes nothing.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/mainwindow/arket.h"
#include "core/mainwindow/koeffisient.h"
#include "testskall.h"

namespace {

using balvo::Celle;

void feil(const char* hva, std::string_view tekst) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", hva, static_cast<int>(tekst.size()), tekst.data());
    std::abort();
}

// An optional sign and digits, within the 32-bit signed range (or 2^40 when reading back a
// value whose sign moved up from under the bar).
std::optional<Celle> streng_heltall(std::string_view d, Celle grense = 2147483647LL) {
    bool neg = false;
    if (!d.empty() && (d[0] == '+' || d[0] == '-')) {
        neg = d[0] == '-';
        d.remove_prefix(1);
    }
    while (d.size() > 1 && d[0] == '0') d.remove_prefix(1);  // leading zeros do not count
    if (d.empty() || d.size() > 13) return std::nullopt;
    Celle v = 0;
    for (char c : d) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    v = neg ? -v : v;
    if (v < -grense - 1 || v > grense) return std::nullopt;
    return v;
}

// The value of a box text, sign under the bar moved up; nothing for a text to refuse.
std::optional<std::pair<Celle, Celle>> streng(std::string_view t, Celle grense = 2147483647LL) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    if (t.empty()) return std::pair<Celle, Celle>{0, 1};
    const auto strek = t.find('/');
    const auto a = streng_heltall(t.substr(0, strek), grense);
    const auto b = strek == std::string_view::npos ? std::optional<Celle>{1}
                                                   : streng_heltall(t.substr(strek + 1), grense);
    if (!a || !b || *b == 0) return std::nullopt;
    return *b < 0 ? std::pair<Celle, Celle>{-*a, -*b} : std::pair<Celle, Celle>{*a, *b};
}

bool gyldig_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

void en_boks(std::string_view tekst, int boks) {
    const auto svar = balvo::leskoeffisient(tekst, boks);
    const auto fasit = streng(tekst);
    if (svar.ok != fasit.has_value()) feil(svar.ok ? "accepted a wrong text" : "refused", tekst);
    if (!svar.ok) {
        if (svar.melding.empty()) feil("refused without a message", tekst);
        if (gyldig_utf8(tekst) && !gyldig_utf8(svar.melding)) feil("message not UTF-8", tekst);
        return;
    }
    if (svar.verdi.teller != fasit->first || svar.verdi.nevner != fasit->second)
        feil("accepted with another value", tekst);
    // Written out again, the accepted value reads back the same.
    const std::string igjen =
        std::to_string(svar.verdi.teller) + "/" + std::to_string(svar.verdi.nevner);
    const auto lest = streng(igjen, Celle{1} << 40);
    if (!lest || *lest != *fasit) feil("the accepted value does not read back", tekst);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view alt(reinterpret_cast<const char*>(data), size);
    en_boks(alt, static_cast<int>(size % 7) - 1);

    // Six boxes, separated by the byte 0x1e.
    std::array<std::string, 6> koeff{};
    std::size_t start = 0;
    for (std::size_t k = 0; k < 6 && start <= alt.size(); ++k) {
        const auto slutt = std::min(alt.find('\x1e', start), alt.size());
        koeff[k] = std::string(alt.substr(start, slutt - start));
        start = slutt + 1;
    }
    bool alle = true;
    for (int k = 0; k < 6; ++k) {
        en_boks(koeff[static_cast<std::size_t>(k)], k);
        alle = alle && streng(koeff[static_cast<std::size_t>(k)]).has_value();
    }

    balvo::test::Testskall skall;
    balvo::test::Testtilfeldig tilfeldig;
    tilfeldig.trekk = {0.9, 0.5, 0.1, 0.3, 0.7, 0.2, 0.6, 0.4, 0.8, 0.0, 0.35, 0.65};
    balvo::Arket arket(skall, tilfeldig);
    arket.Form_Load();
    arket.nyoppgave_Click();
    const balvo::Ark foer = arket.ark();
    const auto svar = arket.egne(koeff);
    if (svar.ok != alle) feil("egne disagrees with the boxes", alt);
    const balvo::Ark& a = arket.ark();
    if (!svar.ok) {
        if (a.teller != foer.teller || a.nevner != foer.nevner || a.linjenr != foer.linjenr)
            feil("a refused own equation changed the sheet", alt);
        return 0;
    }
    for (int j = 1; j <= 6; ++j) {
        const auto v = *streng(koeff[static_cast<std::size_t>(j - 1)]);
        if (a.teller[0][j] != v.first || a.nevner[0][j] != v.second)
            feil("line 0 is not what was typed", alt);
    }
    return 0;
}
