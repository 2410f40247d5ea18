// SPDX-License-Identifier: GPL-3.0-or-later
// The key map both shells share: which key, with which modifiers, presses which button, and
// the shortcuts of the menu "Valg" in its order.
#include <gtest/gtest.h>

#include <string>

#include "core/mainwindow/tastekart.h"

namespace {

using balvo::Tast;
using balvo::Tastehandling;
using balvo::Tastenavn;

struct Rad {
    const char* navn;
    Tastenavn tast;
    unsigned endring;
    const char* tekst;
    Tast knapp;  // antall_taster: none
    Tastehandling handling = Tastehandling::knapp;
};

constexpr Tast opr(int i) {
    return static_cast<Tast>(balvo::opr0 + i);
}

const Rad rader[] = {
    {"siffer", Tastenavn::ingen, balvo::uten, "7", static_cast<Tast>(balvo::siffer0 + 7)},
    // A character that needs Shift on the keyboard is the same character.
    {"pluss_med_skift", Tastenavn::ingen, balvo::skift, "+", opr(0)},
    {"minus", Tastenavn::ingen, balvo::uten, "-", opr(1), Tastehandling::minus},
    {"gange", Tastenavn::ingen, balvo::skift, "*", opr(2)},
    {"kolon", Tastenavn::ingen, balvo::skift, ":", opr(3)},
    {"broekstrek", Tastenavn::ingen, balvo::skift, "/", balvo::broekstrek},
    // Letters go by the key: Shift+X is x², Caps Lock's "X" without Shift is x.
    {"x", Tastenavn::x, balvo::uten, "x", balvo::variabel0},
    {"caps_x", Tastenavn::x, balvo::uten, "X", balvo::variabel0},
    {"x2", Tastenavn::x, balvo::skift, "X", balvo::variabel1},
    {"rot", Tastenavn::r, balvo::uten, "r", opr(4)},
    {"kvadrer", Tastenavn::k, balvo::uten, "k", opr(5)},
    {"snu", Tastenavn::f, balvo::uten, "f", opr(6)},
    {"bytt", Tastenavn::b, balvo::uten, "b", opr(7)},
    {"negativ", Tastenavn::n, balvo::uten, "n", balvo::pm},
    {"enter", Tastenavn::enter, balvo::uten, "", balvo::Utfoer},
    {"escape", Tastenavn::escape, balvo::uten, "", balvo::strykut},
    {"tilbake", Tastenavn::tilbake, balvo::uten, "", balvo::strykut},
    {"slett", Tastenavn::slett, balvo::uten, "", balvo::strykut},
    {"side_opp", Tastenavn::side_opp, balvo::uten, "", balvo::scrollopp},
    {"side_ned", Tastenavn::side_ned, balvo::uten, "", balvo::scrollned},
    {"ctrl_n", Tastenavn::n, balvo::ctrl, "n", balvo::antall_taster, Tastehandling::nyoppgave},
    {"ctrl_c", Tastenavn::c, balvo::ctrl, "c", balvo::antall_taster, Tastehandling::kopier},
    // Nothing: other letters, Ctrl with a digit or x, Alt with a letter, Shift+Enter.
    {"annen_bokstav", Tastenavn::ingen, balvo::uten, "q", balvo::antall_taster},
    {"ctrl_siffer", Tastenavn::ingen, balvo::ctrl, "7", balvo::antall_taster},
    {"ctrl_x", Tastenavn::x, balvo::ctrl, "x", balvo::antall_taster},
    {"alt_r", Tastenavn::r, balvo::alt, "r", balvo::antall_taster},
    {"skift_enter", Tastenavn::enter, balvo::skift, "", balvo::antall_taster},
};

class Tastekart : public ::testing::TestWithParam<Rad> {};

TEST_P(Tastekart, TastenTrykkerKnappen) {
    const Rad& r = GetParam();
    const balvo::Tastevalg* v = balvo::finntastevalg(r.tast, r.endring, r.tekst);
    if (r.knapp == balvo::antall_taster && r.handling == Tastehandling::knapp) {
        EXPECT_EQ(v, nullptr);
        return;
    }
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->handling, r.handling);
    if (r.handling == Tastehandling::knapp || r.handling == Tastehandling::minus) {
        EXPECT_EQ(v->knapp, r.knapp);
    }
}

INSTANTIATE_TEST_SUITE_P(Taster, Tastekart, ::testing::ValuesIn(rader),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Valgmenyen, PunktenePaaSinPlassMedSnarveier) {
    const auto meny = balvo::valgmenyen();
    ASSERT_EQ(meny.size(), 7u);
    const char* navn[] = {"egendef", "mmPapir", "Utskrift", "mellomrom", "Lagre", "mrom", "om"};
    const char* tekst[] = {"Egen likning", "Grafisk løsning", "Utskrift", nullptr,
                           "Lagre som",    nullptr,           "Om Balvo"};
    const Tastenavn snarvei[] = {Tastenavn::e, Tastenavn::g,     Tastenavn::p,    Tastenavn::ingen,
                                 Tastenavn::s, Tastenavn::ingen, Tastenavn::ingen};
    for (std::size_t i = 0; i < meny.size(); ++i) {
        SCOPED_TRACE(navn[i]);
        EXPECT_EQ(meny[i].navn, navn[i]);
        if (tekst[i]) {
            ASSERT_NE(meny[i].tekst.kilde, nullptr);
            EXPECT_STREQ(meny[i].tekst.kilde, tekst[i]);
        } else {
            EXPECT_EQ(meny[i].tekst.kilde, nullptr);  // a separator
        }
        EXPECT_EQ(meny[i].snarvei, snarvei[i]);
    }
    EXPECT_STREQ(balvo::valgmeny.kilde, "Valg");
}

}  // namespace
