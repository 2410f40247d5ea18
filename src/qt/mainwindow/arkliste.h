// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet as a place the keyboard can go: a transparent widget over the rows and their
// operand fields, first in the Tab order. Up, Down, Home and End move through every line of the
// worksheet, scrolling the rows as the scroll keys do; while it has the keyboard it marks the
// line in focus on its row, and otherwise it shows nothing. Every other key goes on to the
// window's keypad map. To a screen reader it is a list of the worksheet's lines (the words come
// from the core's Opplesning), and each change the pupil makes moves the focus to the element
// that tells it, so that the screen reader says it at once.
#include <QAccessible>
#include <QWidget>
#include <array>
#include <vector>

#include "core/mainwindow/opplesning.h"

namespace balvo {

class Arkliste : public QWidget {
    Q_OBJECT
public:
    Arkliste(Arket& arket, QWidget* forelder);
    ~Arkliste() override;

    // Covers the rows and the operand fields given and follows them when they move or change
    // size (the window is zoomed).
    void dekk(const std::array<QWidget*, 5>& rader, const std::array<QWidget*, 5>& felter);

    Opplesning& opplesning() { return opplesning_; }
    const Opplesning& opplesning() const { return opplesning_; }

    // After each action of the pupil: the element that tells the change gets the focus and,
    // while a screen reader listens, the keyboard comes to the worksheet so that it is heard.
    void endret();
    // The elements' words changed without a change of the worksheet (another language).
    void nyetekster();

    // Element i as a screen reader has it: the same object until the worksheet changes, then a
    // new one, so that a screen reader reads it afresh. Its index, and where its row or field
    // stands in this widget (empty while scrolled out of view).
    QAccessibleInterface* element(int i);
    int indeks(const QAccessibleInterface* element) const;
    QRect elementrute(int i) const;

protected:
    void keyPressEvent(QKeyEvent* hendelse) override;
    void focusInEvent(QFocusEvent* hendelse) override;
    void focusOutEvent(QFocusEvent* hendelse) override;
    void paintEvent(QPaintEvent* hendelse) override;
    bool eventFilter(QObject* objekt, QEvent* hendelse) override;

private:
    void tilpass();
    void glem();
    void meldfokus();

    Opplesning opplesning_;
    std::array<QWidget*, 5> rader_{};
    std::array<QWidget*, 5> felter_{};
    std::vector<QAccessible::Id> elementer_;
    QAccessible::Id meldt_ = 0;  // the element last told to have the focus
};

}  // namespace balvo
