// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, built from the design's table (core/mainwindow/utforming): positions
// in twips, 15 twips to a pixel, captions and tooltips from the catalogue.
#include <QActionGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "core/mainwindow/tastaturvei.h"
#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/utforming.h"
#include "core/tekst/spraak.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/arkliste.h"
#include "qt/mainwindow/tastatur.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "qt/ui/spraak.h"
#include "qt/ui/tasteflate.h"
#include "qt/ui/zoomstil.h"

namespace balvo {

namespace {

ui::Bildeboks* bildeboks(QWidget* forelder, const Kontroll& k) {
    auto* boks = new ui::Bildeboks(forelder);
    boks->settforgrunn(ui::qfarge(k.farge));
    boks->settfontnavn("MS Sans Serif");
    boks->settstoerrelse(k.skrift.punkter);
    return boks;
}

// A line or a frame drawn in the window text colour.
QFrame* strek(QWidget* forelder, int tykkelse) {
    auto* ramme = new QFrame(forelder);
    ramme->setFrameStyle(QFrame::Box | QFrame::Plain);
    ramme->setLineWidth(tykkelse);
    return ramme;
}

QWidget* panel(QWidget* forelder, const QColor& farge) {
    auto* p = new QWidget(forelder);
    QPalette palett = p->palette();
    palett.setColor(QPalette::Window, farge);
    p->setPalette(palett);
    p->setAutoFillBackground(true);
    return p;
}

}  // namespace

void ArketVindu::byggkontroller(QWidget* flate) {
    QGroupBox* ramme = nullptr;
    for (const Kontroll& k : hovedvinduet()) {
        QWidget* forelder = k.i_rammen ? static_cast<QWidget*>(ramme) : flate;
        const Tekst tekst = k.tekst;
        QWidget* w = nullptr;
        switch (k.art) {
            case Kontrollart::linje:
                w = linjer_.at(static_cast<std::size_t>(k.siffer)) = bildeboks(forelder, k);
                break;
            case Kontrollart::opfelt:
                w = opfelter_.at(static_cast<std::size_t>(k.siffer)) = bildeboks(forelder, k);
                break;
            case Kontrollart::skjult:
                w = (k.siffer == 7 ? dumpboks_ : diagnoseboks_) = bildeboks(forelder, k);
                break;
            case Kontrollart::knapp:
                w = nyoppgave_ = new QPushButton(forelder);
                oversatt([b = nyoppgave_, tekst] { b->setText(ui::qtr(tekst)); });
                connect(nyoppgave_, &QPushButton::clicked, this, [this] {
                    arket_.nyoppgave_Click();
                    endret();
                });
                break;
            case Kontrollart::etikett: {
                auto* l = new QLabel(forelder);
                if (tekst.kilde) oversatt([l, tekst] { l->setText(ui::qtr(tekst)); });
                QPalette farge = l->palette();
                farge.setColor(QPalette::WindowText, ui::qfarge(k.farge));
                l->setPalette(farge);
                if (k.rolle != Etikettrolle::ingen) verdier_[static_cast<std::size_t>(k.rolle)] = l;
                if (k.ombryt) {
                    l->setWordWrap(true);
                    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                }
                w = l;
                break;
            }
            case Kontrollart::ramme:
                w = ramme = new QGroupBox(forelder);
                oversatt([g = ramme, tekst] { g->setTitle(ui::qtr(tekst)); });
                break;
            case Kontrollart::valg:
            case Kontrollart::avkrysning: {
                QAbstractButton* b = k.art == Kontrollart::valg
                                         ? static_cast<QAbstractButton*>(new QRadioButton(forelder))
                                         : new QCheckBox(forelder);
                w = taster_.at(static_cast<std::size_t>(k.tast)) = b;
                oversatt([b, tekst] { b->setText(ui::qtr(tekst)); });
                break;
            }
            case Kontrollart::tast: {
                QAbstractButton* b = taster_.at(static_cast<std::size_t>(k.tast)) =
                    ui::lagtast(forelder, QString(), ui::twips(k.sted), k.flate, {}, k.siffer);
                w = b;
                if (k.tips.kilde) oversatt([b, tips = k.tips] { b->setToolTip(ui::qtr(tips)); });
                // The perform key's face is a word, drawn again in the new language.
                if (k.flate == Tasteflate::utfoer) oversatt([b] { b->update(); });
                // Tab reaches every key; a click leaves the keyboard where it was.
                b->setFocusPolicy(Qt::TabFocus);
                break;
            }
            case Kontrollart::strek:
                w = strek(forelder, 1);
                break;
            case Kontrollart::kant:
                w = strek(forelder, 2);
                break;
            case Kontrollart::panel:
                w = panel(forelder, ui::qfarge(k.farge));
                break;
            case Kontrollart::merke:
                w = merke_ = new ui::Merkeflate(forelder);
                break;
        }
        w->setObjectName(QLatin1String(k.navn.data(), static_cast<qsizetype>(k.navn.size())));
        w->setGeometry(ui::twips(k.sted));
        if (k.tekst.kilde || k.art == Kontrollart::etikett) w->setFont(ui::skrift(k.skrift));
        kontroller_.emplace_back(&k, w);
    }

    dumpboks_->hide();
    diagnoseboks_->hide();
    verdi(Etikettrolle::avstand)->hide();
    verdi(Etikettrolle::avstand_ledetekst)->hide();
    merke_->resize(ui::merkestoerrelse);
    merke_->hide();
    oversatt([m = merke_] { m->setAccessibleName(ui::qtr(loestmerkenavn)); });
    taster_[Option1]->setChecked(true);

    // Every key calls its handler in the worksheet logic. The options and "Brøker" follow
    // their state however it is changed (a click, the keyboard, a screen reader's toggle); an
    // option that is switched off says nothing, so each choice sets the level once.
    for (int t = 0; t < antall_taster; ++t) {
        QAbstractButton* k = taster_.at(static_cast<std::size_t>(t));
        const auto tast = static_cast<Tast>(t);
        if (tast == Check1) {
            connect(k, &QAbstractButton::toggled, this, [this](bool paa) { trykk(Check1, paa); });
        } else if (tast == Option1 || tast == Option2 || tast == Option3) {
            connect(k, &QAbstractButton::toggled, this, [this, tast](bool paa) {
                if (!paa) return;
                valgstopp();
                trykk(tast, paa);
            });
        } else {
            connect(k, &QAbstractButton::clicked, this,
                    [this, tast](bool paa) { trykk(tast, paa); });
        }
    }

    valgstopp();

    arkliste_ = new Arkliste(arket_, flate);
    std::array<QWidget*, 5> rader{}, felter{};
    for (std::size_t k = 0; k < 5; ++k) {
        rader[k] = linjer_[k];
        felter[k] = opfelter_[k];
    }
    arkliste_->dekk(rader, felter);
    byggtabrekkefoelge();
}

void ArketVindu::byggtabrekkefoelge() {
    // The worksheet first, then the order both shells share.
    std::vector<QWidget*> rekke{arkliste_};
    for (const Kontroll* k : tabrekke())
        rekke.push_back(k->art == Kontrollart::knapp
                            ? nyoppgave_
                            : taster_.at(static_cast<std::size_t>(k->tast)));
    for (std::size_t i = 1; i < rekke.size(); ++i) setTabOrder(rekke[i - 1], rekke[i]);
    // A key the order leaves out (the scroll keys) is no stop at all.
    for (QAbstractButton* t : taster_)
        if (std::find(rekke.begin(), rekke.end(), t) == rekke.end()) t->setFocusPolicy(Qt::NoFocus);
    // The pupil starts where the first exercise is taken.
    nyoppgave_->setFocus();
}

void ArketVindu::valgstopp() {
    // Tab stops once in the group, on the type chosen; the arrow keys choose among them.
    for (Tast t : {Option1, Option2, Option3}) {
        QAbstractButton* k = taster_[t];
        k->setFocusPolicy(k->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void ArketVindu::trykk(Tast t, bool paa) {
    arket_.trykk(t, paa);
    endret();
}

void ArketVindu::oversatt(std::function<void()> sett) {
    sett();
    oversettere_.push_back(std::move(sett));
}

void ArketVindu::byggspraakmeny() {
    // Last, after the menus of the work. Each language is named in its own words, so that a
    // pupil finds their own whatever the program speaks now; one is checked at a time.
    QMenu* meny = menuBar()->addMenu(QString());
    meny->setObjectName(QStringLiteral("Spraak"));
    oversatt([meny] { meny->setTitle(ui::qtr(spraakmeny)); });
    auto* gruppe = new QActionGroup(meny);
    gruppe->setExclusive(true);
    for (const Spraakvalg& s : spraakene) {
        QAction* a = meny->addAction(
            QString::fromUtf8(s.navn.data(), static_cast<qsizetype>(s.navn.size())));
        a->setObjectName(QStringLiteral("spraak_") +
                         QString::fromLatin1(s.kode.data(), static_cast<qsizetype>(s.kode.size())));
        a->setCheckable(true);
        a->setActionGroup(gruppe);
        connect(a, &QAction::triggered, this, [this, kode = s.kode] { velgspraak(kode); });
        spraakvalg_.emplace_back(s.kode, a);
    }
    oversatt([this] {
        for (const auto& [kode, a] : spraakvalg_) a->setChecked(kode == ui::spraak().kode());
    });
}

}  // namespace balvo
