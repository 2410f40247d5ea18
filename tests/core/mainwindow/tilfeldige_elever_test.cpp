// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random pupils: seeded sessions that press only usable keys, answer the warnings
// at random, type own equations (some of them wrong) and scroll, with the worksheet's rules
// checked after every step. A failure names its seed and the keys that led there; run it again
// with BALVO_FROE=<seed> BALVO_ELEVER=1. BALVO_ELEVER sets the number of sessions (5000).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "core/algebra/regning.h"
#include "core/display/linjetegner.h"
#include "core/mainwindow/arket.h"
#include "eksakt.h"
#include "elev.h"
#include "testskall.h"

namespace balvo::test {
namespace {

std::uint64_t tall_fra_miljoe(const char* navn, std::uint64_t standard) {
    const char* v = std::getenv(navn);
    if (v == nullptr || *v == '\0') return standard;
    return std::strtoull(v, nullptr, 10);
}

// The session running now, for the last words of a crash.
const std::string* gjeldende_spor = nullptr;

void doedsord() {
    if (gjeldende_spor != nullptr)
        std::fprintf(stderr, "\nCrashed in the randomized session: %s\n", gjeldende_spor->c_str());
}

extern "C" void signalhaandterer(int signal) {
    doedsord();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace
}  // namespace balvo::test

// Under the sanitizers their own handlers report a crash; a death callback adds the session.
#if defined(__SANITIZE_ADDRESS__)
#define BALVO_MED_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BALVO_MED_SANITIZER 1
#endif
#endif
#ifdef BALVO_MED_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace balvo::test {
namespace {

TEST(TilfeldigeElever, EveryStepKeepsTheWorksheetRules) {
    const auto elever = tall_fra_miljoe("BALVO_ELEVER", 5000);
    const auto froe = tall_fra_miljoe("BALVO_FROE", 1);
#ifdef BALVO_MED_SANITIZER
    __sanitizer_set_death_callback(doedsord);
#else
    for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) std::signal(s, signalhaandterer);
#endif

    Tall tall;
    const auto start = std::chrono::steady_clock::now();
    int feilede = 0;
    for (std::uint64_t i = 0; i < elever && feilede < 5; ++i) {
        Elev elev(froe + i, tall);
        gjeldende_spor = &elev.spor();
        elev.kjoer();
        gjeldende_spor = nullptr;
        if (!elev.feil().empty()) {
            ++feilede;
            ADD_FAILURE() << elev.feil() << "\n  seed " << froe + i
                          << " (replay: BALVO_FROE=" << froe + i
                          << " BALVO_ELEVER=1)\n  keys: " << elev.spor();
        }
    }
    const double sekunder =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s\n", tall.sammendrag(sekunder).c_str());
    std::fflush(stdout);
#ifndef BALVO_MED_SANITIZER
    for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) std::signal(s, SIG_DFL);
#endif
}

}  // namespace
}  // namespace balvo::test
