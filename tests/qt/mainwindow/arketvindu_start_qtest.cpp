// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at work: the state after start-up, the level through the real option
// buttons, the keys the logic switches, the solved marker and the diagnostic log.
#include <QAbstractButton>
#include <QLabel>
#include <QLoggingCategory>
#include <QtTest>

#include "vindustest.h"

using balvo::ArketVindu;

namespace {

struct Logglinje {
    QString kategori, tekst;
};
std::vector<Logglinje> logg;

void fang(QtMsgType, const QMessageLogContext& sted, const QString& tekst) {
    logg.push_back({QString::fromUtf8(sted.category), tekst});
}

}  // namespace

class ArketvinduStartTest : public Vindustest {
    Q_OBJECT
private slots:
    void init() { QVERIFY(aapne()); }

    void etterOppstart() {
        QCOMPARE(tekst("Nivaa"), QString("1"));
        QCOMPARE(tekst("Poeng"), QString("0"));
        QCOMPARE(tekst("Loeste"), QString("0"));
        for (const char* skjult : {"Pi_R", "Linje_7", "Linje_8"})
            QVERIFY(!finn(skjult)->isVisible());
        QVERIFY(knapp("Option1")->isChecked());
        QVERIFY(!knapp("Check1")->isChecked());
        QVERIFY(knapp("nyoppgave")->isEnabled());
        QStringList brukbare;
        for (auto* k : vindu->centralWidget()->findChildren<QAbstractButton*>())
            if (k->isEnabled()) brukbare << k->objectName();
        brukbare.sort();
        QCOMPARE(brukbare, (QStringList{"Check1", "Option1", "Option2", "Option3", "nyoppgave"}));
    }

    void nivaaFraValgene_data() {
        QTest::addColumn<QStringList>("klikk");
        QTest::addColumn<QString>("nivaa");
        QTest::newRow("Kun x") << QStringList{"Option1"} << "1";
        QTest::newRow("Kun x, brøker") << QStringList{"Check1"} << "2";
        QTest::newRow("Kun x²") << QStringList{"Option2"} << "3";
        QTest::newRow("Kun x², brøker") << QStringList{"Option2", "Check1"} << "4";
        QTest::newRow("Både x² og x") << QStringList{"Option3"} << "5";
        QTest::newRow("Både x² og x, brøker") << QStringList{"Check1", "Option3"} << "6";
        QTest::newRow("4, så 6, så 5")
            << QStringList{"Option2", "Check1", "Option3", "Check1"} << "5";
        QTest::newRow("brøker av igjen") << QStringList{"Check1", "Check1"} << "1";
    }
    void nivaaFraValgene() {
        QFETCH(QStringList, klikk);
        QFETCH(QString, nivaa);
        QTest::mouseClick(knapp("nyoppgave"), Qt::LeftButton);
        const balvo::Ark foer = vindu->arket().ark();
        const QImage rad0 = boks("Linje_0")->skjermbilde();
        for (const QString& navn : klikk) QTest::mouseClick(knapp(navn), Qt::LeftButton);
        QCOMPARE(tekst("Nivaa"), nivaa);
        QCOMPARE(vindu->arket().nivaa(), nivaa.toInt());
        // The worksheet stays as it was.
        const balvo::Ark& etter = vindu->arket().ark();
        QVERIFY(etter.teller == foer.teller && etter.nevner == foer.nevner);
        QVERIFY(etter.rotteller == foer.rotteller && etter.rotnevner == foer.rotnevner);
        QCOMPARE(etter.linjenr, foer.linjenr);
        QCOMPARE(boks("Linje_0")->skjermbilde(), rad0);
        QCOMPARE(tekst("Poeng"), QString("0"));
    }

    void klikkGaarTilLogikken() {
        QTest::mouseClick(knapp("nyoppgave"), Qt::LeftButton);
        QVERIFY(vindu->arket().har_oppgave());
        QVERIFY(knapp("opr_1")->isEnabled());
        QTest::mouseClick(knapp("opr_1"), Qt::LeftButton);
        QCOMPARE(vindu->arket().ark().regneart, balvo::Operasjon::trekk_fra);
        QTest::mouseClick(knapp("siffer_3"), Qt::LeftButton);
        QCOMPARE(vindu->arket().ark().tellertekst, std::string("3"));
        QVERIFY(boks("opfelt_0")->antall_operasjoner() > 0);
    }

    void tasteneFoelgerLogikken_data() {
        QTest::addColumn<int>("tast");
        QTest::addColumn<QString>("navn");
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(QString("siffer %1").arg(i)))
                << balvo::siffer0 + i << QString("siffer_%1").arg(i);
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QString("opr %1").arg(i)))
                << balvo::opr0 + i << QString("opr_%1").arg(i);
        const std::pair<balvo::Tast, const char*> andre[] = {
            {balvo::Utfoer, "Utfoer"},         {balvo::pm, "pm"},
            {balvo::broekstrek, "broekstrek"}, {balvo::variabel0, "variabel_0"},
            {balvo::variabel1, "variabel_1"},  {balvo::scrollopp, "scrollopp"},
            {balvo::scrollned, "scrollned"},   {balvo::strykut, "strykut"},
            {balvo::Check1, "Check1"},         {balvo::Option1, "Option1"},
            {balvo::Option2, "Option2"},       {balvo::Option3, "Option3"}};
        for (const auto& [t, n] : andre) QTest::newRow(n) << int(t) << QString(n);
    }
    void tasteneFoelgerLogikken() {
        QFETCH(int, tast);
        QFETCH(QString, navn);
        balvo::Tastesett bare;
        bare.set(static_cast<std::size_t>(tast));
        vindu->setttaster(bare);
        QVERIFY(knapp(navn)->isEnabled());
        int brukbare = 0;
        for (auto* k : vindu->centralWidget()->findChildren<QAbstractButton*>())
            brukbare += k->isEnabled() ? 1 : 0;
        QCOMPARE(brukbare, 2);  // that key and "Ny oppgave", which the logic never switches
    }

    void merketFlyttesOgSkjules() {
        vindu->vismerke(459, 12);  // points of the client area
        QWidget* r = finn("Pi_R");
        QVERIFY(r->isVisible());
        QCOMPARE(r->pos(), QPoint(612, 16));
        QCOMPARE(r->size(), QSize(41, 49));
        vindu->skjulmerke();
        QVERIFY(!r->isVisible());
    }

    void radeneErSkallets() {
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(&vindu->linje(k),
                     static_cast<balvo::Tegneflate*>(boks(QString("Linje_%1").arg(k))));
            QCOMPARE(&vindu->opfelt(k),
                     static_cast<balvo::Tegneflate*>(boks(QString("opfelt_%1").arg(k))));
        }
    }

    void diagnostikkTilLogg() {
        logg.clear();
        const auto forrige = qInstallMessageHandler(fang);
        const std::vector<std::string> linjer{"teller(1,2) = 3", "  x = 1 ± 2·√3  ", ""};
        vindu->diagnostikk(balvo::Diagnoseboks::etter_operasjon,
                           linjer);  // off by default: nothing
        const std::size_t av = logg.size();
        QLoggingCategory::setFilterRules("balvo.diagnostikk=true");
        vindu->diagnostikk(balvo::Diagnoseboks::etter_operasjon, linjer);
        QLoggingCategory::setFilterRules("balvo.diagnostikk=false");
        qInstallMessageHandler(forrige);
        QCOMPARE(av, std::size_t{0});
        QCOMPARE(logg.size(), linjer.size());
        for (std::size_t i = 0; i < linjer.size(); ++i) {
            QCOMPARE(logg[i].kategori, QString("balvo.diagnostikk"));
            QCOMPARE(logg[i].tekst, QString::fromStdString(linjer[i]));
        }
        QVERIFY(!finn("Linje_8")->isVisible());  // the pupil never sees it
    }
};

QTEST_MAIN(ArketvinduStartTest)
#include "arketvindu_start_qtest.moc"
