// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for whole sessions through the main window's logic: a window with a scripted
// shell, keys pressed by their faces (refusing a key the pupil could not press), exact
// draws for the generator and compact views of lines and usable keys.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "core/display/linjetegner.h"
#include "core/mainwindow/arket.h"
#include "symbol.h"
#include "tastetekst.h"
#include "testskall.h"

namespace balvo::test {

// A draw r that gives numerator t (−4..7) and one that gives denominator d (1..6; 0 too).
inline double teller_trekk(int t) {
    return (t + 4 + 0.5) / 12.0;
}
inline double nevner_trekk(int d) {
    return (d + 0.5) / 7.0;
}

class Oekt : public ::testing::Test {
protected:
    void SetUp() override { arket.Form_Load(); }

    // Queues the twelve draws of one exercise: numerator, denominator, column by column.
    void trekk(const std::array<int, 6>& t, const std::array<int, 6>& n = {1, 1, 1, 1, 1, 1}) {
        for (std::size_t j = 0; j < 6; ++j) {
            tilfeldig.trekk.push_back(teller_trekk(t[j]));
            tilfeldig.trekk.push_back(nevner_trekk(n[j]));
        }
    }

    // A new exercise whose line 0 is then written by hand (whole numbers, no root part):
    // left x², x, constant, right x², x, constant.
    void oppgave(const std::array<Celle, 6>& t) {
        arket.nyoppgave_Click();
        auto& ark = arket.ark();
        for (int j = 1; j <= 6; ++j) {
            ark.teller[0][j] = t[static_cast<std::size_t>(j - 1)];
            ark.nevner[0][j] = 1;
        }
        tegnlinje(ark, 0, 0, skall.linje(0), skall);
        arket.settmodus(Modus::ny_oppgave);
    }

    // Presses keys by their faces, separated by spaces: + - * : r k ± b for the operation
    // keys, digit strings, pm, /, x, x², C, U, ↑, ↓, and A for "Angre". A key the pupil could
    // not press fails.
    void trykk(const std::string& sekvens) {
        std::istringstream inn(sekvens);
        std::string tast;
        while (inn >> tast) {
            static const std::string opr[] = {"+", "-", "*", ":", "r", "k", "±", "b"};
            static_assert(std::size(opr) == antall_operasjoner);
            bool funnet = false;
            for (int i = 0; i < antall_operasjoner && !funnet; ++i) {
                if (tast != opr[i]) continue;
                funnet = true;
                if (brukbar(opr0 + i, tast)) arket.opr_Click(i);
            }
            if (funnet) continue;
            if (tast[0] >= '0' && tast[0] <= '9') {
                for (char c : tast)
                    if (brukbar(siffer0 + (c - '0'), tast)) arket.siffer_Click(c - '0');
            } else if (tast == "pm") {
                if (brukbar(pm, tast)) arket.pm_Click();
            } else if (tast == "/") {
                if (brukbar(broekstrek, tast)) arket.broekstrek_Click();
            } else if (tast == "x") {
                if (brukbar(variabel0, tast)) arket.variabel_Click(0);
            } else if (tast == "x²") {
                if (brukbar(variabel1, tast)) arket.variabel_Click(1);
            } else if (tast == "C") {
                if (brukbar(strykut, tast)) arket.strykut_Click();
            } else if (tast == "U") {
                if (brukbar(Utfoer, tast)) arket.Utfoer_Click();
            } else if (tast == "↑") {
                if (brukbar(scrollopp, tast)) arket.scrollopp_Click();
            } else if (tast == "↓") {
                if (brukbar(scrollned, tast)) arket.scrollned_Click();
            } else if (tast == "Esc") {
                arket.giopp();  // "Regn selv": the waiting line shown
            } else if (tast == "R") {
                arket.settregnselv(!arket.regnselv());
            } else if (tast.starts_with("\u00ab") && tast.ends_with("\u00bb")) {
                // «2x=4»: the line written in "Regn selv" and Enter.
                const std::size_t k = std::string_view("\u00ab").size();
                if (arket.venter_linje()) {
                    arket.skrivlinje(tast.substr(k, tast.size() - 2 * k));
                } else {
                    ADD_FAILURE() << "no line waits for " << tast;
                }
            } else if (tast == "A") {
                if (arket.kan_angre()) {
                    arket.angre();
                } else {
                    ADD_FAILURE() << "nothing to undo";
                }
            } else {
                ADD_FAILURE() << "unknown key " << tast;
            }
        }
    }

    // Line n as "t/n t/n t/n = t/n t/n t/n" (x², x, constant on each side).
    std::string linje(int n) const {
        const auto& ark = arket.ark();
        std::string s;
        for (int j = 1; j <= 6; ++j) {
            s += std::to_string(ark.teller[n][j]) + "/" + std::to_string(ark.nevner[n][j]);
            s += j == 3 ? " = " : (j < 6 ? " " : "");
        }
        return s;
    }

    std::string taster() const { return tastetekst(skall.taster); }

    Testskall skall;
    Testtilfeldig tilfeldig;
    Arket arket{skall, tilfeldig};

private:
    bool brukbar(int tast, const std::string& navn) {
        if (skall.taster.test(static_cast<std::size_t>(tast))) return true;
        ADD_FAILURE() << "key " << navn << " is not usable; usable: " << taster();
        return false;
    }
};

}  // namespace balvo::test
