// SPDX-License-Identifier: GPL-3.0-or-later
// The keys each mode leaves usable, for a few line shapes.
#include "core/entry/taster.h"

#include <gtest/gtest.h>

#include "symbol.h"
#include "tastetekst.h"

namespace balvo {
namespace {

struct Form {
    std::array<Celle, 6> t;  // left x², x, constant, right x², x, constant
    Celle vrot = 0;          // left root coefficient
    Celle hrot = 0;          // right ± root coefficient
};

const Form null_lik_null{{0, 0, 0, 0, 0, 0}};
const Form to_x_pluss_3{{0, 2, 3, 0, 0, 5}};           // 2x + 3 = 5
const Form x2_lik_9{{1, 0, 0, 0, 0, 9}};               // x² = 9
const Form x2_x_lik_x{{2, 3, 0, 0, 5, 0}};             // 2x² + 3x = 5x
const Form x_pm_rot2{{0, 1, 0, 0, 0, 0}, 0, 1};        // x = ±√2
const Form x_lik_1_pm_rot2{{0, 1, 1, 0, 0, 1}, 0, 1};  // x + 1 = 1 ± √2
const Form rot_med_ledd{{0, 2, 0, 0, 0, 3}, 1, 0};     // 2x + √x = 3
const Form rot_alene{{0, 0, 0, 0, 0, 3}, 1, 0};        // √x = 3

struct Rad {
    const char* modus;
    const Form* form;
    const char* regneart;
    bool nevnermodus;
    int linjenr;
    int sistelinje;
    const char* brukbare;
};

void PrintTo(const Rad& r, std::ostream* os) {
    *os << '"' << r.modus << "\" regneart \"" << r.regneart << "\" line " << r.linjenr << "/"
        << r.sistelinje;
}

Ark lag(const Rad& r) {
    Ark ark;
    for (int i = 0; i <= r.sistelinje; ++i) {
        toemlinje(ark, i);
        for (int j = 1; j <= 6; ++j) ark.teller[i][j] = r.form->t[static_cast<std::size_t>(j - 1)];
        ark.rotteller[i][0] = r.form->vrot;
        ark.rotteller[i][7] = r.form->hrot;
    }
    ark.rotteller[0][6] = 2;  // right radicand 2 where a right root exists
    ark.regneart = test::fra_symbol(r.regneart);
    ark.nevnermodus = r.nevnermodus;
    ark.linjenr = r.linjenr;
    ark.sistelinje = r.sistelinje;
    return ark;
}

class Taster : public ::testing::TestWithParam<Rad> {};

TEST_P(Taster, ModeAndLineGiveExactlyTheseKeys) {
    const Rad& r = GetParam();
    const Tastesett t = brukbare_taster(test::modus(r.modus), lag(r));
    EXPECT_EQ(test::tastetekst(t), r.brukbare);
    // The equation-type options are never switched off.
    EXPECT_TRUE(t.test(Check1) && t.test(Option1) && t.test(Option2) && t.test(Option3));
}

const Rad rader[] = {
    {"ingen oppgave", &null_lik_null, "", false, 0, 0, "C"},
    {"ny oppgave", &to_x_pluss_3, "", false, 0, 0, "+ - * : r k ± b C"},
    // x² = 9: the square root yes, squaring no.
    {"ny oppgave", &x2_lik_9, "", false, 0, 0, "+ - * : r ± b C"},
    // x = ±√2 may be squared (no polynomial terms beside the root), never rooted again.
    {"ny oppgave", &x_pm_rot2, "", false, 0, 0, "+ - * : k ± b C"},
    {"ny oppgave", &x_lik_1_pm_rot2, "", false, 0, 0, "+ - * : ± b C"},
    {"ny oppgave", &rot_med_ledd, "", false, 0, 0, "+ - * : ± b C"},
    {"ny oppgave", &rot_alene, "", false, 0, 0, "+ - * : k ± b C"},
    {"ny oppgave", &to_x_pluss_3, "", false, 7, 7, "+ - * : r k ± b C"},
    {"opr0-3+...", &to_x_pluss_3, "+", false, 0, 0, "sif pm x x² C"},
    {"opr0-3+...", &x2_lik_9, "-", false, 0, 0, "sif pm x x² C"},
    // "*": x² never; x only without x² terms or roots.
    {"opr0-3+...", &to_x_pluss_3, "*", false, 0, 0, "sif pm x C"},
    {"opr0-3+...", &x2_lik_9, "*", false, 0, 0, "sif pm C"},
    {"opr0-3+...", &x_pm_rot2, "*", false, 0, 0, "sif pm C"},
    // ":": x only without constant terms or roots.
    {"opr0-3+...", &x2_x_lik_x, ":", false, 0, 0, "sif pm x C"},
    {"opr0-3+...", &to_x_pluss_3, ":", false, 0, 0, "sif pm C"},
    {"siffer", &to_x_pluss_3, "+", false, 0, 0, "sif U pm / x x² C"},
    // After the bar and a denominator digit the bar is spent.
    {"siffer", &to_x_pluss_3, "+", true, 0, 0, "sif U pm x x² C"},
    {"siffer", &to_x_pluss_3, ":", true, 0, 0, "sif U pm C"},
    {"siffer", &x2_x_lik_x, "*", false, 0, 0, "sif U pm / C"},
    {"opr4-7", &x2_lik_9, "r", false, 0, 0, "U C"},
    {"x eller x2", &to_x_pluss_3, "+", false, 0, 0, "+ - * : r k ± b U pm C"},
    {"x eller x2", &x2_lik_9, "+", false, 0, 0, "+ - * : r ± b U pm C"},
    {"stryk ut", &to_x_pluss_3, "", false, 0, 0, "+ - * : r k ± b C"},
    {"utført", &to_x_pluss_3, "+", false, 0, 0, "+ - * : r k ± b C"},
    {"utført", &to_x_pluss_3, "+", false, 5, 5, "+ - * : r k ± b ↑ C"},
    {"ryddopp", &null_lik_null, "", false, 0, 0, "sif + - * : r k ± b U pm / x x² C"},
    // An earlier line in view: only the scroll keys.
    {"scrollopp", &to_x_pluss_3, "+", false, 4, 5, "↓ C"},
    {"scrollopp", &to_x_pluss_3, "+", false, 6, 9, "↑ ↓ C"},
    {"utført", &to_x_pluss_3, "+", false, 6, 9, "↑ ↓ C"},
    // The scroll modes alone have no row of their own.
    {"scrollned", &to_x_pluss_3, "+", false, 9, 9, "sif + - * : r k ± b U pm / x x² ↑ C"},
    {"x eller x2", &to_x_pluss_3, "+", false, 6, 9, "↑ ↓ C"},
};

INSTANTIATE_TEST_SUITE_P(Tabell, Taster, ::testing::ValuesIn(rader));

}  // namespace
}  // namespace balvo
