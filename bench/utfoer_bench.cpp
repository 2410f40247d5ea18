// SPDX-License-Identifier: GPL-3.0-or-later
// A whole "Utfør" click on the main window, offscreen: the click on the real key, the next
// line computed, rows 1..4 and the operand fields typeset again, and all five rows and five
// operand fields repainted. Beside it the floor: a bare repaint of the same ten boxes.
//
// The operation is "Snu alle fortegn" on a busy line, so that the numbers never grow; the
// sheet is set back to its fifth line before it fills up, outside the timed part.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>
#include <array>
#include <chrono>
#include <memory>

#include "core/display/linjetegner.h"
#include "qt/mainwindow/arketvindu.h"
#include "travel_linje.h"

namespace {

using balvo::Ark;
using balvo::ArketVindu;
using balvo::Celle;
using Klokke = std::chrono::steady_clock;

class Vindu {
public:
    Vindu() {
        vindu_.showMaximized();
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
        snu_ = vindu_.findChild<QToolButton*>(QStringLiteral("opr_6"));
        utfoer_ = vindu_.findChild<QToolButton*>(QStringLiteral("Utfoer"));
        for (int k = 0; k < 5; ++k) {
            bokser_[static_cast<std::size_t>(k)] = dynamic_cast<QWidget*>(&vindu_.linje(k));
            bokser_[static_cast<std::size_t>(5 + k)] = dynamic_cast<QWidget*>(&vindu_.opfelt(k));
        }
    }

    bool klar() const {
        if (!snu_ || !utfoer_) return false;
        for (QWidget* b : bokser_)
            if (!b || !b->isVisible()) return false;
        return true;
    }

    // A new exercise with the busy line as line 0 and four steps after it, so that every
    // further click scrolls: rows 1..4 and operand fields 1..3 are all typeset again.
    bool tilbake() {
        auto& arket = vindu_.arket();
        arket.nyoppgave_Click();
        travel_linje(arket.ark(), 0);
        balvo::tegnlinje(arket.ark(), 0, 0, vindu_.linje(0), vindu_);
        for (int i = 0; i < 5; ++i) klikk();
        QApplication::processEvents();
        return arket.ark().linjenr == 5;
    }

    // The operation key, outside the timed part.
    void velg() {
        if (vindu_.arket().ark().sistelinje >= balvo::siste_linje - 2) tilbake();
        snu_->click();
        QApplication::processEvents();
    }

    void klikk() {
        snu_->click();
        utfoer_->click();
    }

    void mal() {
        for (QWidget* b : bokser_) b->repaint();
    }

    QToolButton* utfoer() { return utfoer_; }
    int linjenr() { return vindu_.arket().ark().linjenr; }

private:
    ArketVindu vindu_;
    QToolButton* snu_ = nullptr;
    QToolButton* utfoer_ = nullptr;
    std::array<QWidget*, 10> bokser_{};
};

Vindu* vindu = nullptr;

bool forbered(benchmark::State& state) {
    if (!vindu->klar() || !vindu->tilbake()) {
        state.SkipWithError("the window has no keys or boxes to work with");
        return false;
    }
    return true;
}

double sekunder(Klokke::time_point fra, Klokke::time_point til) {
    return std::chrono::duration<double>(til - fra).count();
}

// The click handled and every box repainted.
void utfoer_og_mal(benchmark::State& state) {
    if (!forbered(state)) return;
    for (auto _ : state) {
        vindu->velg();
        const int foer = vindu->linjenr();
        const auto start = Klokke::now();
        vindu->utfoer()->click();
        vindu->mal();
        const auto slutt = Klokke::now();
        if (vindu->linjenr() != foer + 1) {
            state.SkipWithError("Utfør added no line");
            return;
        }
        state.SetIterationTime(sekunder(start, slutt));
    }
}
BENCHMARK(utfoer_og_mal)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The click handled alone: computing and typesetting into the boxes' images.
void utfoer_uten_maling(benchmark::State& state) {
    if (!forbered(state)) return;
    for (auto _ : state) {
        vindu->velg();
        const auto start = Klokke::now();
        vindu->utfoer()->click();
        const auto slutt = Klokke::now();
        state.SetIterationTime(sekunder(start, slutt));
        vindu->mal();
    }
}
BENCHMARK(utfoer_uten_maling)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The floor: the same ten boxes repainted with nothing changed.
void bare_maling(benchmark::State& state) {
    if (!forbered(state)) return;
    for (auto _ : state) vindu->mal();
}
BENCHMARK(bare_maling)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto eget = std::make_unique<Vindu>();
    vindu = eget.get();
    benchmark::RunSpecifiedBenchmarks();
    vindu = nullptr;
    benchmark::Shutdown();
    return 0;
}
