// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/mainwindow/arketvindu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>

#include "core/mainwindow/opplesning.h"
#include "core/mainwindow/utforming.h"
#include "core/mainwindow/zoom.h"
#include "qt/coach/loesningsforslag.h"
#include "qt/mainwindow/arkliste.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/mainwindow/tastatur.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "qt/ui/meldingsboks.h"
#include "qt/ui/zoomstil.h"

namespace balvo {

Q_LOGGING_CATEGORY(diagnostikklogg, "balvo.diagnostikk", QtWarningMsg)

namespace {

QString qtekst(std::string_view tekst) {
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

}  // namespace

ArketVindu::ArketVindu(QWidget* forelder) : QMainWindow(forelder) {
    setWindowTitle(QString::fromUtf8(ui::programnavn));
    // The design's client area in the window's top left corner; zoomed larger than the
    // window, it scrolls.
    rulle_ = new QScrollArea(this);
    rulle_->setObjectName(QStringLiteral("rulleflate"));
    rulle_->setFrameShape(QFrame::NoFrame);
    // The keys (Page Up, Page Down among them) are the worksheet's, not the scroll area's.
    rulle_->setFocusPolicy(Qt::NoFocus);
    rulle_->setWidgetResizable(false);
    rulle_->viewport()->setBackgroundRole(QPalette::Window);
    rulle_->setMinimumSize(ui::twips(klientflate).size());
    flate_ = new QWidget;
    flate_->setObjectName(QStringLiteral("klientflate"));
    flate_->resize(ui::twips(klientflate).size());
    rulle_->setWidget(flate_);
    setCentralWidget(rulle_);
    stil_ = new ui::Zoomstil;
    stil_->setParent(this);
    byggkontroller(flate_);
    byggmeny();
    new Tastatur(*this);  // keyboard, menu shortcuts, accessible names
    arket_.Form_Load();
    // The coach's table is built while the pupil looks at the empty sheet, well after the
    // window has been drawn.
    QTimer::singleShot(1000, this, [] { forberedveileder(); });
}

Tegneflate& ArketVindu::linje(int boks) {
    return *linjer_.at(static_cast<std::size_t>(boks));
}

Tegneflate& ArketVindu::opfelt(int k) {
    return *opfelter_.at(static_cast<std::size_t>(k));
}

void ArketVindu::setttaster(const Tastesett& brukbare) {
    // While a screen reader listens, a key that is about to be switched off hands the keyboard
    // to the worksheet, where the pupil hears what the key did, rather than to the next key.
    if (arkliste_ && QAccessible::isActive())
        for (std::size_t i = 0; i < taster_.size(); ++i)
            if (taster_[i] && taster_[i]->hasFocus() && !brukbare.test(i))
                arkliste_->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 0; i < taster_.size(); ++i)
        if (taster_[i]) taster_[i]->setEnabled(brukbare.test(i));
    // Every change of what the pupil may do ends here: "Angre" and the coach follow too.
    vismenypunkter();
    // A new exercise: its shortest way is found once the line is on screen, not before.
    if (arket_.har_oppgave() && !arket_.korteste_kjent() && !korteste_bestilt_) {
        korteste_bestilt_ = true;
        QTimer::singleShot(0, this, [this] {
            korteste_bestilt_ = false;
            arket_.korteste();
        });
    }
    // Every handler of the worksheet ends here, after its drawing: the rows' texts for screen
    // readers follow, once.
    beskrivrader(*this);
}

void ArketVindu::visverdier(int nivaa, std::int64_t poeng, std::int64_t loeste) {
    verdi(Etikettrolle::nivaa)->setText(QString::number(nivaa));
    verdi(Etikettrolle::poeng)->setText(QString::number(poeng));
    verdi(Etikettrolle::loeste)->setText(QString::number(loeste));
    navngietiketter();
}

void ArketVindu::navngietiketter() {
    // A screen reader hears each value with its caption: "Poeng: 3".
    for (const Verdietikett& v : verdietiketter()) {
        if (QLabel* etikett = verdi(v.rolle))
            etikett->setAccessibleName(
                QString::fromStdString(etikettnavn(v.ledetekst, etikett->text().toStdString())));
    }
}

void ArketVindu::endret() {
    visskrivfelt();
    if (arkliste_) arkliste_->endret();
}

bool ArketVindu::eventFilter(QObject* objekt, QEvent* hendelse) {
    // The own-equation dialog closes after its equation is on the sheet.
    if (hendelse->type() == QEvent::Hide && objekt == egenlikning_) endret();
    // Enter and Escape belong to the line editor while it is open, not to the keypad.
    if (objekt == skrivfelt_ && hendelse->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(hendelse)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            skrivlinje();
            return true;
        }
        if (tast == Qt::Key_Escape) {
            giopp();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, hendelse);
}

void ArketVindu::diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) {
    ui::Bildeboks* skjult = boks == Diagnoseboks::dump ? dumpboks_ : diagnoseboks_;
    skjult->toem();
    double y = 0;
    for (const auto& linje : linjer) {
        qCDebug(diagnostikklogg, "%s", linje.c_str());
        skjult->skriv(0, y, linje);
        y += skjult->fontstoerrelse() * 1.2;
    }
}

void ArketVindu::tilforgrunnen() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void ArketVindu::visvurdering(std::string_view steg, std::string_view proeve) {
    verdi(Etikettrolle::steg)->setText(qtekst(steg));
    verdi(Etikettrolle::proeve)->setText(qtekst(proeve));
    tilpass(verdi(Etikettrolle::proeve), 12);
    navngietiketter();
}

void ArketVindu::tilpass(QLabel* etikett, double punkter) {
    // A text too long for its lines is written a little smaller rather than cut off.
    QFont f = ui::skrift(QStringLiteral("Arial"), punkter * zoom_);
    // Nothing to fit: no font need be loaded for an empty row (at start-up, all are).
    if (etikett->text().isEmpty()) {
        etikett->setFont(f);
        return;
    }
    const auto for_lang = [&] {
        return QFontMetrics(f)
                   .boundingRect(etikett->contentsRect(), Qt::TextWordWrap, etikett->text())
                   .height() > etikett->contentsRect().height();
    };
    while (for_lang() && f.pointSizeF() > 8 * zoom_) f.setPointSizeF(f.pointSizeF() - 0.5 * zoom_);
    etikett->setFont(f);
}

void ArketVindu::visavstand(std::string_view tekst) {
    verdi(Etikettrolle::avstand)->setText(qtekst(tekst));
    tilpass(verdi(Etikettrolle::avstand), 9.75);
    navngietiketter();
}

void ArketVindu::settavstand(bool paa) {
    velgavstand(arket_, *this, paa);
}

void ArketVindu::visavstandsrad(bool paa) {
    if (QAction* a = menypunkt(Menyhandling::avstand)) a->setChecked(paa);
    verdi(Etikettrolle::avstand)->setVisible(paa);
    verdi(Etikettrolle::avstand_ledetekst)->setVisible(paa);
    plasserproeve();
}

void ArketVindu::plasserproeve() {
    const Piksler p = skaler(proevested(arket_.avstand()), zoom_);
    verdi(Etikettrolle::proeve)->setGeometry(p.venstre, p.topp, p.bredde, p.hoeyde);
}

void ArketVindu::visforslag(const Veiledning& veiledning) {
    if (!loesningsforslag_) {
        loesningsforslag_ = new Loesningsforslag(this);
        if (zoom_ != 1) loesningsforslag_->settzoom(zoom_);
    }
    loesningsforslag_->vis(veiledning);
    loesningsforslag_->show();
    loesningsforslag_->raise();
    loesningsforslag_->activateWindow();
}

void ArketVindu::melding(std::string_view tittel, std::string_view tekst) {
    ui::meldingsboks(this, qtekst(tittel), qtekst(tekst));
}

bool ArketVindu::spoersmaal(std::string_view tittel, std::string_view tekst) {
    return ui::spoersmaalsboks(this, qtekst(tittel), qtekst(tekst));
}

void ArketVindu::changeEvent(QEvent* hendelse) {
    if (hendelse->type() == QEvent::LanguageChange) oversett();
    QMainWindow::changeEvent(hendelse);
}

void ArketVindu::oversett() {
    for (const auto& sett : oversettere_) sett();
    gibreddeettertekst();
    navngitaster(*this);
    // The operand fields name their operations in words; the worksheet itself stays as it is.
    arket_.tegnpaanytt();
    beskrivrader(*this);
    navngietiketter();
    if (arkliste_) arkliste_->nyetekster();
}

void ArketVindu::vismerke(double venstre, double topp) {
    // The logic places the marker in points of the client area at 100 %.
    const double k = ui::piksler_per_punkt * zoom_;
    merke_->move(qRound(venstre * k), qRound(topp * k));
    merke_->show();
    merke_->raise();
}

void ArketVindu::skjulmerke() {
    merke_->hide();
}

}  // namespace balvo
