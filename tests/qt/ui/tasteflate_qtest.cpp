// SPDX-License-Identifier: GPL-3.0-or-later
// Key faces and the solved marker are pictures drawn in code when they are painted: at any
// density and zoom, on the key as an icon would sit, grey on a key that is not usable.
#include <QPainter>
#include <QtTest>

#include "qt/ui/tasteflate.h"

using balvo::ui::Tastebilde;

namespace {

int moerkePiksler(const QImage& bilde) {
    int n = 0;
    for (int y = 0; y < bilde.height(); ++y)
        for (int x = 0; x < bilde.width(); ++x) n += qAlpha(bilde.pixel(x, y)) > 128 ? 1 : 0;
    return n;
}

// A face drawn as the key draws it, onto a transparent picture of the given density.
QImage flate(Tastebilde bilde, int siffer, qreal tetthet) {
    QImage ut(balvo::ui::flatestoerrelse(bilde) * tetthet, QImage::Format_ARGB32_Premultiplied);
    ut.setDevicePixelRatio(tetthet);
    ut.fill(Qt::transparent);
    QPainter maler(&ut);
    balvo::ui::tegnflate(maler, bilde, siffer);
    return ut;
}

// The pixels of a key's picture that are much darker than its button: the face's ink.
QRect blekk(const QImage& bilde, int grense) {
    QRect felt;
    for (int y = 0; y < bilde.height(); ++y)
        for (int x = 0; x < bilde.width(); ++x)
            if (qGray(bilde.pixel(x, y)) < grense) felt |= QRect(x, y, 1, 1);
    return felt;
}

}  // namespace

class TasteflateTest : public QObject {
    Q_OBJECT
private slots:
    void hverFlateErEtBilde_data() {
        QTest::addColumn<int>("bilde");
        QTest::addColumn<int>("siffer");
        QTest::addColumn<QSize>("stoerrelse");
        const QSize vanlig(16, 16);
        const std::pair<const char*, Tastebilde> flater[] = {{"pluss", Tastebilde::pluss},
                                                             {"minus", Tastebilde::minus},
                                                             {"prikk", Tastebilde::prikk},
                                                             {"kolon", Tastebilde::kolon},
                                                             {"rot", Tastebilde::rot},
                                                             {"kvadrat", Tastebilde::kvadrat},
                                                             {"plussminus", Tastebilde::plussminus},
                                                             {"bytt", Tastebilde::bytt},
                                                             {"negativ", Tastebilde::negativ},
                                                             {"broek", Tastebilde::broek},
                                                             {"stryk", Tastebilde::stryk},
                                                             {"x", Tastebilde::x},
                                                             {"x2", Tastebilde::x2}};
        for (const auto& [navn, b] : flater) QTest::newRow(navn) << int(b) << 0 << vanlig;
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(QString("siffer %1").arg(i)))
                << int(Tastebilde::siffer) << i << vanlig;
        QTest::newRow("utfoer") << int(Tastebilde::utfoer) << 0 << QSize(43, 16);
        QTest::newRow("opp") << int(Tastebilde::opp) << 0 << QSize(9, 6);
        QTest::newRow("ned") << int(Tastebilde::ned) << 0 << QSize(9, 6);
    }
    void hverFlateErEtBilde() {
        QFETCH(int, bilde);
        QFETCH(int, siffer);
        QFETCH(QSize, stoerrelse);
        QCOMPARE(balvo::ui::flatestoerrelse(Tastebilde(bilde)), stoerrelse);
        for (const qreal tetthet : {1.0, 2.0, 3.5}) {
            const QImage b = flate(Tastebilde(bilde), siffer, tetthet);
            QVERIFY(moerkePiksler(b) >= 3 * tetthet * tetthet);
        }
    }

    void sifreneErForskjellige() {
        QSet<QByteArray> sett;
        for (int i = 0; i < 10; ++i) {
            const QImage b = flate(Tastebilde::siffer, i, 2.0);
            sett.insert(QByteArray(reinterpret_cast<const char*>(b.constBits()), b.sizeInBytes()));
        }
        QCOMPARE(sett.size(), 10);
    }

    // A key's face grows with the zoom about the key's middle, drawn at the size it is shown:
    // at 300 % its ink spans three times its width and height at 100 %, within a pixel or
    // two of the rounding, and stays centred on the key.
    void flatenFoelgerZoomen_data() {
        QTest::addColumn<int>("bilde");
        QTest::addColumn<QSize>("tast");
        QTest::newRow("x2") << int(Tastebilde::x2) << QSize(25, 25);
        QTest::newRow("bytt") << int(Tastebilde::bytt) << QSize(25, 25);
        QTest::newRow("utfoer") << int(Tastebilde::utfoer) << QSize(51, 25);
        QTest::newRow("opp") << int(Tastebilde::opp) << QSize(19, 19);
    }
    void flatenFoelgerZoomen() {
        QFETCH(int, bilde);
        QFETCH(QSize, tast);
        QRect ved[2];
        QSize stoerrelse[2];
        const double zoomer[] = {1, 3};
        for (int i = 0; i < 2; ++i) {
            balvo::ui::Tasteknapp knapp(nullptr, Tastebilde(bilde), 0);
            knapp.resize(tast * zoomer[i]);
            knapp.settzoom(zoomer[i]);
            ved[i] = blekk(knapp.grab().toImage(), 110);
            stoerrelse[i] = knapp.size();
            QVERIFY(!ved[i].isEmpty());
            QVERIFY(knapp.rect().contains(ved[i]));
        }
        QVERIFY2(std::abs(ved[1].width() - 3 * ved[0].width()) <= 3,
                 qPrintable(QString("%1 %2").arg(ved[0].width()).arg(ved[1].width())));
        QVERIFY(std::abs(ved[1].height() - 3 * ved[0].height()) <= 3);
        for (int i = 0; i < 2; ++i) {
            const QPointF midt = QRectF(ved[i]).center() -
                                 QPointF(stoerrelse[i].width() / 2.0, stoerrelse[i].height() / 2.0);
            QVERIFY2(std::abs(midt.x()) <= 2 * zoomer[i] && std::abs(midt.y()) <= 2 * zoomer[i],
                     qPrintable(QString("%1,%2").arg(midt.x()).arg(midt.y())));
        }
    }

    // A key that is not usable shows its face grey, as the style greys out an icon.
    void ubrukbarTastErGraa() {
        balvo::ui::Tasteknapp knapp(nullptr, Tastebilde::pluss, 0);
        knapp.resize(25, 25);
        const QRect paa = blekk(knapp.grab().toImage(), 60);
        knapp.setEnabled(false);
        const QImage av = knapp.grab().toImage();
        QVERIFY(!paa.isEmpty());
        QVERIFY(blekk(av, 60).isEmpty());
        QVERIFY(!blekk(av, 170).isEmpty());
    }

    void loestmerketErEtRoedtR() {
        for (const qreal tetthet : {1.0, 2.0}) {
            const QImage r = balvo::ui::loestmerke(tetthet).toImage();
            QCOMPARE(r.size(), QSize(41, 49) * tetthet);
            QCOMPARE(qAlpha(r.pixel(0, 0)), 0);  // transparent background
            QCOMPARE(qAlpha(r.pixel(r.width() - 1, r.height() - 1)), 0);
            int roede = 0;
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < r.width(); ++x) {
                    const QColor c = QColor::fromRgba(r.pixel(x, y));
                    if (c.alpha() == 255) {
                        QVERIFY(c.red() > 150 && c.green() == 0 && c.blue() == 0);
                        ++roede;
                    }
                }
            QVERIFY(roede > 80 * tetthet * tetthet);
        }
    }
};

QTEST_MAIN(TasteflateTest)
#include "tasteflate_qtest.moc"
