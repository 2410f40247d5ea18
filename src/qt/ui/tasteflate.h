// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces of the keypad keys and the scroll buttons, and the solved marker: small pictures
// drawn in code whenever they are painted, at the zoom and pixel density in force, so that
// they are sharp at every size.
#include <QPixmap>
#include <QSize>
#include <QToolButton>
#include <array>

#include "core/mainwindow/utforming.h"

class QPainter;
class QToolButton;
class QWidget;

namespace balvo::ui {

using Tastebilde = ::balvo::Tasteflate;

// The face's size in device-independent pixels.
QSize flatestoerrelse(Tastebilde bilde);
// Draws a face into the rectangle (0, 0, flatestoerrelse) of the painter, in the given ink.
void tegnflate(QPainter& maler, Tastebilde bilde, int siffer = 0,
               const QColor& blekk = QColor(Qt::black));

// A key of the window: a button whose face is drawn when it is painted, in the middle of the
// button as an icon would sit, `zoom` times its size; grey while the key is not usable.
class Tasteknapp : public QToolButton {
    Q_OBJECT
public:
    Tasteknapp(QWidget* forelder, Tastebilde bilde, int siffer);
    Tastebilde bilde() const { return bilde_; }
    int siffer() const { return siffer_; }
    void settzoom(double zoom);
    double zoom() const { return zoom_; }
    // Where the face is drawn, in the button's pixels.
    QRectF flatested() const;

protected:
    void paintEvent(QPaintEvent* hendelse) override;

private:
    Tastebilde bilde_;
    int siffer_;
    double zoom_ = 1;
    // The face as last drawn, greyed and usable, and what it was drawn for.
    struct Flatekart {
        QPixmap kart;
        double zoom = 0;
        QRgb blekk = 0;
        QString ord;
    };
    std::array<Flatekart, 2> kart_;
};

// A key of the window at a place, with its face and tooltip (none if empty), never taking the
// keyboard focus away from the window.
Tasteknapp* lagtast(QWidget* flate, const QString& navn, const QRect& sted, Tastebilde bilde,
                    const QString& tips = {}, int siffer = 0);

// The solved marker: a red hand-written capital R, 41 × 49 pixels at 100 %, transparent
// background.
inline constexpr QSize merkestoerrelse{merkemaal.bredde, merkemaal.hoeyde};
// Draws the marker into the rectangle (0, 0, merkestoerrelse) of the painter.
void tegnmerke(QPainter& maler);
QPixmap loestmerke(qreal tetthet);

// The marker on a window: drawn at whatever size the widget has.
class Merkeflate : public QWidget {
    Q_OBJECT
public:
    explicit Merkeflate(QWidget* forelder);

protected:
    void paintEvent(QPaintEvent* hendelse) override;
};

}  // namespace balvo::ui
