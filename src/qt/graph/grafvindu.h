#pragma once
// The window "Grafisk løsning": both sides of the exercise as a red and a blue curve on a
// labelled grid. It keeps the exercise it was opened with and scales with the window.
#include <QPointer>
#include <QWidget>

#include "core/graph/graf.h"
#include "core/mainwindow/meldinger.h"

namespace balvo {

class mmArk : public QWidget {
    Q_OBJECT
public:
    // Takes a snapshot of line 0 of `ark`.
    explicit mmArk(const Ark& ark, QWidget* eier = nullptr);

    const Grafoppgave& oppgave() const { return oppgave_; }

protected:
    void paintEvent(QPaintEvent* hendelse) override;
    void changeEvent(QEvent* hendelse) override;  // another language: the title

private:
    Grafoppgave oppgave_;
};

// "Grafisk løsning" from the menu: when both sides of line 0 are empty, the message that
// there is nothing to draw; otherwise the open window brought forward, or a new one.
void visgraf(const Ark& ark, QPointer<mmArk>& vindu, Meldinger& meldinger, QWidget* eier);

}  // namespace balvo
