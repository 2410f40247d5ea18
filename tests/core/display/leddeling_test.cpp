// SPDX-License-Identifier: GPL-3.0-or-later
// The typesetter and the linear text both write a line from the term splitter: on thousands
// of random lines the words a screen reader hears are the elements drawn, in the same order.
#include "core/display/leddeling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/display/lineaertekst.h"
#include "core/display/linjetegner.h"
#include "opptaksflate.h"

namespace balvo::test {
namespace {

class Stille : public Merke {
public:
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

bool naer(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

// The words of the drawing, read left to right: numbers, a/b, x, ², −, +, ±, =, √. A bar is
// known by its place (m = 18.375): a minus and the fraction bars lie on the middle, a plus
// is a vertical bar followed by a minus, the ± three bars, the equals two; the overline and
// the underline say nothing.
std::vector<std::string> tegnede_ord(const std::vector<Opptak>& e) {
    constexpr double m = 18.375;
    std::vector<std::string> ord;
    for (std::size_t i = 0; i < e.size(); ++i) {
        const Opptak& o = e[i];
        if (o.art == Opptak::Art::skriv) {
            if (o.stoerrelse == 16) {  // numerator and denominator, then the bar
                ord.push_back(o.tekst + "/" + e[i + 1].tekst);
                i += 2;
            } else if (o.stoerrelse == 14) {
                ord.push_back("²");
            } else {
                ord.push_back(o.tekst);
            }
        } else if (o.art == Opptak::Art::strek) {
            ord.push_back("√");
            i += 5;  // six strokes to the sign
        } else if (naer(o.y1, m - 4) && naer(o.y2, m + 4)) {
            ord.push_back("+");
            ++i;
        } else if (naer(o.y1, m - 8)) {
            ord.push_back("±");
            i += 2;
        } else if (naer(o.y1, m - 1.9)) {
            ord.push_back("=");
            ++i;
        } else if (naer(o.y1, m - 0.3)) {
            ord.push_back("−");
        }
    }
    return ord;
}

// The words of the linear text: the same, brackets and spaces left out.
std::vector<std::string> lest_ord(const std::string& tekst) {
    std::vector<std::string> ord;
    std::string tall;
    const auto ferdig = [&] {
        if (!tall.empty()) ord.push_back(tall);
        tall.clear();
    };
    for (std::size_t i = 0; i < tekst.size();) {
        const unsigned char c = static_cast<unsigned char>(tekst[i]);
        if ((c >= '0' && c <= '9') || c == '/') {
            tall += static_cast<char>(c);
            ++i;
            continue;
        }
        ferdig();
        if (c < 0x80) {
            if (c == 'x' || c == '+' || c == '=')
                ord.push_back(std::string(1, static_cast<char>(c)));
            ++i;
            continue;
        }
        const std::size_t lengde = c >= 0xE0 ? 3 : 2;
        ord.push_back(tekst.substr(i, lengde));  // −, ±, √, ²
        i += lengde;
    }
    ferdig();
    return ord;
}

std::string sammen(const std::vector<std::string>& ord) {
    std::string s;
    for (const auto& o : ord) s += o + ' ';
    return s;
}

TEST(Leddeling, WhatIsReadIsWhatIsDrawn) {
    std::mt19937 tilf(20261208u);
    const auto heltall = [&](int fra, int til) {
        return std::uniform_int_distribution<int>(fra, til)(tilf);
    };
    // Mostly small, sometimes 0, ±1 or a fraction, so that every sign and coefficient rule
    // is met.
    const auto koeffisient = [&](Celle& t, Celle& n) {
        const int valg = heltall(0, 9);
        t = valg < 3 ? 0 : valg < 5 ? (heltall(0, 1) ? 1 : -1) : heltall(-12, 12);
        n = heltall(0, 3) == 0 ? heltall(2, 9) : 1;
    };
    Ark ark;
    Stille merke;
    for (int tilfelle = 0; tilfelle < 5000; ++tilfelle) {
        toemlinje(ark, 0);
        for (int j = 1; j <= 6; ++j) koeffisient(ark.teller[0][j], ark.nevner[0][j]);
        for (int k : {0, 7}) {
            if (heltall(0, 2) != 0) continue;
            koeffisient(ark.rotteller[0][k], ark.rotnevner[0][k]);
            const int o = k == 0 ? 0 : 3;
            for (int j = o + 1; j <= o + 3; ++j)
                koeffisient(ark.rotteller[0][j], ark.rotnevner[0][j]);
        }
        Opptaksflate flate;
        tegnlinje(ark, 0, 0, flate, merke);
        const std::string tekst = likningstekst(ark, 0);
        ASSERT_EQ(sammen(tegnede_ord(flate.opptak())), sammen(lest_ord(tekst)))
            << "case " << tilfelle << ": " << tekst;
    }
}

}  // namespace
}  // namespace balvo::test
