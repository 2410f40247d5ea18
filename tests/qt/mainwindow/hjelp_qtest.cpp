// The menu "Hjelp" on the real window: where it stands, when its items are usable, the hint
// box from Ctrl+T, and the rows "Steg:" and "Prøve:" after a solved exercise.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "vindustest.h"

class HjelpTest : public Vindustest {
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

    QAction* punkt(const char* navn) const {
        return vindu->findChild<QAction*>(QLatin1String(navn));
    }

    void skriv(const QString& taster) {
        for (QChar c : taster) QTest::keyClicks(vindu.get(), QString(c));
    }

private slots:
    void init() { QVERIFY(aapne()); }

    void menyenEtterValg() {
        const auto menyer = vindu->menuBar()->actions();
        QStringList titler;
        for (QAction* m : menyer) titler << m->text();
        QCOMPARE(titler, (QStringList{"Valg", "Rediger", "Hjelp"}));
        QStringList punkter;
        for (QAction* a : menyer[2]->menu()->actions())
            punkter << a->text() + " " + a->shortcut().toString();
        QCOMPARE(punkter, (QStringList{"Tips Ctrl+T", "Løsningsforslag Ctrl+L"}));
    }

    void brukbarBareMedOppgavePaaNyesteLinje() {
        QVERIFY(!punkt("tips")->isEnabled());
        QVERIFY(!punkt("loesningsforslag")->isEnabled());
        QVERIFY(vindu->arket().egne({"0", "1", "0", "0", "0", "1"}).ok);
        QVERIFY(punkt("tips")->isEnabled());
        QVERIFY(punkt("loesningsforslag")->isEnabled());
        for (int i = 0; i < 5; ++i) {
            skriv("+1");
            QTest::keyClick(vindu.get(), Qt::Key_Return);
        }
        QTest::keyClick(vindu.get(), Qt::Key_PageUp);
        QVERIFY(!punkt("tips")->isEnabled());
        QVERIFY(!punkt("loesningsforslag")->isEnabled());
        QTest::keyClick(vindu.get(), Qt::Key_PageDown);
        QVERIFY(punkt("tips")->isEnabled());
    }

    void tipsboksenFraTastaturet() {
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        QString tittel, tekst;
        svar_ok(tittel, tekst);
        QTest::keyClick(vindu.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(tittel, QStringLiteral("Tips"));
        QCOMPARE(tekst, QStringLiteral("Neste steg: Trekk fra 3\nDa er du 2 steg fra løsningen."));
        QCOMPARE(vindu->arket().ark().sistelinje, 0);  // the hint changed nothing
        QCOMPARE(vindu->arket().tips_brukt(), 1);
        QVERIFY(vindu->arket().egne({"0", "3", "0", "0", "3", "1"}).ok);
        svar_ok(tittel, tekst);
        QTest::keyClick(vindu.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(tekst, QStringLiteral("Denne likningen har ingen løsning."));
    }

    // The shortest way is found once the exercise is on screen, by the event loop.
    void korteste_etter_tegningen() {
        QVERIFY(vindu->arket().egne({"1", "2", "0", "0", "0", "3"}).ok);
        QVERIFY(!vindu->arket().korteste_kjent());
        QTRY_VERIFY(vindu->arket().korteste_kjent());
        QCOMPARE(vindu->arket().korteste(), std::optional<int>(3));
    }

    void stegOgProeveEtterLoestOppgave() {
        QCOMPARE(tekst("Steg"), QString());
        QCOMPARE(tekst("Proeve"), QString());
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        skriv("+1");
        QTest::keyClick(vindu.get(), Qt::Key_Return);
        skriv("-4");
        QTest::keyClick(vindu.get(), Qt::Key_Return);
        QCOMPARE(tekst("Steg"), QString());  // not solved yet
        skriv(":2");
        QTest::keyClick(vindu.get(), Qt::Key_Return);
        QCOMPARE(tekst("Steg"), QStringLiteral("3 (korteste: 2)"));
        QCOMPARE(tekst("Proeve"), QStringLiteral("stemmer"));
        QCOMPARE(tekst("Poeng"), QStringLiteral("1"));
        // The rows keep their words through the next exercise until it is solved.
        QVERIFY(vindu->arket().egne({"1", "0", "0", "0", "2", "0"}).ok);
        QCOMPARE(tekst("Steg"), QStringLiteral("3 (korteste: 2)"));
        QTimer::singleShot(0, [] {
            if (auto* boks = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                boks->accept();  // "Løsningen x=0 går nå tapt."
        });
        skriv(":x");
        QTest::keyClick(vindu.get(), Qt::Key_Return);
        QCOMPARE(tekst("Steg"), QStringLiteral("1 (korteste: 4)"));
        QCOMPARE(tekst("Proeve"), QStringLiteral("stemmer ikke: x = 0 mangler"));
    }

    // A long verdict runs onto more lines, left of the keypad's frame, smaller if it must.
    void langProeveBrytes() {
        const std::string lang =
            "stemmer ikke: x = −3/4 ± (1/4)√17 passer ikke i oppgaven, x = −5/7 ± (3/14)√33 "
            "og x = 1 mangler";
        vindu->visvurdering("5", lang);
        auto* l = qobject_cast<QLabel*>(finn("Proeve"));
        QVERIFY(l->wordWrap());
        QVERIFY(l->alignment() & Qt::AlignTop);
        const QRect trengs =
            l->fontMetrics().boundingRect(l->contentsRect(), Qt::TextWordWrap, l->text());
        QVERIFY2(trengs.height() <= l->height(), qPrintable(QString::number(trengs.height())));
        QVERIFY(trengs.height() > l->fontMetrics().height());  // more than one line
        QVERIFY(l->geometry().right() < finn("ramme")->geometry().left());
    }
};

QTEST_MAIN(HjelpTest)
#include "hjelp_qtest.moc"
