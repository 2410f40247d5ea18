// SPDX-License-Identifier: GPL-3.0-or-later
// The menus. "Valg": own equation, graph, printing, saving and the About box; "Rediger":
// undo; "Hjelp": the coach's hint and worked solution; "Vis": the zoom; "Økt": the lesson
// record and the class overview; "Språk": the language.
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "core/mainwindow/tastekart.h"
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
                    [this, h = p.handling] { menyvalg(arket_, *this, h); });
        }
    }
    byggvismeny();
    byggspraakmeny();
    vismenypunkter();
}

void ArketVindu::vismenypunkter() {
    // What may be chosen now is the worksheet's word, and the zoom's for the menu "Vis".
    for (int i = 0; i < antall_menyhandlinger; ++i) {
        const auto h = static_cast<Menyhandling>(i);
        if (QAction* a = menypunkter_[static_cast<std::size_t>(i)])
            a->setEnabled(menybrukbar(arket_, *this, h));
    }
    if (QAction* a = menypunkt(Menyhandling::avstand)) a->setChecked(arket_.avstand());
    if (QAction* a = menypunkt(Menyhandling::regnselv)) a->setChecked(arket_.regnselv());
    if (QAction* a = menypunkt(Menyhandling::fyll)) a->setChecked(fyll_);
}

void ArketVindu::velgspraak(std::string_view kode) {
    // What the window speaks now is what is remembered: Bokmål if the translation failed.
    ui::huskspraak(*ui::innstillinger(), ui::spraak().bytt(kode));
}

void ArketVindu::egendef_Click() {
    menyvalg(arket_, *this, Menyhandling::egen_likning);
}

void ArketVindu::mmPapir_Click() {
    menyvalg(arket_, *this, Menyhandling::graf);
}

void ArketVindu::Utskrift_Click() {
    menyvalg(arket_, *this, Menyhandling::utskrift);
}

void ArketVindu::Lagre_Click() {
    menyvalg(arket_, *this, Menyhandling::lagre);
}

void ArketVindu::om_Click() {
    menyvalg(arket_, *this, Menyhandling::om);
}

void ArketVindu::angre_Click() {
    menyvalg(arket_, *this, Menyhandling::angre);
}

void ArketVindu::Tips_Click() {
    menyvalg(arket_, *this, Menyhandling::tips);
}

void ArketVindu::Loesningsforslag_Click() {
    menyvalg(arket_, *this, Menyhandling::loesningsforslag);
}

void ArketVindu::Lagreoekt_Click() {
    menyvalg(arket_, *this, Menyhandling::lagre_oekt);
}

void ArketVindu::Skrivutoekt_Click() {
    menyvalg(arket_, *this, Menyhandling::skriv_ut_oekt);
}

void ArketVindu::Klasseoversikt_Click() {
    menyvalg(arket_, *this, Menyhandling::klasseoversikt);
}

void ArketVindu::visegenlikning() {
    if (!egenlikning_) {
        egenlikning_ = new egenlikning(arket_, *this, this);
        egenlikning_->installEventFilter(this);
    }
    fremme(egenlikning_);
}

void ArketVindu::visgrafen() {
    visgraf(arket_.ark(), graf_, this);
}

void ArketVindu::skrivutarket() {
    skrivut(hovedvindu());
}

void ArketVindu::lagrearket() {
    lagresom(hovedvindu());
}

void ArketVindu::visom() {
    if (!om_) om_ = new frmOm(this);
    fremme(om_);
}

void ArketVindu::visangret() {
    endret();
}

void ArketVindu::kopierarket() {
    kopierark(*this);
}

void ArketVindu::huskhjelpvalg(Menyhandling handling, bool paa) {
    // Start-up remembers them for the next run.
    if (handling == Menyhandling::avstand) emit avstand_valgt(paa);
    if (handling == Menyhandling::regnselv) emit regnselv_valgt(paa);
}

void ArketVindu::lagreoekta() {
    lagreoekt(hovedvindu());
}

void ArketVindu::skrivutoekta() {
    skrivutoekt(hovedvindu());
}

void ArketVindu::visklasseoversikt() {
    aapneklasseoversikt(*this, *this);
}

}  // namespace balvo
