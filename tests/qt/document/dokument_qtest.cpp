// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet as a document: pages, the text a PDF reader finds, the PNG, printing a page
// range, and a save that fails without leaving a file.
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/display/lineaertekst.h"
#include "core/display/linjetegner.h"
#include "core/mainwindow/arket.h"
#include "qt/document/dokument.h"
#include "qt/document/eksport.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "testskall.h"

using namespace balvo;

namespace {

Topptekst topp() {
    return {QStringLiteral("3. mars 2025"),
            {{QStringLiteral("Vanskelighetsgrad:"), QStringLiteral("2")},
             {QStringLiteral("Løste oppgaver:"), QStringLiteral("1")},
             {QStringLiteral("Poeng:"), QStringLiteral("2")}},
            {}};
}

// A sheet of `linjer` lines x + n = n + 1, each with "Legg til 1" but the last.
Ark langtark(int linjer) {
    Ark ark;
    for (int n = 0; n < linjer; ++n) {
        toemlinje(ark, n);
        ark.teller[n][2] = 1;
        ark.teller[n][3] = n;
        ark.teller[n][6] = n + 1;
        if (n + 1 < linjer) {
            ark.linjeopr[n] = balvo::Operasjon::legg_til;
            ark.linjeteller[n] = 1;
        }
    }
    ark.sistelinje = ark.linjenr = linjer - 1;
    return ark;
}

int sider_i(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(20000)) return -1;
    const QString ut = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression side(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto treff = side.match(ut);
    return treff.hasMatch() ? treff.captured(1).toInt() : -1;
}

QString tekst_i(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The same picture, but that an edge lying exactly between two pixels may round to either
// side, and the shading of a glyph's edge by a few levels: every pixel of one has its colour,
// nearly, at the same place or a neighbouring one in the other.
bool likt_inntil_en_piksel(const QImage& a, const QImage& b, int toleranse = 8) {
    if (a.size() != b.size()) return false;
    const auto naer = [toleranse](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) <= toleranse &&
               std::abs(qGreen(p) - qGreen(q)) <= toleranse &&
               std::abs(qBlue(p) - qBlue(q)) <= toleranse;
    };
    const auto naboen_har = [&](const QImage& bilde, int x, int y, QRgb farge) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (bilde.valid(x + dx, y + dy) && naer(bilde.pixel(x + dx, y + dy), farge))
                    return true;
        return false;
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!naboen_har(b, x, y, a.pixel(x, y)) || !naboen_har(a, x, y, b.pixel(x, y)))
                return false;
    return true;
}

}  // namespace

class DokumentTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // 2x + 3 = 5 solved, then on: twelve lines through the worksheet's own handlers.
        test::Testskall skall;
        test::Testtilfeldig tilfeldig;
        Arket arket(skall, tilfeldig);
        arket.Form_Load();
        QVERIFY(arket.egne({"0", "2", "3", "0", "0", "5"}).ok);
        const auto operasjon = [&](int opr, std::initializer_list<int> siffer, bool broek = false,
                                   int x = -1) {
            arket.opr_Click(opr);
            int i = 0;
            for (int s : siffer) {
                if (broek && i++ == 1) arket.broekstrek_Click();
                arket.siffer_Click(s);
            }
            if (x >= 0) arket.variabel_Click(x);
            arket.Utfoer_Click();
        };
        operasjon(1, {3});            // Trekk fra 3: 2x = 2
        operasjon(3, {2});            // Del med 2: x = 1
        operasjon(0, {3, 4}, true);   // Legg til 3/4
        operasjon(2, {4});            // Gang med 4
        operasjon(1, {7});            // Trekk fra 7
        operasjon(2, {}, false, 0);   // Gang med x
        operasjon(6, {});             // Snu alle fortegn
        operasjon(7, {});             // Bytt sider
        operasjon(0, {4}, false, 1);  // Legg til 4x²
        operasjon(3, {4});            // Del med 4
        operasjon(0, {1});            // Legg til 1
        QCOMPARE(arket.ark().sistelinje, 11);
        tolv = arket.ark();
        QVERIFY(mappe.isValid());
    }

    // Every row of the document is the screen's row, stroke for stroke: the same line drawn
    // into a worksheet box as the window shows it and onto the first page, at a density where
    // both land on whole pixels.
    void sammeStrekerSomSkjermen() {
        constexpr double tetthet = 3;  // 4 pixels to the point: every row starts on a pixel
        constexpr double piksler = tetthet * ui::piksler_per_punkt;
        const Dokument dok(tolv, topp());
        const Dokumentside forste = dok.sider(800).front();
        QImage side(QSize(qRound(sideoppsett::bredde * piksler), qRound(800 * piksler)),
                    QImage::Format_ARGB32_Premultiplied);
        side.setDevicePixelRatio(tetthet);
        side.fill(Qt::white);
        {
            QPainter maler(&side);
            maler.scale(ui::piksler_per_punkt, ui::piksler_per_punkt);
            dok.tegn(maler, forste);
        }
        test::Testskall skall;
        for (int n = forste.fra; n <= forste.til; ++n) {
            ui::Bildeboks rad;
            rad.resize(ui::twips(6105), ui::twips(735));
            rad.settforgrunn(ui::qfarge(n == 0 ? svart : moerkeblaa));
            skall.merke_synlig = false;
            tegnlinje(tolv, n, 0, rad, skall);
            QImage skjerm = rad.bilde(tetthet);
            // The solved marker is a picture of its own on screen; the strokes end before it.
            if (skall.merke_synlig)
                skjerm = skjerm.copy(0, 0, qRound(skall.merke_venstre * piksler), skjerm.height());
            const QPoint hjoerne(
                0, qRound((sideoppsett::topphoeyde + n * sideoppsett::radsteg) * piksler));
            const QImage papir = side.copy(QRect(hjoerne, skjerm.size()));
            QVERIFY2(likt_inntil_en_piksel(papir.convertToFormat(skjerm.format()), skjerm),
                     qPrintable(QString::number(n)));
        }
    }

    void sidene_data() {
        QTest::addColumn<int>("linjer");
        QTest::addColumn<int>("sider");
        // A4 less 15 mm margins: 16 lines under the header, 18 on each further page.
        QTest::newRow("1 linje") << 1 << 1;
        QTest::newRow("16 linjer") << 16 << 1;
        QTest::newRow("17 linjer") << 17 << 2;
        QTest::newRow("34 linjer") << 34 << 2;
        QTest::newRow("40 linjer") << 40 << 3;
        QTest::newRow("100 linjer") << 100 << 6;
    }
    void sidene() {
        QFETCH(int, linjer);
        QFETCH(int, sider);
        const Ark ark = langtark(linjer);
        const Dokument dok(ark, topp());
        QPdfWriter maal(mappe.filePath(QStringLiteral("maal.pdf")));
        settsideoppsett(maal);
        const auto oppdelt = dok.sider(maal.pageLayout().paintRect(QPageLayout::Point).height());
        QCOMPARE(static_cast<int>(oppdelt.size()), sider);
        // Every line on exactly one page, in order, the header on the first only.
        int neste = 0;
        for (const auto& s : oppdelt) {
            QCOMPARE(s.fra, neste);
            QCOMPARE(s.topp, neste == 0);
            neste = s.til + 1;
        }
        QCOMPARE(neste, linjer);

        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        const QString sti = mappe.filePath(QStringLiteral("lang%1.pdf").arg(linjer));
        QCOMPARE(lagre(dok, sti), QString());
        QCOMPARE(sider_i(sti), sider);
    }

    void tolvLinjerSomPdf() {
        const QString sti = mappe.filePath(QStringLiteral("likning.pdf"));
        QCOMPARE(lagre(Dokument(tolv, topp()), sti), QString());
        QFile fil(sti);
        QVERIFY(fil.open(QIODevice::ReadOnly));
        QVERIFY(fil.read(5) == "%PDF-");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QCOMPARE(sider_i(sti), 1);
        const QString tekst = tekst_i(sti);
        for (const char* ord : {"Balvo 2.0", "3. mars 2025",
                                "Vanskelighetsgrad:", "Poeng:", "Løste oppgaver:", "Trekk fra",
                                "Del med", "Legg til", "Gang med", "Snu fortegn", "Bytt side"})
            QVERIFY2(tekst.contains(QString::fromUtf8(ord)), ord);
        // The numbers of the equations are text too: 2x + 3 = 5 and 4x − 4 = 0.
        QVERIFY(tekst.contains(QLatin1String("5")));
        QVERIFY(tekst.contains(QLatin1String("7")));

        if (!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
            const QString prefiks = mappe.filePath(QStringLiteral("side"));
            QCOMPARE(
                QProcess::execute(QStringLiteral("pdftoppm"),
                                  {QStringLiteral("-png"), QStringLiteral("-r"),
                                   QStringLiteral("60"), QStringLiteral("-f"), QStringLiteral("1"),
                                   QStringLiteral("-l"), QStringLiteral("1"), sti, prefiks}),
                0);
            const QImage side(prefiks + QStringLiteral("-1.png"));
            // A4 at 60 dpi.
            QCOMPARE(side.size(), QSize(496, 702));
            const QString kopi = qEnvironmentVariable("BALVO_SIDEBILDE");
            if (!kopi.isEmpty()) side.save(kopi);
        }
    }

    // Each line of the page has its text in the text layer as the linear text writes it,
    // the operation four spaces or more after it, and the page looks as it does without it:
    // the glyphs are drawn as shapes at the places the text had.
    void pdfensTekstSierLikningen() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are not installed");
        const auto side = [&](bool tekstlag, const QString& navn) {
            Dokument dok(tolv, topp());
            dok.settekstlag(tekstlag);
            const QString sti = mappe.filePath(navn + QStringLiteral(".pdf"));
            if (!lagre(dok, sti).isEmpty()) return std::pair{QString(), QImage()};
            const QString prefiks = mappe.filePath(navn);
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"),
                               QStringLiteral("-singlefile"), sti, prefiks});
            return std::pair{tekst_i(sti), QImage(prefiks + QStringLiteral(".png"))};
        };
        const auto [tekst, bilde] = side(true, QStringLiteral("med"));
        const auto [uten, forbilde] = side(false, QStringLiteral("uten"));
        QStringList linjer;
        for (const QString& l : tekst.split(QLatin1Char('\n')))
            if (!l.trimmed().isEmpty() && !l.contains(QLatin1String("Balvo 2.0")) &&
                !l.contains(QLatin1String("Poeng:")) &&
                !l.contains(QRegularExpression(QStringLiteral("^\\s*\\d+\\s*/\\s*\\d+\\s*$"))))
                linjer << l.trimmed().replace(QRegularExpression(QStringLiteral(" {4,}")),
                                              QStringLiteral("    "));
        QCOMPARE(linjer.join(QLatin1Char('\n')), QString::fromStdString(balvo::arktekst(tolv)));
        // Without it the signs are bars, and the text says only the glyphs between them.
        QVERIFY(!uten.contains(QLatin1String("2x + 3 = 5")));
        QVERIFY(!bilde.isNull() && !forbilde.isNull());
        // A glyph filled as a shape is shaded at its edges a little lighter than the same
        // glyph drawn as text (measured at 110 dpi: at most 117 levels of a colour, 3 % less
        // ink): nothing moved, nothing missing, no more than that.
        QVERIFY(likt_inntil_en_piksel(bilde, forbilde, 128));
        const auto blekk = [](const QImage& b) {
            double sum = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x) sum += 255 - qGray(b.pixel(x, y));
            return sum;
        };
        QVERIFY(std::abs(blekk(bilde) / blekk(forbilde) - 1) < 0.05);
    }

    void pngErEttHoeytBilde() {
        const QString sti = mappe.filePath(QStringLiteral("likning.png"));
        QCOMPARE(lagre(Dokument(tolv, topp()), sti), QString());
        QImageReader leser(sti);
        QCOMPARE(leser.format(), QByteArray("png"));
        const QImage bilde = leser.read();
        // 2 pixels a point: 510 points wide plus two 15 mm margins; header and 12 rows.
        const double kant = 15 * 72 / 25.4;
        QCOMPARE(bilde.width(), qRound(2 * (510 + 2 * kant)));
        QCOMPARE(bilde.height(), qRound(2 * (64 + 12 * 40 - 3.25 + 2 * kant)));
        // Ink in the header band and in the last row; white margins.
        const auto blekk = [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
                for (int x = 0; x < bilde.width(); ++x)
                    if (qGray(bilde.pixel(x, y)) < 128) return true;
            return false;
        };
        const int k = qRound(2 * kant);
        QVERIFY(!blekk(0, k - 2));
        QVERIFY(blekk(k, k + 40));
        QVERIFY(blekk(bilde.height() - k - 70, bilde.height() - k));
        QVERIFY(!blekk(bilde.height() - k + 2, bilde.height()));
    }

    void utskriftAvSideutvalg() {
        // The printer path with a page range: pages 2 and 3 of a 40-line sheet.
        const QString sti = mappe.filePath(QStringLiteral("utskrift.pdf"));
        QPrinter skriver(QPrinter::HighResolution);
        skriver.setOutputFormat(QPrinter::PdfFormat);
        skriver.setOutputFileName(sti);
        settsideoppsett(skriver);
        const Ark ark = langtark(40);
        QVERIFY(tegnsider(Dokument(ark, topp()), skriver, 2, 3));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QCOMPARE(sider_i(sti), 2);
        const QString tekst = tekst_i(sti);
        QVERIFY(tekst.contains(QRegularExpression(QStringLiteral("2\\s*/\\s*3"))));
        QVERIFY(tekst.contains(QRegularExpression(QStringLiteral("3\\s*/\\s*3"))));
        QVERIFY(!tekst.contains(QLatin1String("Poeng:")));
    }

    void lagringSomFeilerEtterlaterIngenFil_data() {
        QTest::addColumn<QString>("navn");
        // Root may write anywhere, so the refusal comes from a parent that is a plain file
        // or a folder that does not exist.
        QTest::newRow("mappe er en fil pdf") << QStringLiteral("fil/likning.pdf");
        QTest::newRow("mappe er en fil png") << QStringLiteral("fil/likning.png");
        QTest::newRow("mappen finnes ikke") << QStringLiteral("borte/ogsaa/likning.pdf");
    }
    void lagringSomFeilerEtterlaterIngenFil() {
        QFETCH(QString, navn);
        QTemporaryDir tom;
        QFile hindring(tom.filePath(QStringLiteral("fil")));
        QVERIFY(hindring.open(QIODevice::WriteOnly));
        hindring.close();
        const QString sti = tom.filePath(navn);
        const QString melding = lagre(Dokument(tolv, topp()), sti);
        QVERIFY(melding.startsWith(QStringLiteral("Filen «")));
        QVERIFY(melding.contains(QStringLiteral("kunne ikke lagres")));
        QVERIFY(!QFileInfo::exists(sti));
        // Nothing half-written anywhere: the folder holds the obstacle alone.
        QCOMPARE(QDir(tom.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("fil")});
        QCOMPARE(QFileInfo(hindring).size(), 0);
    }

private:
    QTemporaryDir mappe;
    Ark tolv;
};

QTEST_MAIN(DokumentTest)
#include "dokument_qtest.moc"
