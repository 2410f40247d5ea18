// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing box: bars, text anchoring, fonts, and that the retained picture and its display
// list give the same pixels wherever they are replayed.
#include <QFontInfo>
#include <QPainter>
#include <QtTest>

#include "qt/ui/bildeboks.h"

using balvo::ui::Bildeboks;

namespace {

const QColor blaa(0, 0, 192);

bool erblekk(const QImage& bilde, int x, int y) {
    return bilde.pixelColor(x, y) == blaa;
}

// The ink's bounding box in device pixels: every pixel that is not white.
QRect blekkramme(const QImage& bilde) {
    QRect ramme;
    for (int y = 0; y < bilde.height(); ++y)
        for (int x = 0; x < bilde.width(); ++x)
            if (bilde.pixelColor(x, y) != QColor(Qt::white)) ramme |= QRect(x, y, 1, 1);
    return ramme;
}

}  // namespace

class BildeboksTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        boks = std::make_unique<Bildeboks>();
        boks->resize(407, 49);
        boks->settforgrunn(blaa);
    }

    void hoeydeErIPunkter() { QCOMPARE(boks->hoeyde(), 36.75); }

    void tynnBalkeErEnHelLinje_data() {
        QTest::addColumn<double>("tetthet");
        QTest::addColumn<double>("midt");
        QTest::newRow("96 dpi, midt i raden") << 1.0 << 18.375;
        QTest::newRow("96 dpi, skjev") << 1.0 << 10.1;
        QTest::newRow("96 dpi, mellom piksler") << 1.0 << 7.5;
        QTest::newRow("192 dpi, midt i raden") << 2.0 << 18.375;
        QTest::newRow("192 dpi, skjev") << 2.0 << 10.1;
        QTest::newRow("150 %") << 1.5 << 12.2;
    }
    void tynnBalkeErEnHelLinje() {
        QFETCH(double, tetthet);
        QFETCH(double, midt);
        boks->rektangel(4, midt - 0.3, 12, midt + 0.3);  // a minus sign, 0.6 pt thick
        const QImage bilde = boks->bilde(tetthet);
        // Down the middle of the bar: at least one pixel wholly in the ink colour, and the
        // coloured pixels form one unbroken run with nothing half-tone in it.
        const int x = qRound(8 * 4.0 / 3.0 * tetthet);
        int hele = 0, foerste = -1, siste = -1;
        for (int y = 0; y < bilde.height(); ++y) {
            const QColor c = bilde.pixelColor(x, y);
            if (c == QColor(Qt::white)) continue;
            QCOMPARE(c, blaa);
            ++hele;
            if (foerste < 0) foerste = y;
            siste = y;
        }
        QVERIFY(hele >= 1);
        QCOMPARE(siste - foerste + 1, hele);
        // It stays where it was asked to be: within one device pixel of the centre line.
        const double sentrum = midt * 4.0 / 3.0 * tetthet;
        QVERIFY(std::abs((foerste + siste + 1) / 2.0 - sentrum) <= 1.0);
        // The whole length is drawn, 4 to 12 points.
        const int y = foerste;
        QVERIFY(erblekk(bilde, qCeil(4 * 4.0 / 3.0 * tetthet) + 1, y));
        QVERIFY(erblekk(bilde, qFloor(12 * 4.0 / 3.0 * tetthet) - 1, y));
        QVERIFY(!erblekk(bilde, qFloor(4 * 4.0 / 3.0 * tetthet) - 1, y));
    }

    void smalVertikalBalkeVises() {
        boks->rektangel(7.625, 14, 8.375, 22);  // the upright of a plus sign, 0.75 pt wide
        const QImage bilde = boks->bilde(1.0);
        int hele = 0;
        for (int x = 0; x < bilde.width(); ++x) hele += erblekk(bilde, x, 24) ? 1 : 0;
        QVERIFY(hele >= 1);
    }

    void tekstStaarMedHjoernetIPunktet_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("venstre kant") << 0.0 << 6.0;
        QTest::newRow("inne i boksen") << 30.0 << 3.0;
        QTest::newRow("heltall ved midten") << 99.0 << 18.375 - 12;
    }
    void tekstStaarMedHjoernetIPunktet() {
        QFETCH(double, x);
        QFETCH(double, y);
        boks->settfontnavn("Times New Roman");
        boks->settstoerrelse(20);
        boks->skriv(x, y, "H");
        const QRect blekk = blekkramme(boks->skjermbilde());
        const double px = x * 4.0 / 3.0, py = y * 4.0 / 3.0;
        // The ink of a capital starts a little inside the cell, never before its corner.
        QVERIFY2(blekk.left() >= qFloor(px) && blekk.left() <= px + 3,
                 qPrintable(QString::number(blekk.left())));
        QVERIFY2(blekk.top() >= qFloor(py) && blekk.top() <= py + 20 * 4.0 / 3.0 * 0.35,
                 qPrintable(QString::number(blekk.top())));
        // and ends within the measured width.
        QVERIFY(blekk.right() <= px + boks->tekstbredde("H") * 4.0 / 3.0 + 1);
    }

    void sammeTallGirSammeBilde() {
        boks->settfontnavn("Times New Roman");
        boks->settstoerrelse(20);
        boks->skriv(10, 6, "x");
        const QRect a = blekkramme(boks->skjermbilde());
        boks->toem();
        boks->skriv(13, 12, "x");  // 3 and 6 points further: 4 and 8 pixels
        const QRect b = blekkramme(boks->skjermbilde());
        QCOMPARE(b.topLeft() - a.topLeft(), QPoint(4, 8));
        QCOMPARE(b.size(), a.size());
    }

    void breddeMaalesIGjeldendeSkrift() {
        boks->settfontnavn("Times New Roman");
        boks->settstoerrelse(20);
        const double tjue = boks->tekstbredde("Legg til");
        boks->settstoerrelse(10);
        const double ti = boks->tekstbredde("Legg til");
        QVERIFY(tjue > 40 && tjue < 90);
        QVERIFY(std::abs(tjue - 2 * ti) < 0.5);  // unhinted: widths scale with the size
        boks->settkursiv(true);
        QVERIFY(boks->tekstbredde("x") > 0);
        // What is drawn ends where the measured width says.
        boks->settkursiv(false);
        boks->settstoerrelse(20);
        boks->skriv(0, 0, "Legg til");
        const QRect blekk = blekkramme(boks->skjermbilde());
        QVERIFY(std::abs(blekk.right() + 1 - tjue * 4.0 / 3.0) <= 3);
    }

    void fonterFaarDebiansErstatning_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("vist");
        QTest::newRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
    }
    void fonterFaarDebiansErstatning() {
        QFETCH(QString, navn);
        QFETCH(QString, vist);
        QFont font;
        font.setFamilies(balvo::ui::fontfamilier(navn));
        QCOMPARE(font.families().first(), navn);
        QCOMPARE(QFontInfo(font).family(), vist);
    }

    void tegningenOverleverOmtegning() {
        boks->rektangel(4, 18.075, 12, 18.675);
        boks->show();
        QVERIFY(QTest::qWaitForWindowExposed(boks.get()));
        const QImage foer = boks->grab().toImage();
        boks->repaint();
        boks->hide();
        boks->show();
        const QImage etter = boks->grab().toImage();
        QCOMPARE(etter, foer);
        QVERIFY(erblekk(etter.convertToFormat(QImage::Format_ARGB32), 10, 24));
        // A new size redraws the picture from the list.
        boks->resize(300, 49);
        QVERIFY(erblekk(boks->skjermbilde(), 10, 24));
    }

    void listenSpillesLiktAvPaaAnnetBilde() {
        boks->settfontnavn("Times New Roman");
        boks->settstoerrelse(16);
        boks->skriv(4, 2.375, "3");
        boks->rektangel(5, 18.075, 11, 18.675);
        boks->settkursiv(true);
        boks->settstoerrelse(20);
        boks->skriv(12, 5.775, "x");
        boks->strek(30, 10, 36, 30);
        QCOMPARE(boks->antall_operasjoner(), std::size_t{4});
        QImage skjerm = boks->skjermbilde().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(boks->bilde(1.0), skjerm);
        // Replayed onto a painter of another image, twice over: the same pixels.
        QImage annet(boks->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter maler(&annet);
        maler.scale(4.0 / 3.0, 4.0 / 3.0);
        boks->tegn(maler);
        maler.end();
        QCOMPARE(annet, skjerm);
        QCOMPARE(boks->bilde(2.0), boks->bilde(2.0));
    }

    void toemSletterAlt() {
        boks->rektangel(4, 18, 12, 19);
        boks->toem();
        QCOMPARE(boks->antall_operasjoner(), std::size_t{0});
        QVERIFY(blekkramme(boks->skjermbilde()).isNull());
        QVERIFY(blekkramme(boks->bilde(2.0)).isNull());
    }

private:
    std::unique_ptr<Bildeboks> boks;
};

QTEST_MAIN(BildeboksTest)
#include "bildeboks_qtest.moc"
