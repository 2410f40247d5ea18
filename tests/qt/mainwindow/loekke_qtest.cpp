// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise solved by clicking the real keys of the main window; the labels follow.
#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

#include "vindustest.h"

using balvo::ArketVindu;
using balvo::Celle;

class LoekkeTest : public Vindustest {
    Q_OBJECT
private slots:
    void init() { QVERIFY(aapne()); }
    void cleanup() { vindu.reset(); }

    void kjentOppgaveLoesesOgGirPoeng() {
        QCOMPARE(tekst("Poeng"), QStringLiteral("0"));
        QVERIFY(!knapp("Utfoer")->isEnabled());
        klikk("nyoppgave");
        // Line 0 by hand: 2x + 3 = 5.
        auto& ark = vindu->arket().ark();
        const Celle linje0[] = {0, 2, 3, 0, 0, 5};
        for (int j = 1; j <= 6; ++j) {
            ark.teller[0][j] = linje0[j - 1];
            ark.nevner[0][j] = 1;
        }
        vindu->arket().settmodus(balvo::Modus::ny_oppgave);

        klikk("opr_1");  // "Trekk fra..."
        QVERIFY(!knapp("Utfoer")->isEnabled());
        klikk("siffer_3");
        klikk("Utfoer");
        QCOMPARE(ark.sistelinje, 1);
        QCOMPARE(tekst("Poeng"), QStringLiteral("0"));
        klikk("opr_3");  // "Divider begge sider med..."
        klikk("siffer_2");
        klikk("Utfoer");
        QCOMPARE(ark.teller[2][2], Celle{1});
        QCOMPARE(ark.teller[2][6], Celle{1});
        QCOMPARE(tekst("Poeng"), QStringLiteral("1"));
        QCOMPARE(tekst("Loeste"), QStringLiteral("1"));
        QVERIFY(!knapp("siffer_3")->isEnabled());
        QVERIFY(knapp("opr_0")->isEnabled());
    }

    void tilfeldigOppgaveLoesesGenerelt() {
        // "Kun x" without fractions: a x + b = c x + d with a ≠ c.
        klikk("nyoppgave");
        const auto& ark = vindu->arket().ark();
        const Celle a = ark.teller[0][2], b = ark.teller[0][3];
        const Celle c = ark.teller[0][5], d = ark.teller[0][6];
        QVERIFY(a != c);
        if (c != 0) {
            klikk("opr_1");
            tall(c);
            klikk("variabel_0");
            klikk("Utfoer");
        }
        if (b != 0) {
            klikk("opr_1");
            tall(b);
            klikk("Utfoer");
        }
        klikk("opr_3");
        tall(a - c);
        klikk("Utfoer");
        const int n = ark.linjenr;
        QCOMPARE(ark.teller[n][2], Celle{1});
        QCOMPARE(ark.nevner[n][2], Celle{1});
        QCOMPARE(ark.teller[n][5], Celle{0});
        // x = (d − b)/(a − c), in lowest terms with a positive denominator.
        QCOMPARE(ark.teller[n][6] * (a - c), (d - b) * ark.nevner[n][6]);
        QCOMPARE(tekst("Poeng"), QStringLiteral("1"));
        QCOMPARE(tekst("Loeste"), QStringLiteral("1"));
    }

private:
    // The digits of |v|, with the negative-sign key for a negative number.
    void tall(Celle v) {
        if (v < 0) klikk("pm");
        for (char s : QByteArray::number(v < 0 ? -v : v)) {
            const QByteArray navn = "siffer_" + QByteArray(1, s);
            klikk(QString::fromLatin1(navn));
        }
    }
};

QTEST_MAIN(LoekkeTest)
#include "loekke_qtest.moc"
