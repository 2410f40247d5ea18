// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: nothing to draw, the curves where they cross and the caption that says
// where, the snapshot and scaling.
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QtTest>

#include "qt/graph/grafvindu.h"
#include "qt/ui/spraak.h"
#include "testskall.h"

using balvo::mmArk;

namespace {

// x² = 4, or 2x + 3 = 5.
balvo::Ark likning(balvo::Celle a, balvo::Celle b, balvo::Celle c, balvo::Celle f) {
    balvo::Ark ark;
    balvo::toemlinje(ark, 0);
    ark.teller[0][1] = a;
    ark.teller[0][2] = b;
    ark.teller[0][3] = c;
    ark.teller[0][6] = f;
    return ark;
}

// Whether a pixel of the colour family lies within 3 pixels of the user point (x, y).
bool farge_naer(const QImage& bilde, double x, double y, bool roed) {
    const double sx = bilde.width() / 17.0, sy = bilde.height() / 26.0;
    const int px = static_cast<int>((x + 6) * sx), py = static_cast<int>((-y + 14) * sy);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QColor c = bilde.pixelColor(px + dx, py + dy);
            const int egen = roed ? c.red() : c.blue();
            const int annen = roed ? c.blue() : c.red();
            if (egen > 90 && annen < 60 && c.green() < 60) return true;
        }
    return false;
}

}  // namespace

class GrafvinduTest : public QObject {
    Q_OBJECT
private slots:
    void kurvene_krysser_ved_loesningene_data() {
        QTest::addColumn<qlonglong>("a");
        QTest::addColumn<qlonglong>("b");
        QTest::addColumn<qlonglong>("c");
        QTest::addColumn<qlonglong>("f");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("krysning");
        const QString to = QStringLiteral("Kurvene krysser hverandre i x = −2 og x = 2");
        QTest::newRow("x² = 4 ved 2") << 1LL << 0LL << 0LL << 4LL << 2.0 << 4.0 << to;
        QTest::newRow("x² = 4 ved -2") << 1LL << 0LL << 0LL << 4LL << -2.0 << 4.0 << to;
        QTest::newRow("2x + 3 = 5 ved 1") << 0LL << 2LL << 3LL << 5LL << 1.0 << 5.0
                                          << QStringLiteral("Kurvene krysser hverandre i x = 1");
    }
    void kurvene_krysser_ved_loesningene() {
        QFETCH(qlonglong, a);
        QFETCH(qlonglong, b);
        QFETCH(qlonglong, c);
        QFETCH(qlonglong, f);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, krysning);
        const balvo::Ark ark = likning(a, b, c, f);
        balvo::test::Testskall skall;
        QPointer<mmArk> vindu;
        balvo::visgraf(ark, vindu, nullptr);
        QVERIFY(!vindu.isNull());
        QVERIFY(skall.bokser.empty());
        QCOMPARE(vindu->windowTitle(), QStringLiteral("Grafisk løsning"));
        QCOMPARE(vindu->bilde()->size(), QSize(462, 344));  // as designed, the caption under it
        QCOMPARE(vindu->krysning()->text(), krysning);
        QCOMPARE(vindu->krysning()->geometry().top(), 344);
        QCOMPARE(vindu->accessibleDescription(), krysning);
        QCOMPARE(vindu->bilde()->accessibleDescription(), krysning);
        const QImage bilde = vindu->bilde()->grab().toImage();
        QVERIFY(farge_naer(bilde, x, y, true));
        QVERIFY(farge_naer(bilde, x, y, false));
        // Mathematical y = -9 at x = 9: neither curve comes near.
        QVERIFY(!farge_naer(bilde, 9, -9, true));
        QVERIFY(!farge_naer(bilde, 9, -9, false));
        delete vindu.data();
    }

    void det_aapne_vinduet_viser_oppgaven_det_ble_aapnet_med() {
        balvo::Ark ark = likning(1, 0, 0, 4);
        balvo::test::Testskall skall;
        QPointer<mmArk> vindu;
        balvo::visgraf(ark, vindu, nullptr);
        mmArk* foerste = vindu.data();
        ark.teller[0][6] = 9;  // a new exercise while the window stays open
        balvo::visgraf(ark, vindu, nullptr);
        QCOMPARE(vindu.data(), foerste);
        QCOMPARE(vindu->oppgave().teller[5], 4);
        QVERIFY(farge_naer(vindu->bilde()->grab().toImage(), 2, 4, false));
        vindu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vindu.isNull());
        balvo::visgraf(ark, vindu, nullptr);
        QCOMPARE(vindu->oppgave().teller[5], 9);
        delete vindu.data();
    }

    void teksten_foelger_spraaket() {
        mmArk vindu(likning(1, 0, 0, 4));
        balvo::ui::spraak().bytt("en");
        QCOMPARE(vindu.krysning()->text(), QStringLiteral("The curves cross at x = −2 and x = 2"));
        QCOMPARE(vindu.accessibleDescription(), vindu.krysning()->text());
        balvo::ui::spraak().bytt("nb");
        QCOMPARE(vindu.krysning()->text(),
                 QStringLiteral("Kurvene krysser hverandre i x = −2 og x = 2"));
    }

    void bildet_skalerer_med_vinduet() {
        const balvo::Ark ark = likning(1, 0, 0, 4);
        mmArk vindu(ark);
        vindu.resize(924, 688 + vindu.krysning()->sizeHint().height());
        vindu.layout()->activate();
        const QImage bilde = vindu.bilde()->grab().toImage();
        QCOMPARE(bilde.size(), QSize(924, 688));
        QVERIFY(farge_naer(bilde, 2, 4, true));
        QVERIFY(farge_naer(bilde, -2, 4, false));
        // The x axis stays at mathematical 0: black at 14/26 of the height.
        const QColor akse = bilde.pixelColor(924 * 9 / 17 + 3, 688 * 14 / 26);
        QVERIFY(akse.red() < 60 && akse.green() < 60 && akse.blue() < 60);
    }
};

QTEST_MAIN(GrafvinduTest)
#include "grafvindu_qtest.moc"
