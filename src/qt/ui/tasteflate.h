#pragma once
// The faces of the keypad keys and the scroll buttons, and the solved marker: small pictures
// drawn in code, sharp at 1x and 2x.
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QToolButton;
class QWidget;

namespace balvo::ui {

enum class Tastebilde {
    pluss,       // opr 0
    minus,       // opr 1
    prikk,       // opr 2, a raised dot
    kolon,       // opr 3
    rot,         // opr 4, a square-root sign
    kvadrat,     // opr 5, empty brackets with a superscript 2
    plussminus,  // opr 6
    bytt,        // opr 7, two opposed arrows
    siffer,      // the digit given
    negativ,     // pm, a minus sign in brackets
    broek,       // broekstrek, small a over b with a slanted bar
    utfoer,      // the word Utfør
    stryk,       // strykut, the letter C
    x,           // variabel 0
    x2,          // variabel 1
    opp,         // scrollopp, an upward triangle
    ned,         // scrollned, a downward triangle
};

// The word on the perform key's face; screen readers name the key by it too.
inline constexpr char utfoertekst[] = "Utfør";

// The face's size in device-independent pixels.
QSize flatestoerrelse(Tastebilde bilde);
// Draws a face into the rectangle (0, 0, flatestoerrelse) of the painter.
void tegnflate(QPainter& maler, Tastebilde bilde, int siffer = 0);
// The face as an icon with 1x and 2x pixmaps.
QIcon tasteikon(Tastebilde bilde, int siffer = 0);

// A key of the window: a flat-faced button at a place, with its face and tooltip (none if
// empty), never taking the keyboard focus away from the window.
QToolButton* lagtast(QWidget* flate, const QString& navn, const QRect& sted, Tastebilde bilde,
                     const QString& tips = {}, int siffer = 0);

// The solved marker: a red hand-written capital R, 41 × 49 pixels, transparent background.
inline constexpr QSize merkestoerrelse{41, 49};
QPixmap loestmerke(qreal tetthet);

}  // namespace balvo::ui
