// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: captions word for word, the paragraphs, positions, OK.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "qt/about/omboks.h"
#include "qt/ui/ikon.h"

using balvo::frmOm;

class OmboksTest : public QObject {
    Q_OBJECT
private slots:
    void tekster_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Versjon 2.03.0";
        QTest::newRow("lblDisclaimer") << "lblDisclaimer"
                                       << "\"Advarsel:\"";
        QTest::newRow("Label2") << "Label2"
                                << "Det er nokså meningsløst å kunne løse likninger uten å kunne "
                                   "lage dem selv når det trengs.";
        QTest::newRow("Formaal") << "Formaal"
                                 << "Programmets pedagogiske idé går ut på å utnytte data-\n"
                                    "maskinas mulighet til enkelt å skille ut det taktiske som\n"
                                    "eget øvelsesmoment når det gjelder å løse oppstilte\n"
                                    "likninger.\n"
                                    "\n"
                                    "Programmet utfører lydig utregningene som følger av de\n"
                                    "valg eleven gjør enten de fører mot målet eller ikke. Dit\n"
                                    "er det dessuten mange veier, og dét er jo i seg selv et\n"
                                    "viktig pedagogisk poeng...";
    }
    void tekster() {
        QFETCH(QString, navn);
        QFETCH(QString, tekst);
        frmOm om;
        auto* l = om.findChild<QLabel*>(navn);
        QVERIFY(l);
        QCOMPARE(l->text(), tekst);
    }

    void innledningen_har_fire_linjer() {
        frmOm om;
        const QString t = om.findChild<QLabel*>("Innledning")->text();
        const QStringList linjer = t.split('\n');
        QCOMPARE(linjer.size(), 4);
        for (const QString& l : linjer) QVERIFY(!l.trimmed().isEmpty());
        QVERIFY(!om.findChild<QLabel*>("Label1")->text().isEmpty());
        QVERIFY(!om.findChild<QLabel*>("Label1")->text().contains('\n'));
    }

    void plasser_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QRect>("plass");
        QTest::newRow("picIcon") << "picIcon" << QRect(14, 18, 40, 37);
        QTest::newRow("Innledning") << "Innledning" << QRect(70, 16, 259, 56);
        QTest::newRow("Label1") << "Label1" << QRect(70, 74, 259, 19);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 104, 259, 15);
        QTest::newRow("Formaal") << "Formaal" << QRect(70, 131, 259, 124);
        QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(10, 273, 53, 13);
        QTest::newRow("Label2") << "Label2" << QRect(70, 274, 207, 43);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(284, 294, 66, 23);
    }
    void plasser() {
        QFETCH(QString, navn);
        QFETCH(QRect, plass);
        frmOm om;
        auto* w = om.findChild<QWidget*>(navn);
        QVERIFY(w);
        QCOMPARE(w->geometry(), plass);
    }

    void vinduet_og_ok() {
        QPointer<frmOm> om = new frmOm;
        QCOMPARE(om->windowTitle(), QStringLiteral("Om Balvo 2.0"));
        QCOMPARE(om->size(), QSize(365, 323));
        QCOMPARE(om->minimumSize(), om->maximumSize());
        QVERIFY(!om->isModal());
        om->show();
        QTest::mouseClick(om->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(om.isNull());
    }

    void den_etsede_streken() {
        frmOm om;
        const QImage bilde = om.grab().toImage();
        QCOMPARE(bilde.pixelColor(200, 261), QColor(0x80, 0x80, 0x80));
        QCOMPARE(bilde.pixelColor(200, 262), QColor(Qt::white));
        QCOMPARE(bilde.pixelColor(200, 263), QColor(Qt::white));
    }

    void bildet_er_skarpt_i_begge_tettheter() {
        const QPixmap en = balvo::balvobilde(1.0);
        const QPixmap to = balvo::balvobilde(2.0);
        QCOMPARE(en.size(), QSize(40, 37));
        QCOMPARE(to.size(), QSize(80, 74));
        QCOMPARE(to.deviceIndependentSize(), QSizeF(40, 37));
        QVERIFY(!balvo::balvoikon().isNull());
    }
};

QTEST_MAIN(OmboksTest)
#include "omboks_qtest.moc"
