// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/zoomstil.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace balvo::ui {

namespace {

#include "rammebilde.inc"

// The frame of a group as the Fusion style draws it, from its picture built into the program
// rather than read from Qt's file. False where the build found no picture or `fusion` is
// another style: then the style draws the frame itself.
bool tegnfusionramme(const QStyle* fusion, const QStyleOption* valg, QPainter* maler,
                     const QWidget* kontroll) {
    if (rammebilde_bredde == 0 || !fusion || fusion->name() != QLatin1String("fusion"))
        return false;
    static const QImage bilde(reinterpret_cast<const uchar*>(rammebilde_data), rammebilde_bredde,
                              rammebilde_hoeyde, QImage::Format_ARGB32_Premultiplied);
    // The style's own margin over the frame: under the title, or a little without one.
    constexpr int luft = 3;
    const auto* gruppe = qobject_cast<const QGroupBox*>(kontroll);
    const int topp = gruppe && !gruppe->isCheckable() && gruppe->title().isEmpty()
                         ? luft
                         : std::max(fusion->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                    valg->fontMetrics.height()) +
                               luft;
    qDrawBorderPixmap(maler, valg->rect.adjusted(0, topp, 0, 0), QMargins(6, 6, 6, 6),
                      QPixmap::fromImage(bilde));
    return true;
}

// An icon of `stil` fetched the first time it is drawn or measured.
class Senikon final : public QIconEngine {
public:
    Senikon(QStyle* stil, QStyle::StandardPixmap bilde) : stil_(stil), bilde_(bilde) {}

    void paint(QPainter* maler, const QRect& felt, QIcon::Mode modus,
               QIcon::State tilstand) override {
        ikon().paint(maler, felt, Qt::AlignCenter, modus, tilstand);
    }
    QPixmap pixmap(const QSize& stoerrelse, QIcon::Mode modus, QIcon::State tilstand) override {
        return ikon().pixmap(stoerrelse, modus, tilstand);
    }
    QPixmap scaledPixmap(const QSize& stoerrelse, QIcon::Mode modus, QIcon::State tilstand,
                         qreal skala) override {
        return ikon().pixmap(stoerrelse, skala, modus, tilstand);
    }
    QSize actualSize(const QSize& stoerrelse, QIcon::Mode modus, QIcon::State tilstand) override {
        return ikon().actualSize(stoerrelse, modus, tilstand);
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State tilstand) override {
        return ikon().availableSizes(modus, tilstand);
    }
    QIconEngine* clone() const override { return new Senikon(*this); }

private:
    const QIcon& ikon() {
        if (!hentet_ && stil_) ikon_ = stil_->standardIcon(bilde_);
        hentet_ = true;
        return ikon_;
    }

    QPointer<QStyle> stil_;
    QStyle::StandardPixmap bilde_;
    bool hentet_ = false;
    QIcon ikon_;
};

}  // namespace

QIcon Programstil::standardIcon(StandardPixmap bilde, const QStyleOption* valg,
                                const QWidget* kontroll) const {
    if (bilde == SP_ToolBarHorizontalExtensionButton) return QIcon(new Senikon(baseStyle(), bilde));
    return QProxyStyle::standardIcon(bilde, valg, kontroll);
}

void Programstil::drawPrimitive(PrimitiveElement element, const QStyleOption* valg, QPainter* maler,
                                const QWidget* kontroll) const {
    if (element == PE_FrameGroupBox && tegnfusionramme(baseStyle(), valg, maler, kontroll)) return;
    QProxyStyle::drawPrimitive(element, valg, maler, kontroll);
}

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
        if (!tegnfusionramme(baseStyle(), &liten, &p, nullptr))
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
