#include "ui/bildeboks.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace balvo::ui {

namespace {

QString qtekst(std::string_view tekst) {
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// Measuring needs a paint device of the layout's density (96 dpi) when no painter is at hand.
const QImage& maaleflate() {
    static const QImage flate(1, 1, QImage::Format_ARGB32_Premultiplied);
    return flate;
}

}  // namespace

QStringList fontfamilier(const QString& navn) {
    if (navn == QLatin1String("Times New Roman")) return {navn, QStringLiteral("Liberation Serif")};
    if (navn == QLatin1String("MS Sans Serif") || navn == QLatin1String("Arial"))
        return {navn, QStringLiteral("Liberation Sans")};
    return {navn};
}

Bildeboks::Bildeboks(QWidget* forelder) : QWidget(forelder) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildeboks::toem() {
    liste_.clear();
    bilde_.fill(bakgrunn_);
    update();
}

double Bildeboks::hoeyde() const {
    return height() / piksler_per_punkt;
}

void Bildeboks::settfontnavn(std::string_view navn) {
    fontnavn_ = qtekst(navn);
}

void Bildeboks::settstoerrelse(double punkter) {
    stoerrelse_ = punkter;
}

void Bildeboks::settkursiv(bool kursiv) {
    kursiv_ = kursiv;
}

double Bildeboks::tekstbredde(std::string_view tekst) const {
    const QFontMetricsF maal(qfont({fontnavn_, stoerrelse_, kursiv_}, nullptr), &maaleflate());
    return maal.horizontalAdvance(qtekst(tekst));
}

void Bildeboks::skriv(double x, double y, std::string_view tekst) {
    legg(Tekst{x, y, qtekst(tekst), {fontnavn_, stoerrelse_, kursiv_}});
}

void Bildeboks::strek(double x1, double y1, double x2, double y2) {
    legg(Strek{x1, y1, x2, y2});
}

void Bildeboks::rektangel(double x1, double y1, double x2, double y2) {
    legg(Rektangel{x1, y1, x2, y2});
}

void Bildeboks::settforgrunn(const QColor& farge) {
    forgrunn_ = farge;
    nyttbilde();
    update();
}

void Bildeboks::legg(Operasjon op) {
    liste_.push_back(std::move(op));
    if (bilde_.isNull()) return;
    // Only the new operation is painted; the image keeps everything before it.
    QPainter maler(&bilde_);
    skaler(maler);
    tegnop(maler, liste_.back());
    update();
}

void Bildeboks::tegn(QPainter& maler) const {
    maler.save();
    maler.fillRect(QRectF(0, 0, width() / piksler_per_punkt, hoeyde()), bakgrunn_);
    for (const auto& op : liste_) tegnop(maler, op);
    maler.restore();
}

QImage Bildeboks::bilde(qreal tetthet) const {
    QImage ut(size() * tetthet, QImage::Format_ARGB32_Premultiplied);
    ut.setDevicePixelRatio(tetthet);
    ut.fill(bakgrunn_);
    QPainter maler(&ut);
    skaler(maler);
    tegn(maler);
    return ut;
}

void Bildeboks::skaler(QPainter& maler) {
    maler.scale(piksler_per_punkt, piksler_per_punkt);
}

QFont Bildeboks::qfont(const Skrift& skrift, const QPainter* maler) {
    QFont font;
    font.setFamilies(fontfamilier(skrift.navn));
    // The painter draws in points, so the font must come out `stoerrelse` units tall
    // whatever the target's resolution.
    const int dpi =
        maler && maler->device() ? maler->device()->logicalDpiY() : maaleflate().logicalDpiY();
    font.setPointSizeF(std::max(skrift.stoerrelse, 0.01) * 72.0 / dpi);
    font.setItalic(skrift.kursiv);
    // Unhinted glyphs keep widths proportional at every scale, so measuring and drawing agree.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Bildeboks::tegnop(QPainter& maler, const Operasjon& op) const {
    if (const auto* t = std::get_if<Tekst>(&op)) {
        maler.setRenderHint(QPainter::Antialiasing, true);
        maler.setRenderHint(QPainter::TextAntialiasing, true);
        maler.setFont(qfont(t->skrift, &maler));
        maler.setPen(forgrunn_);
        // Anchored at the top-left corner of the text cell.
        const QRectF celle(t->x, t->y, 100000, 100000);
        maler.drawText(celle, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t->tekst);
    } else if (const auto* s = std::get_if<Strek>(&op)) {
        maler.setRenderHint(QPainter::Antialiasing, true);
        // One pixel at 96 dpi, like a drawn line of width 1; it scales with the target.
        QPen penn(forgrunn_, 1.0 / piksler_per_punkt);
        penn.setCapStyle(Qt::FlatCap);
        maler.setPen(penn);
        maler.drawLine(QPointF(s->x1, s->y1), QPointF(s->x2, s->y2));
    } else if (const auto* r = std::get_if<Rektangel>(&op)) {
        QRectF felt = QRectF(QPointF(r->x1, r->y1), QPointF(r->x2, r->y2)).normalized();
        // A bar thinner than a device pixel is widened about its centre line to one pixel,
        // and filled without antialiasing so that it shows as one solid line.
        const QTransform t = maler.deviceTransform();
        const double pikselx = 1.0 / std::max(std::abs(t.m11()), 1e-9);
        const double piksely = 1.0 / std::max(std::abs(t.m22()), 1e-9);
        if (felt.width() < pikselx) {
            const double midt = felt.center().x();
            felt.setLeft(midt - pikselx / 2);
            felt.setWidth(pikselx);
        }
        if (felt.height() < piksely) {
            const double midt = felt.center().y();
            felt.setTop(midt - piksely / 2);
            felt.setHeight(piksely);
        }
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.fillRect(felt, forgrunn_);
    }
}

void Bildeboks::nyttbilde() {
    const qreal tetthet = devicePixelRatioF();
    if (size().isEmpty()) {
        bilde_ = QImage();
        return;
    }
    bilde_ = bilde(tetthet);
}

void Bildeboks::paintEvent(QPaintEvent* hendelse) {
    // On a screen of another density the image is redrawn from the list, sharp again.
    if (!size().isEmpty() && (bilde_.isNull() || bilde_.devicePixelRatio() != devicePixelRatioF()))
        nyttbilde();
    QPainter maler(this);
    if (bilde_.isNull()) {
        maler.fillRect(hendelse->rect(), bakgrunn_);
        return;
    }
    maler.drawImage(QPointF(0, 0), bilde_);
}

void Bildeboks::resizeEvent(QResizeEvent* hendelse) {
    QWidget::resizeEvent(hendelse);
    nyttbilde();
}

}  // namespace balvo::ui
