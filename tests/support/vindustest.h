// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window opened for a widget test (a fixed size, shown, on screen), with the ways
// the tests reach its controls by name, read them and click them as a pupil could.
#include <QAbstractButton>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/bildeboks.h"

class Vindustest : public QObject {
protected:
    // False when the window could not be shown.
    bool aapne() {
        vindu = std::make_unique<balvo::ArketVindu>();
        vindu->resize(1000, 700);
        vindu->show();
        return QTest::qWaitForWindowExposed(vindu.get());
    }

    QWidget* finn(const QString& navn) const {
        auto* w = vindu->findChild<QWidget*>(navn);
        if (!w) qFatal("no control %s", qPrintable(navn));
        return w;
    }
    QAbstractButton* knapp(const QString& navn) const {
        return qobject_cast<QAbstractButton*>(finn(navn));
    }
    balvo::ui::Bildeboks* boks(const QString& navn) const {
        return qobject_cast<balvo::ui::Bildeboks*>(finn(navn));
    }
    QString tekst(const QString& navn) const { return qobject_cast<QLabel*>(finn(navn))->text(); }

    // A click the pupil could make: the key is enabled.
    void klikk(const QString& navn) {
        QAbstractButton* k = knapp(navn);
        QVERIFY2(k->isEnabled(), qPrintable(navn));
        QTest::mouseClick(k, Qt::LeftButton);
    }

    std::unique_ptr<balvo::ArketVindu> vindu;
};
