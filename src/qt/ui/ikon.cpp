// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/ikon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include "qt/ui/felles.h"

namespace balvo {
namespace {

// The picture into the rectangle (0, 0, ikonstoerrelse) of the painter.
void tegnbalvo(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ark(0.5, 0.5, 39, 36);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(Qt::white);
    p.drawRect(ark);

    // Grid every 6 pixels, axes through (8, 27).
    p.setPen(QPen(QColor(200, 200, 200), 0.5));
    for (double x = 6.5; x < 39; x += 6) p.drawLine(QPointF(x, 1), QPointF(x, 36));
    for (double y = 3.5; y < 36; y += 6) p.drawLine(QPointF(1, y), QPointF(39, y));
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(8.5, 2), QPointF(8.5, 36));
    p.drawLine(QPointF(1, 27.5), QPointF(39, 27.5));

    // Screen y = 4 + 0.074 (x − 21)²: up from the bottom left, top at (21, 4), down again.
    QPainterPath parabel;
    for (int i = 0; i <= 40; ++i) {
        const double x = 2 + i * 36.0 / 40;
        const double y = 4 + 0.074 * (x - 21) * (x - 21);
        if (i == 0) {
            parabel.moveTo(x, y);
        } else {
            parabel.lineTo(x, y);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(parabel);
    p.setPen(QPen(QColor(0, 0, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 33), QPointF(37, 11));
    p.restore();
}

// The window icon drawn when the window system asks for it, at the size it asks for, rather
// than prepared at start-up.
class Ikonmotor final : public QIconEngine {
public:
    void paint(QPainter* maler, const QRect& felt, QIcon::Mode, QIcon::State) override {
        maler->save();
        maler->translate(felt.topLeft());
        maler->scale(felt.width() / double(ikonstoerrelse.width()),
                     felt.height() / double(ikonstoerrelse.height()));
        tegnbalvo(*maler);
        maler->restore();
    }
    QPixmap pixmap(const QSize& stoerrelse, QIcon::Mode modus, QIcon::State tilstand) override {
        QPixmap bilde(stoerrelse);
        bilde.fill(Qt::transparent);
        QPainter maler(&bilde);
        paint(&maler, QRect(QPoint(0, 0), stoerrelse), modus, tilstand);
        return bilde;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {ikonstoerrelse, ikonstoerrelse * 2};
    }
    QIconEngine* clone() const override { return new Ikonmotor; }
};

}  // namespace

QPixmap balvobilde(qreal pikselforhold) {
    return ui::tegnetkart(ikonstoerrelse, pikselforhold, tegnbalvo);
}

QIcon balvoikon() {
    return QIcon(new Ikonmotor);
}

}  // namespace balvo
