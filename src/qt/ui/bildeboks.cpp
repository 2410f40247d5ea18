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

void Bildeboks::toem() {
    liste_.clear();
    malt_ = 0;
    bilde_.fill(bakgrunn_);
    update();
}

double Bildeboks::hoeyde() const {
    return punkthoeyde_ > 0 ? punkthoeyde_ : height() / skala();
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
    return Malerflate::bredde(fontnavn_, stoerrelse_, kursiv_, qtekst(tekst));
}

void Bildeboks::skriv(double x, double y, std::string_view tekst) {
    legg(Tekst{x, y, qtekst(tekst), {fontnavn_, stoerrelse_, kursiv_}});
}

QStringList Bildeboks::tekster() const {
    QStringList ut;
    for (const Operasjon& op : liste_)
        if (const auto* t = std::get_if<Tekst>(&op)) ut << t->tekst;
    return ut;
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

void Bildeboks::settzoom(double zoom, double punkthoeyde) {
    if (zoom == zoom_ && punkthoeyde == punkthoeyde_) return;
    zoom_ = zoom;
    punkthoeyde_ = punkthoeyde;
    // Drawn again from the list when next shown, sharp at the new scale.
    bilde_ = QImage();
    malt_ = 0;
    update();
}

void Bildeboks::legg(Operasjon op) {
    liste_.push_back(std::move(op));
    update();
}

void Bildeboks::oppdater() const {
    // On a screen of another density, or at another size, the image is drawn again from the
    // list, sharp again. An empty box needs none: the window starts with ten of them.
    if (bilde_.isNull() || bilde_.devicePixelRatio() != devicePixelRatioF()) {
        if (liste_.empty()) {
            bilde_ = QImage();
            return;
        }
        nyttbilde();
    }
    if (bilde_.isNull() || malt_ >= liste_.size()) return;
    // Only the new operations are painted; the image keeps everything before them.
    QPainter maler(&bilde_);
    maler.scale(skala(), skala());
    Malerflate flate(&maler, hoeyde(), forgrunn_);
    for (; malt_ < liste_.size(); ++malt_) tegnop(flate, liste_[malt_]);
}

void Bildeboks::tegn(QPainter& maler) const {
    maler.save();
    Malerflate flate(&maler, hoeyde(), forgrunn_);
    flate.settbakgrunn(QRectF(0, 0, width() / skala(), height() / skala()), bakgrunn_);
    flate.toem();
    for (const auto& op : liste_) tegnop(flate, op);
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

void Bildeboks::tegnop(Malerflate& flate, const Operasjon& op) {
    if (const auto* t = std::get_if<Tekst>(&op)) {
        flate.settfontnavn(t->skrift.navn);
        flate.settstoerrelse(t->skrift.stoerrelse);
        flate.settkursiv(t->skrift.kursiv);
        flate.skriv(t->x, t->y, t->tekst);
    } else if (const auto* s = std::get_if<Strek>(&op)) {
        flate.strek(s->x1, s->y1, s->x2, s->y2);
    } else if (const auto* r = std::get_if<Rektangel>(&op)) {
        flate.rektangel(r->x1, r->y1, r->x2, r->y2);
    }
}

void Bildeboks::nyttbilde() const {
    const qreal tetthet = devicePixelRatioF();
    if (size().isEmpty()) {
        bilde_ = QImage();
        malt_ = 0;
        return;
    }
    bilde_ = bilde(tetthet);
    malt_ = liste_.size();
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
