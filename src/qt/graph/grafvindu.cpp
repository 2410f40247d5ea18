#include "qt/graph/grafvindu.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

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

}  // namespace

mmArk::mmArk(const Ark& ark, QWidget* eier)
    : QWidget(eier, Qt::Window), oppgave_(grafoppgave(ark)) {
    setObjectName(QStringLiteral("mmArk"));
    setWindowTitle(ui::qtr(graftittel));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(ui::twips(grafbredde_twips), ui::twips(grafhoeyde_twips));
}

void mmArk::changeEvent(QEvent* hendelse) {
    if (hendelse->type() == QEvent::LanguageChange) setWindowTitle(ui::qtr(graftittel));
    QWidget::changeEvent(hendelse);
}

void mmArk::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    Grafmaler flate(maler, size());
    const Grafoppgave& o = oppgave_;
    tegngraf(
        flate, [&o](double x) { return sideverdi(o, x, Side::venstre); },
        [&o](double x) { return sideverdi(o, x, Side::hoeyre); });
}

void visgraf(const Ark& ark, QPointer<mmArk>& vindu, Meldinger& meldinger, QWidget* eier) {
    if (venstreledd(ark, 0) == 0 && hoeyreledd(ark, 0) == 0) {
        meldinger.melding("", tr(ingen_likning));
        return;
    }
    if (!vindu) vindu = new mmArk(ark, eier);
    vindu->show();
    vindu->raise();
    vindu->activateWindow();
}

}  // namespace balvo
