// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file and the class overview at the desktop: a lesson worked at the keys and saved
// as *.balvo (the name asked once), read back into "Klasseoversikt" with a damaged file beside
// it, a pupil's exercise drawn, the CSV and the PDF saved.
#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "qt/document/eksport.h"
#include "qt/lessonfile/klassevindu.h"
#include "vindustest.h"

using namespace balvo;

class KlassevinduTest : public Vindustest {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(mappe.isValid());
        QVERIFY(aapne());
    }

    void menyenHarKlasseoversiktFoerFoersteOppgave() {
        auto* a = vindu->findChild<QAction*>(QStringLiteral("klasseoversikt"));
        QVERIFY(a);
        QVERIFY(a->isEnabled());
        QCOMPARE(a->text(), QStringLiteral("Åpne klasseoversikt..."));
    }

    void lagretOektLesesInnIOversikten() {
        // 2x + 3 = 5 solved at the keys; then 3x = 6 left at line 0.
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        for (const char* tast : {"opr_1", "siffer_3", "Utfoer", "opr_3", "siffer_2", "Utfoer"})
            klikk(QLatin1String(tast));
        QVERIFY(vindu->arket().egne({"0", "3", "0", "0", "0", "6"}).ok);

        int spurt = 0;
        const auto svar = [&spurt](const QString& navn) {
            QTimer::singleShot(0, [&spurt, navn] {
                auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (!d) return;
                ++spurt;
                d->setTextValue(navn);
                d->accept();
            });
        };
        const QString kari = mappe.filePath(QStringLiteral("kari.balvo"));
        svar(QStringLiteral("Kari"));
        QVERIFY(lagreoektfil(vindu->hovedvindu(), kari));
        svar(QStringLiteral("Ikke spurt"));
        const QString igjen = mappe.filePath(QStringLiteral("igjen.balvo"));
        QVERIFY(
            lagreoektfil(vindu->hovedvindu(), igjen));  // the name is not asked again in this run
        QCOMPARE(spurt, 1);
        QTest::qWait(10);

        const QString skadet = mappe.filePath(QStringLiteral("skadet.balvo"));
        {
            QFile f(skadet);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("{\"format\": \"balvo-okt\", \"versjon\": 1, \"navn\": \"Per\"");
        }
        Klassevindu k(*vindu);
        k.lesfiler({kari, igjen, skadet});
        auto* elever = k.findChild<QTableWidget*>(QStringLiteral("elever"));
        QCOMPARE(elever->rowCount(), 2);
        QCOMPARE(elever->item(0, 0)->text(), QStringLiteral("Kari"));
        QCOMPARE(elever->item(0, 1)->text(), QStringLiteral("2"));  // exercises
        QCOMPARE(elever->item(0, 2)->text(), QStringLiteral("1"));  // solved
        QCOMPARE(elever->item(0, 3)->text(), QStringLiteral("2"));  // steps
        QCOMPARE(elever->item(1, 10)->text(), QStringLiteral("samme økt som «kari.balvo»"));
        auto* uleselige = k.findChild<QPlainTextEdit*>(QStringLiteral("uleselige"));
        QCOMPARE(uleselige->toPlainText(),
                 QStringLiteral("skadet.balvo: Filen er avkortet: slutten mangler."));
        QVERIFY(k.findChild<QTableWidget*>(QStringLiteral("nivaaer"))->rowCount() >= 1);

        // A click on the pupil, then on the exercise, draws its worksheet.
        elever->setCurrentCell(0, 0);
        auto* oppgaver = k.findChild<QTableWidget*>(QStringLiteral("oppgaver"));
        QCOMPARE(oppgaver->rowCount(), 2);
        // The exercises' own columns: solved or not, the time spent; the save time as a date.
        QCOMPARE(oppgaver->horizontalHeaderItem(5)->text(), QStringLiteral("Løst"));
        QCOMPARE(oppgaver->item(0, 5)->text(), QStringLiteral("ja"));
        QCOMPARE(oppgaver->item(1, 5)->text(), QStringLiteral("nei"));
        QCOMPARE(oppgaver->horizontalHeaderItem(6)->text(), QStringLiteral("Tid"));
        auto* ark = k.findChild<QLabel*>(QStringLiteral("ark"));
        QVERIFY(ark->text().contains(QRegularExpression(
            QStringLiteral("^Oppgavene til Kari, lagret \\d+\\. \\w+ \\d{4} kl\\. "
                           "\\d\\d\\.\\d\\d$"))));
        oppgaver->setCurrentCell(0, 0);
        QVERIFY(!ark->pixmap().isNull());
        QVERIFY(ark->pixmap().height() > 200);

        const QString csv = mappe.filePath(QStringLiteral("klasse.csv"));
        QCOMPARE(k.lagrecsv(csv), QString());
        QFile c(csv);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QVERIFY(c.readAll().startsWith("\xEF\xBB\xBFNavn;Oppgaver;"));
        const QString pdf = mappe.filePath(QStringLiteral("klasse.pdf"));
        QCOMPARE(k.lagrepdf(pdf), QString());
        QFile p(pdf);
        QVERIFY(p.open(QIODevice::ReadOnly));
        QVERIFY(p.read(4) == "%PDF");
        // A folder that cannot be written: "Påtale"'s reason, nothing left behind.
        QVERIFY(!k.lagrecsv(QStringLiteral("/finnes/ikke/klasse.csv")).isEmpty());
    }

private:
    QTemporaryDir mappe;
};

QTEST_MAIN(KlassevinduTest)
#include "klassevindu_qtest.moc"
