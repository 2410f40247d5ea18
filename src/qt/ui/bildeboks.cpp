// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/bildeboks.h"

#include <QPaintEvent>
#include <QPainter>

#include "qt/ui/malerflate.h"

namespace balvo::ui {

namespace {

QString qtekst(std::string_view tekst) {
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

}  // namespace

Bildeboks::Bildeboks(QWidget* forelder) : QWidget(forelder) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildeboks::toemt() {
    malt_ = 0;
    bilde_.fill(bakgrunn_);
    update();
}

double Bildeboks::hoeyde() const {
    return punkthoeyde_ > 0 ? punkthoeyde_ : height() / skala();
}

double Bildeboks::tekstbredde(std::string_view tekst) const {
    return Malerflate::bredde(qtekst(fontnavn()), fontstoerrelse(), kursiv(), qtekst(tekst));
}

QStringList Bildeboks::tekster() const {
    QStringList ut;
    for (const Tegneop& op : liste())
        if (op.art == Tegneop::Art::skriv) ut << qtekst(op.tekst);
    return ut;
}

void Bildeboks::settforgrunn(const QColor& farge) {
    forgrunn_ = farge;
    // Drawn again in the new colour when next shown (an empty box never).
    bilde_ = QImage();
    malt_ = 0;
    update();
}

void Bildeboks::settzoom(double zoom, double punkthoeyde) {
    if (zoom == zoom_ && punkthoeyde == punkthoeyde_) return;
    zoom_ = zoom;
    punkthoeyde_ = punkthoeyde;
    // Drawn again from the list when next shown, sharp at the new scale.
    bilde_ = QImage();
    malt_ = 0;
    update();
}

void Bildeboks::lagt(const Tegneop&) {
    update();
}

void Bildeboks::oppdater() const {
    // On a screen of another density, or at another size, the image is drawn again from the
    // list, sharp again. An empty box needs none: the window starts with ten of them.
    if (bilde_.isNull() || bilde_.devicePixelRatio() != devicePixelRatioF()) {
        if (liste().empty()) {
            bilde_ = QImage();
            return;
        }
        nyttbilde();
    }
    if (bilde_.isNull() || malt_ >= liste().size()) return;
    // Only the new operations are painted; the image keeps everything before them.
    QPainter maler(&bilde_);
    maler.scale(skala(), skala());
    Malerflate flate(&maler, hoeyde(), forgrunn_);
    for (; malt_ < liste().size(); ++malt_) spill(liste()[malt_], flate);
}

void Bildeboks::tegn(QPainter& maler) const {
    maler.save();
    Malerflate flate(&maler, hoeyde(), forgrunn_);
    flate.settbakgrunn(QRectF(0, 0, width() / skala(), height() / skala()), bakgrunn_);
    flate.toem();
    for (const auto& op : liste()) spill(op, flate);
    maler.restore();
}

QImage Bildeboks::bilde(qreal tetthet) const {
    QImage ut(size() * tetthet, QImage::Format_ARGB32_Premultiplied);
    ut.setDevicePixelRatio(tetthet);
    ut.fill(bakgrunn_);
    QPainter maler(&ut);
    maler.scale(skala(), skala());
    tegn(maler);
    return ut;
}

void Bildeboks::nyttbilde() const {
    const qreal tetthet = devicePixelRatioF();
    if (size().isEmpty()) {
        bilde_ = QImage();
        malt_ = 0;
        return;
    }
    bilde_ = bilde(tetthet);
    malt_ = liste().size();
}

void Bildeboks::paintEvent(QPaintEvent* hendelse) {
    oppdater();
    QPainter maler(this);
    if (bilde_.isNull()) {
        maler.fillRect(hendelse->rect(), bakgrunn_);
        return;
    }
    maler.drawImage(QPointF(0, 0), bilde_);
}

void Bildeboks::resizeEvent(QResizeEvent* hendelse) {
    QWidget::resizeEvent(hendelse);
    // Made when next shown: a zoom resizes the box and then has it typeset again.
    bilde_ = QImage();
    malt_ = 0;
}

}  // namespace balvo::ui
