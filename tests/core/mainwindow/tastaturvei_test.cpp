// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's ways through the main window: the Tab order both shells build, and the
// shortcuts a browser keeps for itself, given with Alt in the browser edition.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/mainwindow/tastaturvei.h"

namespace balvo {
namespace {

TEST(Tabrekke, NewExerciseTypesFractionsThenTheKeypadRowByRow) {
    std::string rekke;
    for (const Kontroll* k : tabrekke()) rekke += std::string(k->navn) + " ";
    EXPECT_EQ(rekke,
              "nyoppgave Option3 Option2 Option1 Check1 "
              "opr_0 opr_4 siffer_7 siffer_8 siffer_9 "
              "opr_1 opr_5 siffer_4 siffer_5 siffer_6 "
              "opr_2 opr_6 siffer_1 siffer_2 siffer_3 "
              "opr_3 opr_7 siffer_0 pm broekstrek "
              "Utfoer strykut variabel_0 variabel_1 ");
}

struct Snarvei {
    Tastenavn tast;
    unsigned endring;
    bool beholdes;     // the browser keeps it
    const char* vist;  // as the browser's menus show it
    const char* navn;  // as aria-keyshortcuts names it
};

const Snarvei snarveier[] = {
    {Tastenavn::t, ctrl, true, "Alt+T", "Alt+T"},                      // a new tab: "Tips"
    {Tastenavn::n, ctrl, true, "Alt+N", "Alt+N"},                      // a new window: "Ny oppgave"
    {Tastenavn::p, ctrl | skift, true, "Alt+Shift+P", "Alt+Shift+P"},  // a private window
    {Tastenavn::n, ctrl | skift, true, "Alt+Shift+N", "Alt+Shift+N"},  // a private window
    {Tastenavn::t, ctrl | skift, true, "Alt+Shift+T", "Alt+Shift+T"},  // the tab just closed
    {Tastenavn::s, ctrl | skift, false, "Ctrl+Shift+S", "Control+Shift+S"},
    {Tastenavn::p, ctrl, false, "Ctrl+P", "Control+P"},
    {Tastenavn::s, ctrl, false, "Ctrl+S", "Control+S"},
    {Tastenavn::l, ctrl, false, "Ctrl+L", "Control+L"},
    {Tastenavn::z, ctrl, false, "Ctrl+Z", "Control+Z"},
    {Tastenavn::t, alt, false, "Alt+T", "Alt+T"},  // already the page's
    {Tastenavn::n, uten, false, "N", "N"},
    {Tastenavn::ingen, ctrl, false, "", ""},
};

TEST(Nettsnarvei, TheBrowsersOwnShortcutsAreGivenWithAlt) {
    for (const Snarvei& s : snarveier) {
        SCOPED_TRACE(s.vist);
        EXPECT_EQ(nettleseren_beholder(s.tast, s.endring), s.beholdes);
        const unsigned e = nettendring(s.tast, s.endring);
        EXPECT_EQ(snarveitekst(s.tast, e), s.vist);
        EXPECT_EQ(snarveinavn(s.tast, e), s.navn);
        EXPECT_FALSE(nettleseren_beholder(s.tast, e));
    }
}

TEST(Nettsnarvei, EveryShortcutReachesThePageOnceAndNoneIsTheKeypads) {
    std::set<std::pair<Tastenavn, unsigned>> brukt;
    const auto legg = [&](Tastenavn t, unsigned endring) {
        const unsigned e = nettendring(t, endring);
        EXPECT_FALSE(nettleseren_beholder(t, e));
        EXPECT_TRUE(brukt.insert({t, e}).second) << snarveitekst(t, e) << " twice";
        // Alt alone with a letter is no key of the keypad.
        EXPECT_EQ(finntastevalg(t, e, {}), nullptr) << snarveitekst(t, e);
    };
    for (const auto meny :
         {valgmenyen(), redigermenyen(), hjelpmenyen(), vismenyen(), oektmenyen()})
        for (const Menypunkt& m : meny)
            if (m.snarvei != Tastenavn::ingen && m.navn != "kopier")
                legg(m.snarvei, ctrl | (m.skift ? skift : 0u));
    for (const Tastevalg& v : tastevalg())
        if (v.handling == Tastehandling::nyoppgave) {
            EXPECT_TRUE(nettleseren_beholder(v.tast, v.krav));
            legg(v.tast, v.krav);
        }
    EXPECT_EQ(brukt.size(), 10u);
}

}  // namespace
}  // namespace balvo
