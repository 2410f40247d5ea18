// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Grafisk løsning": both sides of the exercise as a red and a blue curve on a
// labelled grid, and under it a small caption that says where the curves cross (the picture's
// text alternative for screen readers too). It keeps the exercise it was opened with and
// scales with the window.
#include <QPointer>
#include <QWidget>

class QLabel;

#include "core/graph/graf.h"
#include "core/mainwindow/meldinger.h"

namespace balvo {

class mmArk : public QWidget {
    Q_OBJECT
public:
    // Takes a snapshot of line 0 of `ark`.
    explicit mmArk(const Ark& ark, QWidget* eier = nullptr);

    const Grafoppgave& oppgave() const { return oppgave_; }
    // The picture of the curves, and the caption under it.
    QWidget* bilde() const { return bilde_; }
    QLabel* krysning() const { return krysning_; }

protected:
    void changeEvent(QEvent* hendelse) override;  // another language: the title and caption

private:
    void oversett();  // the title and the caption in the pupil's language

    Grafoppgave oppgave_;
    QWidget* bilde_ = nullptr;
    QLabel* krysning_ = nullptr;
};

// "Grafisk løsning" from the menu: when both sides of line 0 are empty, the message that
// there is nothing to draw; otherwise the open window brought forward, or a new one.
void visgraf(const Ark& ark, QPointer<mmArk>& vindu, QWidget* eier);

}  // namespace balvo
