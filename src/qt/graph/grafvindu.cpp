// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/graph/grafvindu.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "core/algebra/regning.h"
#include "qt/ui/bildeboks.h"

namespace balvo {

namespace {

using ui::qfarge;

// The picture's user coordinates mapped onto the widget as it is now.
class Grafmaler : public Grafflate {
public:
    Grafmaler(QPainter& maler, QSizeF stoerrelse)
        : maler_(maler),
          sx_(stoerrelse.width() / grafskala.bredde),
          sy_(stoerrelse.height() / grafskala.hoeyde) {
        maler_.setFont(ui::skrift(QStringLiteral("MS Sans Serif"), grafetikettpunkter));
    }

    void strek(double x1, double y1, double x2, double y2, Farge farge, int bredde) override {
        QPen penn(qfarge(farge));
        penn.setWidth(bredde);
        penn.setCosmetic(true);
        penn.setCapStyle(Qt::FlatCap);
        maler_.setPen(penn);
        // Grid and axes stay crisp; only the slanted pieces of the curves are smoothed.
        maler_.setRenderHint(QPainter::Antialiasing, x1 != x2 && y1 != y2);
        maler_.drawLine(punkt(x1, y1), punkt(x2, y2));
    }

    void skriv(double venstre, double topp, std::string_view tekst) override {
        maler_.setPen(Qt::black);
        const QString t = QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
        const QPointF p = punkt(venstre, topp);
        maler_.drawText(QPointF(p.x(), p.y() + QFontMetricsF(maler_.font()).ascent()), t);
    }

    double tekstbredde(std::string_view tekst) const override {
        const QString t = QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
        return QFontMetricsF(maler_.font()).horizontalAdvance(t) / sx_;
    }

private:
    QPointF punkt(double x, double y) const {
        return {(x - grafskala.venstre) * sx_, (y - grafskala.topp) * sy_};
    }

    QPainter& maler_;
    double sx_, sy_;
};

// The curves, drawn at whatever size the window gives them.
class Grafbilde : public QWidget {
public:
    Grafbilde(const Grafoppgave& oppgave, QWidget* forelder)
        : QWidget(forelder), oppgave_(oppgave) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.fillRect(rect(), Qt::white);
        Grafmaler flate(maler, size());
        const Grafoppgave& o = oppgave_;
        tegngraf(
            flate, [&o](double x) { return sideverdi(o, x, Side::venstre); },
            [&o](double x) { return sideverdi(o, x, Side::hoeyre); });
    }

private:
    const Grafoppgave& oppgave_;
};

}  // namespace

mmArk::mmArk(const Ark& ark, QWidget* eier)
    : QWidget(eier, Qt::Window), oppgave_(grafoppgave(ark)) {
    setObjectName(QStringLiteral("mmArk"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette hvit = palette();
    hvit.setColor(QPalette::Window, Qt::white);
    setPalette(hvit);
    setAutoFillBackground(true);

    bilde_ = new Grafbilde(oppgave_, this);
    bilde_->setObjectName(QStringLiteral("bilde"));
    krysning_ = new QLabel(this);
    krysning_->setObjectName(QStringLiteral("krysning"));
    krysning_->setFont(ui::skrift(QStringLiteral("MS Sans Serif"), grafetikettpunkter));
    krysning_->setAlignment(Qt::AlignCenter);
    oversett();

    auto* oppsett = new QVBoxLayout(this);
    oppsett->setContentsMargins(0, 0, 0, 0);
    oppsett->setSpacing(0);
    oppsett->addWidget(bilde_, 1);
    oppsett->addWidget(krysning_);
    // The picture keeps the size it was designed with; the caption comes under it.
    resize(
        ui::twips(grafbredde_twips),
        ui::twips(grafhoeyde_twips) + (krysning_->isHidden() ? 0 : krysning_->sizeHint().height()));
}

void mmArk::oversett() {
    setWindowTitle(ui::qtr(graftittel));
    const QString krysning = QString::fromStdString(krysningstekst(oppgave_));
    krysning_->setText(krysning);
    krysning_->setHidden(krysning.isEmpty());
    // A screen reader reads where the curves cross with the window's title when it opens.
    bilde_->setAccessibleName(windowTitle());
    bilde_->setAccessibleDescription(krysning);
    setAccessibleDescription(krysning);
}

void mmArk::changeEvent(QEvent* hendelse) {
    if (hendelse->type() == QEvent::LanguageChange) oversett();
    QWidget::changeEvent(hendelse);
}

void visgraf(const Ark& ark, QPointer<mmArk>& vindu, QWidget* eier) {
    if (!vindu) vindu = new mmArk(ark, eier);
    vindu->show();
    vindu->raise();
    vindu->activateWindow();
}

}  // namespace balvo
