// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Skriv egen likning" on a real worksheet with a test shell.
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "core/mainwindow/arket.h"
#include "qt/mainwindow/egenlikning.h"
#include "testskall.h"

using balvo::egenlikning;

class EgenlikningTest : public QObject {
    Q_OBJECT

    struct Oppsett {
        balvo::test::Testskall skall;
        balvo::test::Testtilfeldig tilfeldig;
        balvo::Arket arket{skall, tilfeldig};
        QPointer<egenlikning> dialog;
        Oppsett() {
            arket.Form_Load();
            dialog = new egenlikning(arket, skall);
            dialog->show();
            dialog->activateWindow();
        }
        ~Oppsett() { delete dialog.data(); }
        void skriv(const QStringList& tekster) {
            for (int k = 0; k < 6; ++k) dialog->koeff(k)->setText(tekster[k]);
        }
        void klikk(const char* knapp) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(knapp)),
                              Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };

private slots:
    void geometri_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QRect>("plass");
        QTest::newRow("koeff_0") << "koeff_0" << QRect(12, 34, 45, 21);
        QTest::newRow("koeff_1") << "koeff_1" << QRect(96, 34, 45, 21);
        QTest::newRow("koeff_2") << "koeff_2" << QRect(172, 32, 45, 23);
        QTest::newRow("koeff_3") << "koeff_3" << QRect(246, 32, 49, 23);
        QTest::newRow("koeff_4") << "koeff_4" << QRect(334, 32, 45, 23);
        QTest::newRow("koeff_5") << "koeff_5" << QRect(408, 32, 47, 23);
        QTest::newRow("Shape1") << "Shape1" << QRect(8, 26, 53, 35);
        QTest::newRow("Shape4") << "Shape4" << QRect(242, 26, 57, 35);
        QTest::newRow("Shape6") << "Shape6" << QRect(405, 26, 53, 35);
        QTest::newRow("Picture1") << "Picture1" << QRect(62, 20, 27, 38);
        QTest::newRow("Picture3") << "Picture3" << QRect(220, 22, 18, 38);
        QTest::newRow("Picture5") << "Picture5" << QRect(384, 18, 19, 39);
        QTest::newRow("Glem") << "Glem" << QRect(330, 84, 77, 29);
        QTest::newRow("OK") << "OK" << QRect(412, 84, 43, 29);
    }
    void geometri() {
        QFETCH(QString, navn);
        QFETCH(QRect, plass);
        Oppsett o;
        auto* w = o.dialog->findChild<QWidget*>(navn);
        QVERIFY(w);
        QCOMPARE(w->geometry(), plass);
    }

    void vinduet() {
        Oppsett o;
        QCOMPARE(o.dialog->windowTitle(), QStringLiteral("Skriv egen likning"));
        QCOMPARE(o.dialog->size(), QSize(485, 123));
        QCOMPARE(o.dialog->minimumSize(), o.dialog->maximumSize());
        QVERIFY(!o.dialog->isModal());
        QCOMPARE(o.dialog->findChild<QPushButton*>("Glem")->text(), QStringLiteral("Glem det"));
        QCOMPARE(o.dialog->findChild<QPushButton*>("OK")->font().pointSizeF(), 12.0);
        for (int k = 0; k < 6; ++k) QCOMPARE(o.dialog->koeff(k)->text(), QStringLiteral("0"));
    }

    void ok_skriver_linje_0_og_lukker() {
        Oppsett o;
        o.skriv({"3", "-3/4", "6/8", "0", "1", " 5 "});
        o.klikk("OK");
        QVERIFY(o.dialog.isNull());
        const auto& a = o.arket.ark();
        QCOMPARE(a.teller[0][1], 3);
        QCOMPARE(a.teller[0][2], -3);
        QCOMPARE(a.nevner[0][2], 4);
        QCOMPARE(a.teller[0][3], 6);
        QCOMPARE(a.nevner[0][3], 8);
        QCOMPARE(a.teller[0][5], 1);
        QCOMPARE(a.teller[0][6], 5);
        QVERIFY(o.arket.har_oppgave());
        QVERIFY(o.skall.bokser.empty());
    }

    void ok_med_seks_nuller_gir_0_er_0() {
        Oppsett o;
        o.klikk("OK");
        QVERIFY(o.dialog.isNull());
        QCOMPARE(o.skall.linjer[0].tekster(), std::string("0 0"));
        QVERIFY(o.skall.taster.test(balvo::opr0));
        QVERIFY(!o.skall.taster.test(balvo::Utfoer));
    }

    void avslag_holder_dialogen_aapen_med_boksen_merket() {
        Oppsett o;
        QVERIFY(QTest::qWaitForWindowActive(o.dialog));
        o.skriv({"1", "2", "3", "4", "1.5", "6"});
        o.klikk("OK");
        QVERIFY(!o.dialog.isNull());
        QVERIFY(o.dialog->isVisible());
        QCOMPARE(o.skall.bokser.size(), std::size_t{1});
        QCOMPARE(o.skall.bokser[0].tittel, std::string("Påtale"));
        QCOMPARE(o.skall.bokser[0].tekst,
                 std::string("Feil i ruta for x på høyre side:\n«1.5» er ikke et helt tall eller "
                             "en brøk.\nSkriv for eksempel 3, -2 eller -3/4."));
        QCOMPARE(o.dialog->focusWidget(), o.dialog->koeff(4));
        QCOMPARE(o.dialog->koeff(4)->selectedText(), QStringLiteral("1.5"));
        QVERIFY(!o.arket.har_oppgave());
        // The pupil mends the box and tries again.
        o.dialog->koeff(4)->setText("3/2");
        o.klikk("OK");
        QVERIFY(o.dialog.isNull());
        QCOMPARE(o.arket.ark().nevner[0][5], 2);
    }

    void glem_det_endrer_ingenting() {
        Oppsett o;
        o.skriv({"0", "2", "3", "0", "0", "5"});
        o.klikk("OK");
        o.dialog = new egenlikning(o.arket, o.skall);
        o.dialog->show();
        for (int k = 0; k < 6; ++k) QCOMPARE(o.dialog->koeff(k)->text(), QStringLiteral("0"));
        const auto teller = o.arket.ark().teller;
        const auto toemt = o.skall.linjer[0].antall_toemminger();
        const auto taster = o.skall.taster;
        o.skriv({"9", "9", "9", "9", "9", "9"});
        o.klikk("Glem");
        QVERIFY(o.dialog.isNull());
        QVERIFY(o.arket.ark().teller == teller);
        QCOMPARE(o.skall.linjer[0].antall_toemminger(), toemt);
        QCOMPARE(o.skall.taster, taster);
        QCOMPARE(o.arket.poeng(), 0);
    }
};

QTEST_MAIN(EgenlikningTest)
#include "egenlikning_qtest.moc"
