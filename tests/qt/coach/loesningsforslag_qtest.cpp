// The window "Løsningsforslag": one window, the way typeset row by row with its operations,
// the solved marker, the way as text for screen readers and the clipboard, and no change to
// the worksheet.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "qt/coach/loesningsforslag.h"
#include "vindustest.h"

using balvo::Loesningsforslag;

class LoesningsforslagTest : public Vindustest {
    Q_OBJECT

    Loesningsforslag* forslag() const { return vindu->findChild<Loesningsforslag*>(); }

private slots:
    void init() { QVERIFY(aapne()); }

    void veienForX2Pluss2xEr3() {
        QVERIFY(vindu->arket().egne({"1", "2", "0", "0", "0", "3"}).ok);
        QTest::keyClick(vindu.get(), Qt::Key_L, Qt::ControlModifier);
        Loesningsforslag* f = forslag();
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QVERIFY(!f->isModal());
        QCOMPARE(f->windowTitle(), QStringLiteral("Løsningsforslag"));
        QCOMPARE(f->overskrift(), QStringLiteral("Da er du 3 steg fra løsningen."));
        QCOMPARE(f->antall_rader(), 4);
        const QStringList likninger{"x² + 2x = 3", "x² + 2x + 1 = 4", "x + 1 = ±2", "x = −1 ± 2"};
        const QStringList operasjoner{"Legg til 1", "Trekk kvadratrot", "Trekk fra 1", ""};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f->linjeboks(i)->accessibleDescription(), likninger[i]);
            QCOMPARE(f->operasjonsboks(i)->accessibleDescription(), operasjoner[i]);
            QVERIFY(f->linjeboks(i)->antall_operasjoner() > 0);  // typeset
            QCOMPARE(f->operasjonsboks(i)->antall_operasjoner() > 0, i < 3);
        }
        // Rows as on the worksheet: 720 twips apart, the field beside its row.
        QCOMPARE(f->linjeboks(1)->y() - f->linjeboks(0)->y(), 48);
        QCOMPARE(f->operasjonsboks(2)->y(), f->linjeboks(2)->y());
        QVERIFY(f->operasjonsboks(0)->x() > f->linjeboks(0)->geometry().right());
        // The solved marker beside the last row only.
        const auto merker = f->findChildren<QLabel*>(QStringLiteral("Pi_R"));
        QCOMPARE(merker.size(), 1);
        QVERIFY(merker[0]->y() >= f->linjeboks(3)->y() - 1);
        QCOMPARE(f->tekst(), QStringLiteral("Da er du 3 steg fra løsningen.\n"
                                            "x² + 2x = 3    Legg til 1\n"
                                            "x² + 2x + 1 = 4    Trekk kvadratrot\n"
                                            "x + 1 = ±2    Trekk fra 1\n"
                                            "x = −1 ± 2"));
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("kopier")), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), f->tekst());
        // The worksheet is as it was; no hint was counted.
        QCOMPARE(vindu->arket().ark().sistelinje, 0);
        QCOMPARE(vindu->arket().forslag_brukt(), 1);
        QCOMPARE(vindu->arket().tips_brukt(), 0);
    }

    void enVinduOgNyVeiFraNyLinje() {
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        vindu->Loesningsforslag_Click();
        QTest::keyClicks(vindu.get(), QStringLiteral("-3"));
        QTest::keyClick(vindu.get(), Qt::Key_Return);
        vindu->Loesningsforslag_Click();
        QCOMPARE(vindu->findChildren<Loesningsforslag*>().size(), 1);
        QCOMPARE(forslag()->antall_rader(), 2);
        QCOMPARE(forslag()->linjeboks(0)->accessibleDescription(), QStringLiteral("2x = 2"));
    }

    void utenVei() {
        QVERIFY(vindu->arket().egne({"1", "0", "0", "0", "0", "-4"}).ok);
        vindu->Loesningsforslag_Click();
        QCOMPARE(forslag()->overskrift(), QStringLiteral("Denne likningen har ingen løsning."));
        QCOMPARE(forslag()->antall_rader(), 1);
        QCOMPARE(forslag()->tekst(), QStringLiteral("Denne likningen har ingen løsning.\nx² = −4"));
    }
};

QTEST_MAIN(LoesningsforslagTest)
#include "loesningsforslag_qtest.moc"
