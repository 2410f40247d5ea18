// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard and screen readers in the main window: every key of the keypad has a key on
// the keyboard that acts exactly like a click while the key is usable, every key has an
// accessible name, and every worksheet row tells its equation as text.
#include <QKeySequence>
#include <QList>
#include <QObject>

#include "core/entry/taster.h"
#include "core/mainwindow/tastekart.h"

class QAbstractButton;

namespace balvo {

class ArketVindu;

// The key's name in the core's keyboard map; Tastenavn::ingen for keys it matches by character.
Tastenavn tastenavn(int qtast);
// The Ctrl shortcuts of a menu item, the first the one the menu shows; empty for none.
QList<QKeySequence> snarveier(const Menypunkt& punkt);

// Installs the keyboard, the menu shortcuts and the accessible names on the window.
class Tastatur : public QObject {
    Q_OBJECT
public:
    explicit Tastatur(ArketVindu& vindu);

    // Clicks the key of the table entry matching the event; true when the event was one.
    bool trykk(int tast, Qt::KeyboardModifiers mod, const QString& tekst);

protected:
    bool eventFilter(QObject* objekt, QEvent* hendelse) override;

private:
    void klikk(QAbstractButton* knapp);
    ArketVindu& vindu_;
};

// The accessible names of the keypad keys and scroll buttons.
void navngitaster(ArketVindu& vindu);
// Each worksheet row's accessible description: its equation as linear text.
void beskrivrader(ArketVindu& vindu);
// The whole worksheet as linear text to the clipboard.
void kopierark(ArketVindu& vindu);

}  // namespace balvo
