// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/tasteflate.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QtMath>

#include "qt/ui/felles.h"

namespace balvo::ui {

namespace {

// The texts of the faces are drawn in one font per family and style, scaled to each face's
// size: a font costs start-up time, a scale nothing.
constexpr int grunnstoerrelse = 64;

struct Skrift {
    const char* familie;
    int piksler;
    bool fet, kursiv;
};

Skrift sans(int piksler, bool fet = true) {
    return {"Liberation Sans", piksler, fet, false};
}
Skrift serif(int piksler, bool kursiv) {
    return {"Liberation Serif", piksler, false, kursiv};
}

void tekst(QPainter& maler, const QRectF& felt, const Skrift& s, const QString& t,
           Qt::Alignment retning = Qt::AlignCenter) {
    QFont font;
    font.setFamilies({QString::fromLatin1(s.familie)});
    font.setPixelSize(grunnstoerrelse);
    font.setBold(s.fet);
    font.setItalic(s.kursiv);
    // Unhinted, so that the scaled glyphs keep their shapes and places at every size.
    font.setHintingPreference(QFont::PreferNoHinting);
    const double k = double(s.piksler) / grunnstoerrelse;
    maler.save();
    maler.scale(k, k);
    maler.setFont(font);
    maler.drawText(QRectF(felt.topLeft() / k, felt.size() / k), retning, t);
    maler.restore();
}

void pil(QPainter& maler, QPointF fra, QPointF til) {
    maler.drawLine(fra, til);
    const double retning = til.x() > fra.x() ? -1 : 1;
    const QPointF spiss[] = {til, til + QPointF(4 * retning, -3), til + QPointF(4 * retning, 3)};
    maler.setBrush(maler.pen().color());
    maler.drawPolygon(spiss, 3);
}

}  // namespace

QSize flatestoerrelse(Tastebilde bilde) {
    const Bildemaal m = flatemaal(bilde);
    return {m.bredde, m.hoeyde};
}

void tegnflate(QPainter& maler, Tastebilde bilde, int siffer, const QColor& blekk) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setRenderHint(QPainter::TextAntialiasing, true);
    maler.setPen(QPen(blekk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF hele(QPointF(0, 0), QSizeF(flatestoerrelse(bilde)));
    switch (bilde) {
        case Tastebilde::pluss:
            maler.fillRect(QRectF(3, 7, 10, 2), blekk);
            maler.fillRect(QRectF(7, 3, 2, 10), blekk);
            break;
        case Tastebilde::minus:
            maler.fillRect(QRectF(3, 7, 10, 2), blekk);
            break;
        case Tastebilde::prikk:
            maler.setBrush(blekk);
            maler.setPen(Qt::NoPen);
            maler.drawEllipse(QPointF(8, 8), 1.8, 1.8);
            break;
        case Tastebilde::kolon:
            maler.setBrush(blekk);
            maler.setPen(Qt::NoPen);
            maler.drawEllipse(QPointF(8, 4.5), 1.6, 1.6);
            maler.drawEllipse(QPointF(8, 11.5), 1.6, 1.6);
            break;
        case Tastebilde::rot: {
            QPainterPath rot;
            rot.moveTo(1, 9);
            rot.lineTo(3.5, 8);
            rot.lineTo(6.5, 14.5);
            rot.lineTo(10, 1.5);
            rot.lineTo(15.5, 1.5);
            maler.drawPath(rot);
            break;
        }
        case Tastebilde::kvadrat:
            // The exponent sits clear of the closing bracket.
            tekst(maler, QRectF(-1, 1, 13, 15), serif(14, false), QStringLiteral("( )"));
            tekst(maler, QRectF(11.5, -1, 4.5, 8), serif(8, false), QStringLiteral("2"));
            break;
        case Tastebilde::plussminus:
            maler.fillRect(QRectF(3, 5, 10, 2), blekk);
            maler.fillRect(QRectF(7, 1, 2, 10), blekk);
            maler.fillRect(QRectF(3, 13, 10, 2), blekk);
            break;
        case Tastebilde::bytt:
            pil(maler, QPointF(1.5, 4.5), QPointF(14.5, 4.5));
            pil(maler, QPointF(14.5, 11.5), QPointF(1.5, 11.5));
            break;
        case Tastebilde::siffer:
            tekst(maler, hele, sans(14), QString::number(siffer));
            break;
        case Tastebilde::negativ:
            tekst(maler, hele, serif(14, false), QStringLiteral("( )"));
            maler.fillRect(QRectF(5, 8, 6, 1.5), blekk);
            break;
        case Tastebilde::broek:
            tekst(maler, QRectF(0, -1, 8, 9), serif(10, true), QStringLiteral("a"));
            tekst(maler, QRectF(8, 7, 8, 9), serif(10, true), QStringLiteral("b"));
            maler.setPen(QPen(blekk, 1.2, Qt::SolidLine, Qt::RoundCap));
            maler.drawLine(QPointF(3, 14.5), QPointF(13, 1.5));
            break;
        case Tastebilde::utfoer:
            tekst(maler, hele, sans(13), qtr(utfoertekst));
            break;
        case Tastebilde::stryk:
            tekst(maler, hele, sans(14), QStringLiteral("C"));
            break;
        case Tastebilde::x:
            tekst(maler, hele, serif(17, true), QStringLiteral("x"));
            break;
        case Tastebilde::x2:
            tekst(maler, QRectF(0, 0, 12, 16), serif(17, true), QStringLiteral("x"));
            tekst(maler, QRectF(10, -1, 6, 9), serif(9, false), QStringLiteral("2"));
            break;
        case Tastebilde::opp: {
            const QPointF hjoerner[] = {{0, 6}, {9, 6}, {4.5, 0}};
            maler.setPen(Qt::NoPen);
            maler.setBrush(blekk);
            maler.drawPolygon(hjoerner, 3);
            break;
        }
        case Tastebilde::ned: {
            const QPointF hjoerner[] = {{0, 0}, {9, 0}, {4.5, 6}};
            maler.setPen(Qt::NoPen);
            maler.setBrush(blekk);
            maler.drawPolygon(hjoerner, 3);
            break;
        }
    }
    maler.restore();
}

namespace {

// The ink of a face on a key that is not usable: black as the style greys out an icon, so
// that the keys look as an icon button of the style would.
QColor graa_blekk(const QWidget& tast) {
    static QHash<QRgb, QColor> kjente;
    const QRgb bakgrunn = tast.palette().color(QPalette::Disabled, QPalette::Window).rgba();
    auto funnet = kjente.constFind(bakgrunn);
    if (funnet != kjente.constEnd()) return *funnet;
    QPixmap svart(1, 1);
    svart.fill(Qt::black);
    QStyleOption valg;
    valg.initFrom(&tast);
    const QPixmap graa = tast.style()->generatedIconPixmap(QIcon::Disabled, svart, &valg);
    const QColor farge = graa.isNull() ? QColor(Qt::gray) : graa.toImage().pixelColor(0, 0);
    return *kjente.insert(bakgrunn, farge);
}

}  // namespace

Tasteknapp::Tasteknapp(QWidget* forelder, Tastebilde bilde, int siffer)
    : QToolButton(forelder), bilde_(bilde), siffer_(siffer) {}

void Tasteknapp::settzoom(double zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    update();
}

QRectF Tasteknapp::flatested() const {
    // Centred as the style centres an icon: on whole pixels, shifted while pressed.
    QStyleOptionToolButton valg;
    initStyleOption(&valg);
    const QSizeF flate = QSizeF(flatestoerrelse(bilde_)) * zoom_;
    const QSize hel(qRound(flate.width()), qRound(flate.height()));
    QRect felt = style()->subControlRect(QStyle::CC_ToolButton, &valg, QStyle::SC_ToolButton, this);
    if (valg.state & (QStyle::State_Sunken | QStyle::State_On))
        felt.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &valg, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &valg, this));
    const QRect plass = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, hel, felt);
    return QRectF(plass.topLeft(), flate);
}

void Tasteknapp::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionToolButton valg;
    initStyleOption(&valg);
    valg.icon = QIcon();
    valg.text.clear();
    maler.drawComplexControl(QStyle::CC_ToolButton, valg);
    // The face is drawn once at this zoom, density, ink and language and kept, one for the
    // usable key and one for the grey, so that a keypad repainted after every click only
    // copies it.
    Flatekart& k = kart_[isEnabled() ? 1 : 0];
    const QColor blekk = isEnabled() ? QColor(Qt::black) : graa_blekk(*this);
    const qreal tetthet = devicePixelRatioF();
    // The perform key's face is a word.
    const QString ord = bilde_ == Tastebilde::utfoer ? qtr(utfoertekst) : QString();
    if (k.kart.isNull() || k.zoom != zoom_ || k.kart.devicePixelRatio() != tetthet ||
        k.blekk != blekk.rgba() || k.ord != ord) {
        const auto kart =
            tegnetkart(QSizeF(flatestoerrelse(bilde_)) * zoom_, tetthet, [&](QPainter& flate) {
                flate.scale(zoom_, zoom_);
                tegnflate(flate, bilde_, siffer_, blekk);
            });
        k = {kart, zoom_, blekk.rgba(), ord};
    }
    maler.drawPixmap(flatested().topLeft(), k.kart);
}

Tasteknapp* lagtast(QWidget* flate, const QString& navn, const QRect& sted, Tastebilde bilde,
                    const QString& tips, int siffer) {
    auto* knapp = new Tasteknapp(flate, bilde, siffer);
    knapp->setObjectName(navn);
    knapp->setGeometry(sted);
    if (!tips.isEmpty()) knapp->setToolTip(tips);
    knapp->setFocusPolicy(Qt::NoFocus);
    return knapp;
}

void tegnmerke(QPainter& maler) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setPen(QPen(QColor(220, 0, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(Qt::NoBrush);
    // A pen's R: a slightly leaning stem, a bowl drawn in one sweep, and a kicked-out leg.
    QPainterPath stamme;
    stamme.moveTo(13, 9);
    stamme.cubicTo(13, 20, 11.5, 33, 9.5, 44);
    QPainterPath bue;
    bue.moveTo(7, 11);
    bue.cubicTo(16, 4, 32, 4, 31, 14);
    bue.cubicTo(30, 22, 20, 26, 12.5, 25);
    QPainterPath bein;
    bein.moveTo(16, 25);
    bein.cubicTo(22, 30, 26, 40, 31, 43);
    bein.cubicTo(33, 44.5, 35.5, 43.5, 37, 41.5);
    maler.drawPath(stamme);
    maler.drawPath(bue);
    maler.drawPath(bein);
    maler.restore();
}

QPixmap loestmerke(qreal tetthet) {
    return tegnetkart(merkestoerrelse, tetthet, tegnmerke);
}

Merkeflate::Merkeflate(QWidget* forelder) : QWidget(forelder) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Merkeflate::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.scale(width() / double(merkestoerrelse.width()),
                height() / double(merkestoerrelse.height()));
    tegnmerke(maler);
}

}  // namespace balvo::ui
