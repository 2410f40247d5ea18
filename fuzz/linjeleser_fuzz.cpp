// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of written lines under a fuzzer: any bytes are read without a crash, a line read
// has every number in lowest terms within the exact range, a refusal names a place inside the
// text (or none), and checking the text against a step never crashes either.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/algebra/regning.h"
#include "core/entry/linjeleser.h"
#include "core/entry/linjesjekk.h"

namespace {

void sjekkbroek(balvo::Eksakt b) {
    if (b.n <= 0 || !balvo::innenfor(b.t) || !balvo::innenfor(b.n)) std::abort();
    const auto igjen = balvo::lagbroek(b.t, b.n);
    if (!igjen || !(*igjen == b)) std::abort();
}

balvo::Ark& ark() {
    static balvo::Ark* a = [] {
        auto* ny = new balvo::Ark();
        balvo::toemlinje(*ny, 0);
        balvo::toemlinje(*ny, 1);
        ny->teller[0][2] = 2;  // 2x + 4 = 6, divided by 2
        ny->teller[0][3] = 4;
        ny->teller[0][6] = 6;
        ny->linjeopr[0] = balvo::Operasjon::del;
        ny->linjeteller[0] = 2;
        ny->linjenevner[0] = 1;
        balvo::regnut(*ny, 0);
        balvo::forkort(*ny, 1);
        return ny;
    }();
    return *a;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view tekst(reinterpret_cast<const char*>(data), size);
    const balvo::Lesing l = balvo::leslinje(tekst);
    if (l.linje) {
        for (const auto& s : l.linje->side) {
            for (auto b : s.ledd) sjekkbroek(b);
            for (auto b : s.radikand) sjekkbroek(b);
            sjekkbroek(s.rotkoeff);
        }
    } else {
        if (l.feil.grunn.kilde == nullptr) std::abort();
        if (l.feil.tegn > balvo::lengste_linje + 1) std::abort();
        (void)balvo::lesefeiltekst(tekst, l.feil);
    }
    const balvo::Linjedom dom = balvo::sjekklinje(ark(), 0, tekst);
    if (dom.dom != balvo::Dom::riktig && dom.melding.empty()) std::abort();
    if (dom.tekst.size() > tekst.size()) std::abort();
    return 0;
}
