// SPDX-License-Identifier: GPL-3.0-or-later
// The menu items that open the secondary windows: one window each, brought up again when
// chosen twice; the graph's refusal when there is no equation.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt/about/omboks.h"
#include "qt/graph/grafvindu.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/egenlikning.h"

using balvo::ArketVindu;

class MenyTest : public QObject {
    Q_OBJECT

    // Answers the next modal box with OK and keeps its title and text.
    static void svar_ok(QString& tittel, QString& tekst) {
        QTimer::singleShot(0, [&tittel, &tekst] {
            if (auto* boks = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                tittel = boks->windowTitle();
                tekst = boks->text();
                boks->accept();
            }
        });
    }

private slots:
    void vinduene_aapnes_bare_en_gang() {
        ArketVindu vindu;
        vindu.egendef_Click();
        vindu.egendef_Click();
        vindu.om_Click();
        vindu.om_Click();
        QCOMPARE(vindu.findChildren<balvo::egenlikning*>().size(), 1);
        QCOMPARE(vindu.findChildren<balvo::frmOm*>().size(), 1);
        QVERIFY(vindu.findChild<balvo::egenlikning*>()->isVisible());
        QVERIFY(vindu.findChild<balvo::frmOm*>()->isVisible());
    }

    void grafen_uten_likning_gir_melding() {
        ArketVindu vindu;
        QString tittel, tekst;
        svar_ok(tittel, tekst);
        vindu.mmPapir_Click();
        QCOMPARE(tittel, QStringLiteral("Balvo 2.0"));
        QCOMPARE(tekst, QStringLiteral("Det er ingen likning å tegne"));
        QVERIFY(vindu.findChildren<balvo::mmArk*>().isEmpty());
    }

    void egen_likning_og_grafen_av_den() {
        ArketVindu vindu;
        vindu.egendef_Click();
        auto* dialog = vindu.findChild<balvo::egenlikning*>();
        dialog->koeff(0)->setText("1");
        QTest::mouseClick(dialog->findChild<QPushButton*>("OK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vindu.findChildren<balvo::egenlikning*>().isEmpty());
        QCOMPARE(vindu.arket().ark().teller[0][1], 1);
        vindu.mmPapir_Click();
        vindu.mmPapir_Click();
        QCOMPARE(vindu.findChildren<balvo::mmArk*>().size(), 1);
        // The next opening of the dialog starts from six "0" again.
        vindu.egendef_Click();
        QCOMPARE(vindu.findChild<balvo::egenlikning*>()->koeff(0)->text(), QStringLiteral("0"));
    }

    // "Rediger" after "Valg": "Angre" only where there is a step to take back, Ctrl+Z and
    // Ctrl+C from the keyboard.
    void rediger_angre() {
        ArketVindu vindu;
        vindu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vindu));
        const auto menyer = vindu.menuBar()->actions();
        QVERIFY(menyer.size() >= 2);
        QCOMPARE(menyer[0]->text(), QStringLiteral("Valg"));
        QCOMPARE(menyer[1]->text(), QStringLiteral("Rediger"));
        QStringList punkter;
        for (QAction* a : menyer[1]->menu()->actions())
            punkter << a->text() + " " + a->shortcut().toString();
        QCOMPARE(punkter, (QStringList{"Angre Ctrl+Z", "Kopier arket Ctrl+C"}));

        auto* angre = vindu.findChild<QAction*>(QStringLiteral("angre"));
        QVERIFY(!angre->isEnabled());  // before the first exercise
        QVERIFY(vindu.arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        QVERIFY(!angre->isEnabled());  // line 0
        QTest::keyClicks(&vindu, QStringLiteral("-3"));
        QVERIFY(angre->isEnabled());  // an operand being typed
        QTest::keyClick(&vindu, Qt::Key_Return);
        QCOMPARE(vindu.arket().ark().sistelinje, 1);
        QTest::keyClick(&vindu, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(vindu.arket().ark().sistelinje, 0);
        QVERIFY(!angre->isEnabled());
    }
};

QTEST_MAIN(MenyTest)
#include "meny_qtest.moc"
