#pragma once
// The faces of the keypad keys and the scroll buttons, and the solved marker: small pictures
// drawn in code, sharp at 1x and 2x.
#include <QIcon>
#include <QPixmap>
#include <QSize>

#include "core/mainwindow/utforming.h"

class QPainter;
class QToolButton;
class QWidget;

namespace balvo::ui {

using Tastebilde = ::balvo::Tasteflate;

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
inline constexpr QSize merkestoerrelse{merkemaal.bredde, merkemaal.hoeyde};
QPixmap loestmerke(qreal tetthet);

}  // namespace balvo::ui
