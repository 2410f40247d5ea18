// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/coach/loesningsforslag.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/coach/veiledertekst.h"
#include "core/display/lineaertekst.h"
#include "core/display/linjetegner.h"
#include "core/entry/operandfelt.h"
#include "core/model/farge.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "qt/ui/tasteflate.h"

namespace balvo {
namespace {

using ui::twips;

// The worksheet's measures: a row 6105 twips wide and 735 high, 720 below the one before,
// the operation that leads on from it in a field 2805 wide beside it; at the main window's
// zoom.
QRect sted(const Twips& t, double zoom) {
    const Piksler p = skaler(t, zoom);
    return {p.venstre, p.topp, p.bredde, p.hoeyde};
}
QRect radsted(int i, double zoom) {
    return sted({0, 720 * i, 6105, 735}, zoom);
}
QRect feltsted(int i, double zoom) {
    return sted({6270, 720 * i, 2805, 735}, zoom);
}

ui::Bildeboks* boks(QWidget* eier, const QRect& sted, const QColor& farge, double punkter,
                    double zoom) {
    auto* b = new ui::Bildeboks(eier);
    b->setGeometry(sted);
    b->settzoom(zoom, 735 / 20.0);
    b->settforgrunn(farge);
    b->settfontnavn("MS Sans Serif");
    b->settstoerrelse(punkter);
    return b;
}

// The solved marker beside a solved row, placed as the main window places its own.
class Radmerke : public Merke {
public:
    Radmerke(QWidget* eier, QPoint origo, double zoom) : eier_(eier), origo_(origo), zoom_(zoom) {}
    void vismerke(double venstre, double topp) override {
        auto* merke = new ui::Merkeflate(eier_);
        merke->setObjectName(QStringLiteral("Pi_R"));
        merke->resize(ui::skaler(ui::merkestoerrelse, zoom_));
        const double k = ui::piksler_per_punkt * zoom_;
        merke->move(origo_ + QPoint(qRound(venstre * k), qRound(topp * k)));
    }
    void skjulmerke() override {}

private:
    QWidget* eier_;
    QPoint origo_;
    double zoom_;
};

QString qtekst(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

Loesningsforslag::Loesningsforslag(QWidget* eier)
    : QDialog(eier, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Loesningsforslag"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* oppsett = new QVBoxLayout(this);
    overskrift_ = new QLabel(this);
    overskrift_->setObjectName(QStringLiteral("overskrift"));
    overskrift_->setFont(ui::skrift(QStringLiteral("MS Sans Serif"), 9.75, true));
    overskrift_->setTextFormat(Qt::PlainText);
    oppsett->addWidget(overskrift_);

    auto* rulle = new QScrollArea(this);
    rulle->setObjectName(QStringLiteral("rader"));
    rulle->setWidgetResizable(false);
    rulle->setFrameShape(QFrame::NoFrame);
    rader_ = new QWidget;
    rader_->setAutoFillBackground(true);
    QPalette hvit = rader_->palette();
    hvit.setColor(QPalette::Window, Qt::white);
    rader_->setPalette(hvit);
    rulle->setWidget(rader_);
    oppsett->addWidget(rulle, 1);

    tekst_ = new QPlainTextEdit(this);
    tekst_->setObjectName(QStringLiteral("tekst"));
    tekst_->setReadOnly(true);
    tekst_->setFont(ui::skrift(QStringLiteral("Arial"), 10));
    tekst_->setMaximumHeight(twips(1800));
    oppsett->addWidget(tekst_);

    auto* knapper = new QDialogButtonBox(this);
    kopier_ = knapper->addButton(QString(), QDialogButtonBox::ActionRole);
    kopier_->setObjectName(QStringLiteral("kopier"));
    lukk_ = knapper->addButton(QString(), QDialogButtonBox::RejectRole);
    lukk_->setObjectName(QStringLiteral("lukk"));
    connect(kopier_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tekst()); });
    connect(knapper, &QDialogButtonBox::rejected, this, &QDialog::close);
    oppsett->addWidget(knapper);
    oversett();
}

void Loesningsforslag::oversett() {
    setWindowTitle(ui::qtr(BALVO_TR("Loesningsforslag", "Løsningsforslag")));
    tekst_->setAccessibleName(ui::qtr(BALVO_TR("Loesningsforslag", "Løsningsforslaget som tekst")));
    kopier_->setText(ui::qtr(BALVO_TR("Loesningsforslag", "Kopier")));
    lukk_->setText(ui::qtr(BALVO_TR("Loesningsforslag", "Lukk")));
}

void Loesningsforslag::changeEvent(QEvent* hendelse) {
    if (hendelse->type() == QEvent::LanguageChange) {
        oversett();
        if (veiledning_) vis(Veiledning(*veiledning_));
    }
    QDialog::changeEvent(hendelse);
}

void Loesningsforslag::settzoom(double zoom) {
    zoom_ = zoom;
    overskrift_->setFont(ui::skrift(QStringLiteral("MS Sans Serif"), 9.75 * zoom, true));
    tekst_->setFont(ui::skrift(QStringLiteral("Arial"), 10 * zoom));
    tekst_->setMaximumHeight(qRound(twips(1800) * zoom));
    if (veiledning_) vis(Veiledning(*veiledning_));
}

void Loesningsforslag::vis(const Veiledning& v) {
    veiledning_ = v;
    qDeleteAll(rader_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    linjer_.clear();
    felter_.clear();

    overskrift_->setText(qtekst(forslagstekst(v)));
    const auto ark = veiark(v);
    const int n = static_cast<int>(v.linjer.size());
    const QColor blaa = ui::qfarge(moerkeblaa);
    for (int i = 0; i < n; ++i) {
        // The first row is the line the pupil stands on, in black as the exercise row is.
        auto* linje =
            boks(rader_, radsted(i, zoom_), i == 0 ? QColor(Qt::black) : blaa, 13.5, zoom_);
        auto* felt = boks(rader_, feltsted(i, zoom_), blaa, 8.25, zoom_);
        linje->setObjectName(QStringLiteral("linje_%1").arg(i));
        felt->setObjectName(QStringLiteral("operasjon_%1").arg(i));
        Radmerke merke(rader_, radsted(i, zoom_).topLeft(), zoom_);
        tegnlinje(*ark, i, 0, *linje, merke);
        if (i + 1 < n) vislinjeopr(*ark, i, 1, *felt);
        linje->setAccessibleName(ui::qtr(BALVO_TR("Loesningsforslag", "Linje %1")).arg(i + 1));
        linje->setAccessibleDescription(qtekst(likningstekst(*ark, i)));
        felt->setAccessibleDescription(qtekst(operasjonstekst(*ark, i)));
        linjer_.push_back(linje);
        felter_.push_back(felt);
    }
    const int siste = std::max(n - 1, 0);
    rader_->resize(feltsted(siste, zoom_).right() + 1, radsted(siste, zoom_).bottom() + 1);
    tekst_->setPlainText(overskrift() + "\n" + qtekst(arktekst(*ark)));
    // Rows, fields and markers made after the window was shown are shown with it; the marker
    // goes on top of the row it follows.
    for (QWidget* w : rader_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        w->show();
        if (w->objectName() == QLatin1String("Pi_R")) w->raise();
    }
    // Wide enough for the rows, tall enough for a way of eight steps.
    auto* rulle = findChild<QScrollArea*>(QStringLiteral("rader"));
    rulle->setMinimumSize(rader_->width() + 4,
                          std::min(rader_->height(), radsted(5, zoom_).top()) + 4);
    adjustSize();
}

QString Loesningsforslag::overskrift() const {
    return overskrift_->text();
}

QString Loesningsforslag::tekst() const {
    return tekst_->toPlainText();
}

}  // namespace balvo
