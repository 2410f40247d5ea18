// SPDX-License-Identifier: GPL-3.0-or-later
// The menus. "Valg": own equation, graph, printing, saving and the About box; "Rediger":
// undo; "Hjelp": the coach's hint and worked solution; "Vis": the zoom; "Økt": the lesson
// record and the class overview; "Språk": the language.
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/zoom.h"
#include "qt/about/omboks.h"
#include "qt/document/eksport.h"
#include "qt/graph/grafvindu.h"
#include "qt/lessonfile/klassevindu.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/mainwindow/tastatur.h"
#include "qt/ui/felles.h"
#include "qt/ui/spraak.h"

namespace balvo {

namespace {

void fremme(QWidget* vindu) {
    vindu->show();
    vindu->raise();
    vindu->activateWindow();
}

}  // namespace

void ArketVindu::byggmeny() {
    // Every menu of the core's tables in their order, each item dispatched by its action.
    for (const Meny& m : menyene()) {
        QMenu* meny = menuBar()->addMenu(QString());
        meny->setObjectName(
            QString::fromLatin1(m.navn.data(), static_cast<qsizetype>(m.navn.size())));
        oversatt([meny, t = m.tittel] { meny->setTitle(ui::qtr(t)); });
        for (const Menypunkt& p : m.punkter) {
            const QString navn =
                QString::fromLatin1(p.navn.data(), static_cast<qsizetype>(p.navn.size()));
            if (p.handling == Menyhandling::skille) {
                meny->addSeparator()->setObjectName(navn);
                continue;
            }
            QAction* a = meny->addAction(QString());
            a->setObjectName(navn);
            a->setCheckable(p.avkrysbar);
            oversatt([a, t = p.tekst] { a->setText(ui::qtr(t)); });
            menypunkter_[static_cast<std::size_t>(p.handling)] = a;
            connect(a, &QAction::triggered, this,
                    [this, h = p.handling](bool paa) { menyvalg(h, paa); });
        }
    }
    byggvismeny();
    byggspraakmeny();
    vismenypunkter();
}

void ArketVindu::menyvalg(Menyhandling handling, bool paa) {
    switch (handling) {
        case Menyhandling::skille:
            return;
        case Menyhandling::egen_likning:
            return egendef_Click();
        case Menyhandling::graf:
            return mmPapir_Click();
        case Menyhandling::utskrift:
            return Utskrift_Click();
        case Menyhandling::lagre:
            return Lagre_Click();
        case Menyhandling::om:
            return om_Click();
        case Menyhandling::angre:
            return angre_Click();
        case Menyhandling::kopier:
            return kopierark(*this);
        case Menyhandling::tips:
            return Tips_Click();
        case Menyhandling::loesningsforslag:
            return Loesningsforslag_Click();
        case Menyhandling::avstand:
            settavstand(paa);
            emit avstand_valgt(paa);
            return;
        case Menyhandling::regnselv:
            settregnselv(paa);
            emit regnselv_valgt(paa);
            return;
        case Menyhandling::stoerre:
            return Stoerre_Click();
        case Menyhandling::mindre:
            return Mindre_Click();
        case Menyhandling::vanlig:
            return Vanlig_Click();
        case Menyhandling::fyll:
            return Fyll_Click(paa);
        case Menyhandling::lagre_oekt:
            return Lagreoekt_Click();
        case Menyhandling::skriv_ut_oekt:
            return Skrivutoekt_Click();
        case Menyhandling::klasseoversikt:
            return Klasseoversikt_Click();
    }
}

void ArketVindu::vismenypunkter() {
    // What may be chosen now is the worksheet's word, and the zoom's for the menu "Vis".
    for (int i = 0; i < antall_menyhandlinger; ++i) {
        const auto h = static_cast<Menyhandling>(i);
        if (QAction* a = menypunkter_[static_cast<std::size_t>(i)])
            a->setEnabled(arket_.brukbar(h) && zoom_brukbar(h, zoom_, fyll_));
    }
    if (QAction* a = menypunkt(Menyhandling::avstand)) a->setChecked(arket_.avstand());
    if (QAction* a = menypunkt(Menyhandling::regnselv)) a->setChecked(arket_.regnselv());
    if (QAction* a = menypunkt(Menyhandling::fyll)) a->setChecked(fyll_);
}

void ArketVindu::velgspraak(std::string_view kode) {
    // What the window speaks now is what is remembered: Bokmål if the translation failed.
    ui::huskspraak(*ui::innstillinger(), ui::spraak().bytt(kode));
}

void ArketVindu::angre_Click() {
    arket_.angre();
    endret();
}

void ArketVindu::Tips_Click() {
    arket_.Tips_Click();
}

void ArketVindu::Loesningsforslag_Click() {
    arket_.Loesningsforslag_Click();
}

void ArketVindu::egendef_Click() {
    if (!egenlikning_) {
        egenlikning_ = new egenlikning(arket_, *this, this);
        egenlikning_->installEventFilter(this);
    }
    fremme(egenlikning_);
}

void ArketVindu::mmPapir_Click() {
    if (arket_.tillat(Menyhandling::graf)) visgraf(arket_.ark(), graf_, this);
}

void ArketVindu::Utskrift_Click() {
    skrivut(hovedvindu());
}

void ArketVindu::Lagre_Click() {
    lagresom(hovedvindu());
}

void ArketVindu::Lagreoekt_Click() {
    lagreoekt(hovedvindu());
}

void ArketVindu::Skrivutoekt_Click() {
    skrivutoekt(hovedvindu());
}

void ArketVindu::Klasseoversikt_Click() {
    aapneklasseoversikt(*this, *this);
}

void ArketVindu::om_Click() {
    if (!om_) om_ = new frmOm(this);
    fremme(om_);
}

}  // namespace balvo
