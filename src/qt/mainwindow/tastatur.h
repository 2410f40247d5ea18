#pragma once
// The keyboard and screen readers in the main window: every key of the keypad has a key on
// the keyboard that acts exactly like a click while the key is usable, every key has an
// accessible name, and every worksheet row tells its equation as text.
#include <QKeySequence>
#include <QObject>
#include <span>

#include "core/entry/taster.h"

class QAbstractButton;

namespace balvo {

class ArketVindu;

// What a key on the keyboard presses: a key of the keypad, "Ny oppgave", or "Trekk fra..." or
// the negative sign (whichever is usable).
enum class Tastehandling { knapp, nyoppgave, minus };

struct Tastevalg {
    Qt::Key tast;                // Qt::Key_unknown when `tegn` decides
    char tegn;                   // the typed character, whatever keys produce it; 0 if unused
    Qt::KeyboardModifiers krav;  // modifiers that must be held (Shift ignored for `tegn`)
    Tast knapp;                  // the key it clicks (Tastehandling::knapp)
    Tastehandling handling = Tastehandling::knapp;
};

// The mapping table, in the order a reader of the README finds it.
std::span<const Tastevalg> tastevalg();

// Menu shortcuts, by the object name of the menu item.
struct Menyvalg {
    const char* punkt;
    QKeySequence snarvei;
};
std::span<const Menyvalg> menyvalg();

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
