// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/meldingsboks.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "core/mainwindow/meldinger.h"

namespace balvo::ui {

std::unique_ptr<QMessageBox> lagmeldingsboks(QWidget* eier, const QString& tittel,
                                             const QString& tekst, Knapper knapper) {
    auto boks = std::make_unique<QMessageBox>(eier);
    boks->setIcon(QMessageBox::NoIcon);
    boks->setWindowTitle(tittel.isEmpty() ? QString::fromUtf8(programnavn) : tittel);
    // Plain text keeps the line breaks and never reads the pupil's digits as markup.
    boks->setTextFormat(Qt::PlainText);
    boks->setText(tekst);
    if (knapper == Knapper::ok) {
        boks->setDefaultButton(boks->addButton(qtr(knapp_ok), QMessageBox::AcceptRole));
    } else {
        QPushButton* ja = boks->addButton(qtr(knapp_ja), QMessageBox::YesRole);
        QPushButton* nei = boks->addButton(qtr(knapp_nei), QMessageBox::NoRole);
        boks->setDefaultButton(ja);
        boks->setEscapeButton(nei);
    }
    return boks;
}

namespace {

// Shows the box; the window it came from has the keyboard again afterwards, also where no window
// manager hands it back, so that the pupil's keys and a screen reader go on where they were.
void vis(QMessageBox& boks) {
    const QPointer<QWidget> vindu = QApplication::activeWindow();
    boks.exec();
    if (vindu && vindu->isVisible() && !vindu->isActiveWindow()) vindu->activateWindow();
}

}  // namespace

void meldingsboks(QWidget* eier, const QString& tittel, const QString& tekst) {
    vis(*lagmeldingsboks(eier, tittel, tekst, Knapper::ok));
}

bool spoersmaalsboks(QWidget* eier, const QString& tittel, const QString& tekst) {
    auto boks = lagmeldingsboks(eier, tittel, tekst, Knapper::ja_nei);
    vis(*boks);
    return boks->buttonRole(boks->clickedButton()) == QMessageBox::YesRole;
}

}  // namespace balvo::ui
