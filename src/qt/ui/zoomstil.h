// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style of the main window's controls at a zoom: the application's style, with the
// sizes it draws in pixels (the marks of the option buttons and the check box, the frame
// around the equation types, margins) taken times the zoom, so that a control looks at 200 %
// as it does at 100 %, twice as large. At 100 % it draws as the application's style does.
#include <QProxyStyle>

namespace balvo::ui {

// The application's style as the platform gives it, drawn without reading a picture file
// at start-up (the first one read costs a search for Qt's image plugins): the frame of a
// group from its picture built into the program, and the menu bar's overflow arrow fetched
// only when it is first drawn (when the menus do not fit).
class Programstil : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap bilde, const QStyleOption* valg = nullptr,
                       const QWidget* kontroll = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* valg, QPainter* maler,
                       const QWidget* kontroll = nullptr) const override;
};

class Zoomstil : public QProxyStyle {
    Q_OBJECT
public:
    Zoomstil();

    void settzoom(double zoom) { zoom_ = zoom; }
    double zoom() const { return zoom_; }

    int pixelMetric(PixelMetric maal, const QStyleOption* valg = nullptr,
                    const QWidget* kontroll = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* valg, QPainter* maler,
                       const QWidget* kontroll = nullptr) const override;

private:
    double zoom_ = 1;
    mutable QColor rammefarge_;  // the line of the style's frame around a group
};

}  // namespace balvo::ui
