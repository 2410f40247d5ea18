// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/zoomstil.h"

#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace balvo::ui {

Zoomstil::Zoomstil() : QProxyStyle() {}

int Zoomstil::pixelMetric(PixelMetric maal, const QStyleOption* valg,
                          const QWidget* kontroll) const {
    const int verdi = QProxyStyle::pixelMetric(maal, valg, kontroll);
    if (zoom_ == 1) return verdi;
    switch (maal) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin:
        case PM_ButtonDefaultIndicator:
        case PM_ButtonShiftHorizontal:
        case PM_ButtonShiftVertical:
        case PM_FocusFrameHMargin:
        case PM_FocusFrameVMargin:
            return static_cast<int>(std::lround(verdi * zoom_));
        default:
            return verdi;
    }
}

void Zoomstil::drawPrimitive(PrimitiveElement element, const QStyleOption* valg, QPainter* maler,
                             const QWidget* kontroll) const {
    if (zoom_ == 1 || element != PE_FrameGroupBox)
        return QProxyStyle::drawPrimitive(element, valg, maler, kontroll);
    // The frame around the equation types as the style draws it at 100 %, a rounded line in
    // the colour of a frame, with line and corners times the zoom. The style's own frame is a
    // picture of fixed size; its colour is read once from it.
    if (!rammefarge_.isValid()) {
        QImage proeve(60, 200, QImage::Format_ARGB32_Premultiplied);
        proeve.fill(Qt::transparent);
        QPainter p(&proeve);
        QStyleOption liten(*valg);
        liten.rect = proeve.rect();
        QProxyStyle::drawPrimitive(element, &liten, &p, nullptr);
        p.end();
        // Its left edge well under the title.
        const QColor linje = proeve.pixelColor(1, 150);
        rammefarge_ = linje.alpha() > 0 ? linje : valg->palette.color(QPalette::Mid);
    }
    const double linje = std::max(1.0, std::round(zoom_));
    const int topp =
        std::max(valg->fontMetrics.height(), pixelMetric(PM_ExclusiveIndicatorHeight)) +
        static_cast<int>(std::lround(3 * zoom_));
    const QRectF ramme = QRectF(valg->rect.adjusted(0, topp, 0, 0))
                             .adjusted(linje / 2, linje / 2, -linje / 2, -linje / 2);
    maler->save();
    maler->setRenderHint(QPainter::Antialiasing, true);
    maler->setPen(QPen(rammefarge_, linje));
    maler->setBrush(Qt::NoBrush);
    maler->drawRoundedRect(ramme, 2 * zoom_, 2 * zoom_);
    maler->restore();
}

}  // namespace balvo::ui
