// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's exact numbers: real solutions of the exercise and of lines with roots, compared
// as exact surds, and written as the linear text writes numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/coach/verdi.h"
#include "likning.h"

namespace balvo::test {
namespace {

using veileder::Loesningsmengde;

// A set as text: "ingen", "alle", "ukjent" or the values sorted as text, joined by "; ".
std::string tekst(const Loesningsmengde& m) {
    switch (m.art) {
        case Loesningsmengde::Art::ingen:
            return "ingen";
        case Loesningsmengde::Art::alle:
            return "alle";
        case Loesningsmengde::Art::ukjent:
            return "ukjent";
        case Loesningsmengde::Art::verdier:
            break;
    }
    std::vector<std::string> v;
    for (const auto& x : m.verdier) v.push_back(veileder::verditekst(x));
    std::sort(v.begin(), v.end());
    std::string s;
    for (const auto& x : v) s += (s.empty() ? "" : "; ") + x;
    return s;
}

struct Mengdetilfelle {
    const char* navn;
    Likning linje;
    const char* mengde;
};

Side rot_h(Cellebroek k, Cellebroek radikand) {
    return Side{{0, 1}, {0, 1}, {0, 1}, k, {0, 1}, {0, 1}, radikand};
}

const Mengdetilfelle mengdetilfeller[] = {
    {"x2_pluss_2x_er_3", {hele(1, 2, 0), hele(0, 0, 3)}, "1; −3"},
    {"x2_er_2", {hele(1, 0, 0), hele(0, 0, 2)}, "−√2; √2"},
    {"x2_er_minus_4", {hele(1, 0, 0), hele(0, 0, -4)}, "ingen"},
    {"dobbel_rot", {hele(1, -2, 1), hele(0, 0, 0)}, "1"},
    {"halv", {Side{{0, 1}, {1, 2}, {0, 1}}, hele(0, 0, 3)}, "6"},
    {"x_er_x", {hele(0, 1, 0), hele(0, 1, 0)}, "alle"},
    {"uforkortet", {Side{{2, 4}, {0, 5}, {-2, 1}}, hele(0, 0, 0)}, "2; −2"},
    {"irrasjonal_broek", {hele(2, 3, -1), hele(0, 0, 0)}, "−3/4 + (1/4)√17; −3/4 − (1/4)√17"},
    {"kvadratfaktor", {hele(1, 0, 0), hele(0, 0, 12)}, "2√3; −2√3"},
    // Solved lines and lines after a square root: the right root is ±.
    {"x_er_1_pm_2", {hele(0, 1, 0), Side{{0, 1}, {0, 1}, {1, 1}, {2, 1}}}, "3; −1"},
    {"x_er_pm_rot_2", {hele(0, 1, 0), rot_h({1, 1}, {2, 1})}, "−√2; √2"},
    {"x_er_pm_rot_minus_4", {hele(0, 1, 0), rot_h({1, 1}, {-4, 1})}, "ingen"},
    {"x_pluss_1_er_pm_rot_5", {hele(0, 1, 1), rot_h({1, 1}, {5, 1})}, "−1 + √5; −1 − √5"},
    {"x2_er_pm_1", {hele(1, 0, 0), rot_h({1, 1}, {1, 1})}, "1; −1"},
    {"x2_er_pm_rot_2", {hele(1, 0, 0), rot_h({1, 1}, {2, 1})}, "ukjent"},
    // A root on the left is not ±: √2 = x has one solution.
    {"rot_2_er_x",
     {Side{{0, 1}, {0, 1}, {0, 1}, {1, 1}, {0, 1}, {0, 1}, {2, 1}}, hele(0, 1, 0)},
     "√2"},
    {"x_under_roten",
     {Side{{0, 1}, {0, 1}, {0, 1}, {1, 1}, {0, 1}, {1, 1}, {1, 1}}, rot_h({2, 1}, {1, 1})},
     "ukjent"},
    // b² − 4ac needs more than 128 bits: the coach says it cannot tell, never guesses.
    {"for_store_tall",
     {Side{{(Celle{1} << 52) + 1, (Celle{1} << 52) - 1},
           {(Celle{1} << 51) + 1, (Celle{1} << 51) + 3},
           {-((Celle{1} << 50) + 1), (Celle{1} << 50) + 3}},
      hele(0, 0, 0)},
     "ukjent"},
};

void PrintTo(const Mengdetilfelle& t, std::ostream* ut) {
    *ut << t.navn;
}

class Loesningsmengder : public ::testing::TestWithParam<Mengdetilfelle> {};

TEST_P(Loesningsmengder, ExactlyTheRealSolutions) {
    const auto& t = GetParam();
    auto ark = nytt_ark();
    skriv(*ark, 0, t.linje);
    EXPECT_EQ(tekst(veileder::linjemengde(Tilstand::fra(*ark, 0))), t.mengde);
}

INSTANTIATE_TEST_SUITE_P(Alle, Loesningsmengder, ::testing::ValuesIn(mengdetilfeller),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Loesningsmengder, EqualSetsInAnyOrderAndForm) {
    auto ark = nytt_ark();
    skriv(*ark, 0, {hele(1, 2, 0), hele(0, 0, 3)});                          // {1, −3}
    skriv(*ark, 1, {hele(0, 1, 0), Side{{0, 1}, {0, 1}, {-1, 1}, {2, 1}}});  // x = −1 ± 2
    skriv(*ark, 2, {hele(0, 1, 0), hele(0, 0, 1)});                          // x = 1
    const auto m0 = veileder::linjemengde(Tilstand::fra(*ark, 0));
    EXPECT_TRUE(veileder::samme(m0, veileder::linjemengde(Tilstand::fra(*ark, 1))));
    EXPECT_FALSE(veileder::samme(m0, veileder::linjemengde(Tilstand::fra(*ark, 2))));
    EXPECT_FALSE(veileder::samme(Loesningsmengde{}, Loesningsmengde{}));  // unknown is not equal
}

}  // namespace
}  // namespace balvo::test
