// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson record as a PDF: the first page lists every exercise with its figures, each
// exercise's worksheet follows from a page of its own, the pages add up; the menu "Økt" saves
// it safely and writes nothing before the pupil asks.
#include <QAction>
#include <QDirIterator>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/document/sideoppsett.h"
#include "core/mainwindow/arket.h"
#include "qt/document/eksport.h"
#include "qt/document/oektdokument.h"
#include "qt/mainwindow/arketvindu.h"
#include "testskall.h"

using namespace balvo;

namespace {

QString kjoer(const QString& program, const QStringList& argumenter) {
    QProcess p;
    p.start(program, argumenter);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int sider_i(const QString& pdf) {
    static const QRegularExpression side(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto treff = side.match(kjoer(QStringLiteral("pdfinfo"), {pdf}));
    return treff.hasMatch() ? treff.captured(1).toInt() : -1;
}

// The text of pages fra..til as laid out on the page.
QString tekst_i(const QString& pdf, int fra, int til) {
    return kjoer(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(fra),
                  QStringLiteral("-l"), QString::number(til), pdf, QStringLiteral("-")});
}

// BALVO_OEKTBILDE=file keeps the first page as a picture (file.png) to look at.
void behold_forside(const QString& pdf, int dpi) {
    const QString kopi = qEnvironmentVariable("BALVO_OEKTBILDE");
    if (kopi.isEmpty()) return;
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                       QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                       QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, kopi});
}

// The draws of a generated exercise with these numerators (denominators 1).
void trekk(test::Testtilfeldig& t, std::initializer_list<int> tellere) {
    for (int teller : tellere) {
        t.trekk.push_back((teller + 4 + 0.5) / 12.0);
        t.trekk.push_back(1.5 / 7.0);
    }
}

void steg(Arket& a, int opr, int siffer) {
    a.opr_Click(opr);
    a.siffer_Click(siffer);
    a.Utfoer_Click();
}

// The words of page `side` with their boxes in points, as pdftotext finds them.
struct Ord {
    QString tekst;
    QRectF boks;
};
std::vector<Ord> ord_i(const QString& pdf, int side) {
    const QString html =
        kjoer(QStringLiteral("pdftotext"),
              {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(side),
               QStringLiteral("-l"), QString::number(side), pdf, QStringLiteral("-")});
    static const QRegularExpression ord(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Ord> ut;
    for (auto t = ord.globalMatch(html); t.hasNext();) {
        const auto m = t.next();
        const QPointF a(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF b(m.captured(3).toDouble(), m.captured(4).toDouble());
        ut.push_back({m.captured(5), QRectF(a, b)});
    }
    return ut;
}

const std::vector<QString> ledetekster{QStringLiteral("Vanskelighetsgrad:"),
                                       QStringLiteral("Steg:"), QStringLiteral("Poeng:")};

}  // namespace

class OektTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(mappe.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    }

    // Three exercises: one generated and solved after a hint, one generated, undone and left
    // with a worked solution seen, one typed and solved at another level.
    void treOppgaver() {
        test::Testskall skall;
        test::Testtilfeldig tilfeldig;
        Arket arket(skall, tilfeldig);
        arket.Form_Load();
        trekk(tilfeldig, {0, 2, 3, 0, 0, 5});  // 2x + 3 = 5
        arket.nyoppgave_Click();
        arket.Tips_Click();
        steg(arket, 1, 3);
        steg(arket, 3, 2);
        trekk(tilfeldig, {0, 1, 2, 0, 3, 0});  // x + 2 = 3x
        arket.nyoppgave_Click();
        steg(arket, 0, 4);
        arket.angre();
        arket.Loesningsforslag_Click();
        arket.Option2_Click();  // level 3
        QVERIFY(arket.egne({"0", "3", "0", "0", "0", "6"}).ok);
        steg(arket, 3, 3);

        const Oektdokument dok(arket.oekt(), QStringLiteral("3. mars 2025"), ledetekster);
        const QString sti = mappe.filePath(QStringLiteral("økt.pdf"));
        QCOMPARE(lagrepdf(dok, sti), QString());
        behold_forside(sti, 80);
        QCOMPARE(sider_i(sti), 4);  // the summary and a page for each worksheet

        const QString forste = tekst_i(sti, 1, 1);
        const auto rad = [&](const QString& moenster) {
            QVERIFY2(forste.contains(QRegularExpression(moenster)), qPrintable(moenster));
        };
        rad(QStringLiteral("Balvo 2.0\\s+3. mars 2025"));
        rad(QStringLiteral("Økta"));
        // The headings; "Tips 1/2/3" and "Ikke nærmere" run onto a second line of their cells.
        rad(QStringLiteral(
            "Nr.\\s+Oppgave\\s+Nivå\\s+Steg\\s+Korteste\\s+Tips\\s+Ikke\\s+Gjentatt\\s+"
            "Forslag\\s+Løst\\s+Prøve\\s+Poeng\\s+1/2/3\\s+nærmere"));
        // Nr., line 0, level, steps, shortest, hints per level, steps no closer, repeated lines,
        // worked solutions, solved, check, points.
        rad(QStringLiteral(
            "1\\s+2x \\+ 3 = 5\\s+1\\s+2\\s+2\\s+1/0/0\\s+0\\s+0\\s+0\\s+ja\\s+stemmer\\s+1\\n"));
        rad(QStringLiteral(
            "2\\s+x \\+ 2 = 3x\\s+1\\s+1\\s+3\\s+0/0/0\\s+1\\s+0\\s+1\\s+nei\\s+–\\s+0\\n"));
        rad(
            QStringLiteral("3\\s+3x = 6 \\(egen\\)\\s+3\\s+1\\s+1\\s+0/0/0\\s+0\\s+0\\s+0\\s+ja\\s+"
                           "stemmer\\s+3\\n"));
        rad(QStringLiteral("Sum\\s+4\\s+1/0/0\\s+1\\s+0\\s+1\\s+2 av 3\\s+4\\n"));
        rad(QStringLiteral("1\\s*/\\s*4"));

        // Then each worksheet as "Lagre som" draws it, under a header of its own.
        const QString andre = tekst_i(sti, 2, 2);
        for (const char* ord : {"Oppgave 1", "Vanskelighetsgrad:", "Steg:", "2 \\(korteste: 2\\)",
                                "Trekk fra", "Del med", "2\\s*/\\s*4"})
            QVERIFY2(andre.contains(QRegularExpression(QString::fromUtf8(ord))), ord);
        const QString tredje = tekst_i(sti, 3, 3);
        QVERIFY(tredje.contains(QStringLiteral("Oppgave 2")));
        QVERIFY(!tredje.contains(QStringLiteral("Legg til")));  // the undone step is gone
        QVERIFY(tekst_i(sti, 4, 4).contains(QStringLiteral("Oppgave 3")));
    }

    // With "Regn selv" the table gains four columns in a smaller font and still fits the page:
    // every word inside the margins, no two words on top of each other, no heading broken
    // inside a word, the figures under the new headings to the right of their columns.
    void regnSelvGirFireKolonner() {
        test::Testskall skall;
        test::Testtilfeldig tilfeldig;
        Arket arket(skall, tilfeldig);
        arket.Form_Load();
        arket.settregnselv(true);
        QVERIFY(arket.egne({"0", "2", "4", "0", "0", "6"}).ok);
        steg(arket, 1, 4);
        arket.skrivlinje("2x = 10");
        arket.skrivlinje("2x = 2");
        steg(arket, 3, 2);
        arket.giopp();
        trekk(tilfeldig, {0, 2, 3, 0, 0, 5});  // 2x + 3 = 5, without a line written
        arket.nyoppgave_Click();
        const Oektdokument dok(arket.oekt(), QStringLiteral("3. mars 2025"), ledetekster);
        const QString sti = mappe.filePath(QStringLiteral("regnselv.pdf"));
        QCOMPARE(lagrepdf(dok, sti), QString());
        behold_forside(sti, 110);
        const QString tekst = tekst_i(sti, 1, 1);
        QVERIFY2(tekst.contains(QRegularExpression(
                     QStringLiteral("Poeng\\s+Skrevet\\s+Riktig\\s+Forsøk\\s+Vist\\n"))),
                 qPrintable(tekst));
        QVERIFY2(tekst.contains(QRegularExpression(QStringLiteral("nærmere\\s+1. gang\\n"))),
                 qPrintable(tekst));
        // Exercise 1: one line written after a wrong try, one shown; exercise 2: none waited.
        QVERIFY2(tekst.contains(QRegularExpression(
                     QStringLiteral("ja\\s+stemmer\\s+1\\s+1\\s+0\\s+2\\s+1\\n"))),
                 qPrintable(tekst));
        QVERIFY2(tekst.contains(
                     QRegularExpression(QStringLiteral("nei\\s+–\\s+0\\s+–\\s+–\\s+–\\s+–\\n"))),
                 qPrintable(tekst));
        QVERIFY(tekst.contains(QRegularExpression(QStringLiteral("Sum.*1\\s+0\\s+2\\s+1\\n"))));

        const std::vector<Ord> ord = ord_i(sti, 1);
        QVERIFY(ord.size() > 40);
        // A4 is 595.3 points wide, with margins of 15 mm (42.5 points).
        for (const Ord& o : ord)
            QVERIFY2(o.boks.left() >= 42 && o.boks.right() <= 553.3, qPrintable(o.tekst));
        for (std::size_t i = 0; i < ord.size(); ++i)
            for (std::size_t j = i + 1; j < ord.size(); ++j)
                QVERIFY2(!ord[i].boks.adjusted(0.3, 0.3, -0.3, -0.3).intersects(ord[j].boks),
                         qPrintable(ord[i].tekst + " / " + ord[j].tekst));
        const auto finn = [&](const QString& t, int nr = 0) -> const Ord* {
            for (const Ord& o : ord)
                if (o.tekst == t && nr-- == 0) return &o;
            return nullptr;
        };
        for (const char* hel : {"Korteste", "nærmere", "Gjentatt", "Forslag", "Skrevet", "Riktig",
                                "gang", "Forsøk", "Vist", "Poeng"})
            QVERIFY2(finn(QString::fromUtf8(hel)), hel);
        // Each new column's right edge: the heading's and the figures' right ends on it.
        const auto& b = sideoppsett::oektbredder_smal;
        const double kant = 42.52 + sideoppsett::bredde - sideoppsett::cellekant_smal;
        const struct {
            const char* overskrift;
            double hoeyre;     // of the column, less the cell's margin
            const char* tall;  // the figure of exercise 1
        } kolonner[] = {{"Skrevet", kant - b[13] - b[14] - b[15], "1"},
                        {"gang", kant - b[14] - b[15], "0"},
                        {"Forsøk", kant - b[15], "2"},
                        {"Vist", kant, "1"}};
        const Ord* tips = finn(QStringLiteral("2x"));
        QVERIFY(tips);
        for (const auto& k : kolonner) {
            const Ord* o = finn(QString::fromUtf8(k.overskrift));
            QVERIFY2(o, k.overskrift);
            QVERIFY2(qAbs(o->boks.right() - k.hoeyre) < 0.6, k.overskrift);
            // The figure on exercise 1's row.
            const Ord* tall = nullptr;
            for (const Ord& w : ord)
                if (w.tekst == QString::fromUtf8(k.tall) &&
                    qAbs(w.boks.top() - tips->boks.top()) < 1 &&
                    qAbs(w.boks.right() - k.hoeyre) < 0.6)
                    tall = &w;
            QVERIFY2(tall, k.overskrift);
        }
    }

    // The summary runs onto further pages under its heading row again; each worksheet of
    // more lines than a page holds takes its pages; the pages add up.
    void sidetalletGaarOpp_data() {
        QTest::addColumn<int>("oppgaver");
        QTest::addColumn<int>("linjer");  // of each worksheet
        QTest::addColumn<int>("oversikt");
        QTest::addColumn<int>("ark");  // pages of each worksheet
        QTest::newRow("1 oppgave") << 1 << 1 << 1 << 1;
        QTest::newRow("40 oppgaver") << 40 << 3 << 2 << 1;
        QTest::newRow("2 lange ark") << 2 << 20 << 1 << 2;
    }
    void sidetalletGaarOpp() {
        QFETCH(int, oppgaver);
        QFETCH(int, linjer);
        QFETCH(int, oversikt);
        QFETCH(int, ark);
        test::Testskall skall;
        test::Testtilfeldig tilfeldig;
        Arket arket(skall, tilfeldig);
        arket.Form_Load();
        for (int i = 0; i < oppgaver; ++i) {
            QVERIFY(arket.egne({"0", "1", "1", "0", "0", "1"}).ok);
            for (int n = 1; n < linjer; ++n) steg(arket, 0, 1);
        }
        const Oektdokument dok(arket.oekt(), QStringLiteral("3. mars 2025"), ledetekster);
        const QString sti = mappe.filePath(QStringLiteral("sider%1.pdf").arg(oppgaver));
        QCOMPARE(lagrepdf(dok, sti), QString());
        const int sider = oversikt + oppgaver * ark;
        QCOMPARE(sider_i(sti), sider);
        const QString tekst = tekst_i(sti, 1, sider);
        // Every exercise's row once, the heading row on every page of the summary.
        QCOMPARE(tekst.count(QStringLiteral("x + 1 = 1 (egen)")), oppgaver);
        QCOMPARE(tekst.count(QRegularExpression(QStringLiteral("Nr.\\s+Oppgave"))), oversikt);
        QVERIFY(tekst.contains(QRegularExpression(QStringLiteral("%1\\s*/\\s*%1").arg(sider))));
    }

    // From the window: the menu "Økt" after "Vis", usable once an exercise is started; a save
    // that fails says why in "Påtale" and leaves no file; nothing at all is written anywhere
    // before the pupil saves.
    void fraVinduet() {
        QTemporaryDir hjem;
        qputenv("HOME", hjem.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", hjem.filePath(QStringLiteral(".config")).toUtf8());
        qputenv("XDG_DATA_HOME", hjem.filePath(QStringLiteral(".local/share")).toUtf8());
        ArketVindu vindu;
        auto* lagre = vindu.findChild<QAction*>(QStringLiteral("lagreoekt"));
        auto* skriv = vindu.findChild<QAction*>(QStringLiteral("skrivutoekt"));
        QCOMPARE(lagre->text(), QStringLiteral("Lagre økta som..."));
        QCOMPARE(lagre->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(skriv->text(), QStringLiteral("Skriv ut økta..."));
        QCOMPARE(skriv->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        QVERIFY(!lagre->isEnabled() && !skriv->isEnabled());
        QVERIFY(vindu.arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        vindu.arket().opr_Click(1);
        vindu.arket().siffer_Click(3);
        vindu.arket().Utfoer_Click();
        QVERIFY(lagre->isEnabled() && skriv->isEnabled());
        vindu.Stoerre_Click();  // a zoom is remembered only where start-up asks for it

        QString tittel, tekst;
        QTimer::singleShot(0, [&] {
            if (auto* boks = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                tittel = boks->windowTitle();
                tekst = boks->text();
                boks->accept();
            }
        });
        const QString borte = hjem.filePath(QStringLiteral("borte/økt.pdf"));
        QVERIFY(!lagreoektfil(vindu.hovedvindu(), borte));
        QCOMPARE(tittel, QStringLiteral("Påtale"));
        QVERIFY(tekst.contains(QStringLiteral("kunne ikke lagres")));
        QVERIFY(!QFileInfo::exists(borte));
        QDirIterator alt(hjem.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
        QVERIFY2(!alt.hasNext(), qPrintable(alt.hasNext() ? alt.next() : QString()));

        const QString sti = hjem.filePath(QStringLiteral("økt.pdf"));
        QVERIFY(lagreoektfil(vindu.hovedvindu(), sti));
        QCOMPARE(sider_i(sti), 2);
        QVERIFY(tekst_i(sti, 1, 1).contains(QRegularExpression(QStringLiteral(
            "1\\s+2x \\+ 3 = 5 \\(egen\\)\\s+1\\s+1\\s+2\\s+0/0/0\\s+0\\s+0\\s+0\\s+nei"))));
    }

private:
    QTemporaryDir mappe;
};

QTEST_MAIN(OektTest)
#include "oekt_qtest.moc"
