// Key faces and the solved marker are pictures drawn in code, present at 1x and 2x.
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
        const QIcon ikon = balvo::ui::tasteikon(Tastebilde(bilde), siffer);
        QCOMPARE(balvo::ui::flatestoerrelse(Tastebilde(bilde)), stoerrelse);
        for (const qreal tetthet : {1.0, 2.0}) {
            const QPixmap kart = ikon.pixmap(stoerrelse, tetthet);
            QCOMPARE(kart.size(), stoerrelse * tetthet);
            QVERIFY(moerkePiksler(kart.toImage()) >= 3 * tetthet * tetthet);
        }
    }

    void sifreneErForskjellige() {
        QSet<QByteArray> sett;
        for (int i = 0; i < 10; ++i) {
            const QImage b =
                balvo::ui::tasteikon(Tastebilde::siffer, i).pixmap(QSize(16, 16), 2.0).toImage();
            sett.insert(QByteArray(reinterpret_cast<const char*>(b.constBits()), b.sizeInBytes()));
        }
        QCOMPARE(sett.size(), 10);
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
