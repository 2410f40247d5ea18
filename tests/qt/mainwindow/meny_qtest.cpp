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
#include <set>

#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/zoom.h"
#include "qt/about/omboks.h"
#include "qt/graph/grafvindu.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/mainwindow/tastatur.h"
#include "qt/ui/felles.h"
#include "qt/ui/spraak.h"

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

    static QString qnavn(std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    }

private slots:
    // Every item of every menu of the core's tables stands in its menu, in its order, with its
    // caption and shortcut, usable exactly when the worksheet and the zoom say so; before and
    // during an exercise.
    void hvert_punkt_i_kjernens_menyer() {
        ArketVindu vindu;
        for (int runde = 0; runde < 2; ++runde) {
            if (runde == 1) QVERIFY(vindu.arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
            for (const balvo::Meny& m : balvo::menyene()) {
                auto* meny = vindu.menuBar()->findChild<QMenu*>(qnavn(m.navn));
                QVERIFY2(meny, m.navn.data());
                QCOMPARE(meny->title(), balvo::ui::qtr(m.tittel));
                QStringList ventet, fant;
                for (const balvo::Menypunkt& p : m.punkter) ventet << qnavn(p.navn);
                for (QAction* a : meny->actions()) fant << a->objectName();
                QCOMPARE(fant, ventet);
                for (const balvo::Menypunkt& p : m.punkter) {
                    if (p.handling == balvo::Menyhandling::skille) continue;
                    QAction* a = vindu.menypunkt(p.handling);
                    QVERIFY(a && a->parent() == meny);
                    QCOMPARE(a->text(), balvo::ui::qtr(p.tekst));
                    QCOMPARE(a->isCheckable(), p.avkrysbar);
                    QCOMPARE(a->shortcuts(), balvo::snarveier(p));
                    QCOMPARE(a->isEnabled(),
                             vindu.arket().brukbar(p.handling) &&
                                 balvo::zoom_brukbar(p.handling, vindu.zoom(), vindu.fyller()));
                }
            }
        }
    }

    // Every row of the key map is reached by a key of the desktop's keyboard.
    void hver_rad_i_tastekartet_naas() {
        std::set<balvo::Tastenavn> naadd;
        for (int k = Qt::Key_Space; k <= Qt::Key_Z; ++k) naadd.insert(balvo::tastenavn(k));
        for (int k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace,
                      Qt::Key_Delete, Qt::Key_PageUp, Qt::Key_PageDown})
            naadd.insert(balvo::tastenavn(k));
        for (const balvo::Tastevalg& v : balvo::tastevalg())
            QVERIFY2(v.tegn != 0 || naadd.count(v.tast), balvo::bokstav(v.tast) ? "letter" : "key");
    }

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
