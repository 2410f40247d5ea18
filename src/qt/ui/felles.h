// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the shell shares: the program's name, the fonts and their Debian
// stand-ins, and the units of the design (twips for positions, points for drawing).
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <functional>

#include "core/mainwindow/utforming.h"
#include "core/mainwindow/zoom.h"
#include "core/tekst/katalog.h"

namespace balvo::ui {

using ::balvo::programnavn;

using ::balvo::piksler_per_punkt;

// Positions and sizes are designed in twips; a logical pixel at 96 dpi is 15 of them.
constexpr int twips(int t) {
    return static_cast<int>(t / twips_per_piksel);
}
constexpr QPoint twips(int x, int y) {
    return {twips(x), twips(y)};
}
constexpr QRect twips(int venstre, int topp, int bredde, int hoeyde) {
    return {twips(venstre), twips(topp), twips(bredde), twips(hoeyde)};
}
constexpr QRect twips(const Twips& t) {
    return twips(t.venstre, t.topp, t.bredde, t.hoeyde);
}

// A font family name with its Debian stand-in where the original is missing: Times New Roman
// → Liberation Serif, MS Sans Serif and Arial → Liberation Sans.
QStringList fontfamilier(const QString& navn);

// A font of the design: family (with its stand-in), size in points, bold and italic.
QFont skrift(const QString& navn, double punkter, bool fet = false, bool kursiv = false);
// At a zoom: the size in points times the zoom.
QFont skrift(const Skrift& skrift, double zoom = 1);

// A size in pixels at a zoom, each side at least one pixel.
inline QSize skaler(const QSize& stoerrelse, double zoom) {
    return {::balvo::skaler(stoerrelse.width(), zoom), ::balvo::skaler(stoerrelse.height(), zoom)};
}

inline QColor qfarge(const Farge& f) {
    return {f.r, f.g, f.b};
}

// A text of the core's catalogue in the pupil's language.
QString qtr(const Tekst& tekst);

// A transparent picture `stoerrelse` device-independent pixels large (rounded up) at a pixel
// density, drawn by `tegn` in device-independent pixels.
QPixmap tegnetkart(QSizeF stoerrelse, qreal tetthet, const std::function<void(QPainter&)>& tegn);

}  // namespace balvo::ui
