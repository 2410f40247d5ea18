// SPDX-License-Identifier: GPL-3.0-or-later
// The languages in the real window: the start in each (and exactly today's window when nothing
// is chosen and the locale is Bokmål or unknown), a switch in the middle of an exercise, the
// remembered choice, and translations that are missing or broken.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include "core/about/om.h"
#include "qt/about/omboks.h"
#include "qt/coach/loesningsforslag.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/ui/spraak.h"
#include "vindustest.h"

using balvo::ui::spraak;

class SpraakTest : public Vindustest {
    Q_OBJECT

    // What a pupil reads first: captions, a tooltip, the perform key's name, the menus.
    QStringList hovedtekster() const {
        QStringList ut{knapp("nyoppgave")->text(),
                       knapp("Check1")->text(),
                       tekst("Label1"),
                       tekst("Label2"),
                       knapp("opr_1")->toolTip(),
                       knapp("Utfoer")->accessibleName()};
        for (QAction* m : vindu->menuBar()->actions()) ut << m->text();
        return ut;
    }
    QAction* valg(const QString& kode) const {
        return vindu->findChild<QAction*>("spraak_" + kode);
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mappe.path());
        // Today's window: made before the program has a language of its own.
        QVERIFY(aapne());
        idag = vindu->grab().toImage();
        idagtekster = hovedtekster();
    }
    void init() {
        spraak().bytt("nb");
        balvo::ui::innstillinger()->clear();
    }

    void startspraak_data() {
        QTest::addColumn<QString>("valgt");  // "-": nothing remembered
        QTest::addColumn<QString>("lokale");
        QTest::addColumn<QString>("ventet");
        QTest::newRow("nb locale") << "-"
                                   << "nb-NO"
                                   << "nb";
        QTest::newRow("unknown locale") << "-"
                                        << "de-DE"
                                        << "nb";
        QTest::newRow("nn locale") << "-"
                                   << "nn-NO"
                                   << "nn";
        QTest::newRow("en locale") << "-"
                                   << "en-GB"
                                   << "en";
        QTest::newRow("the choice wins") << "en"
                                         << "nn-NO"
                                         << "en";
        QTest::newRow("unknown choice") << "xx"
                                        << "nn-NO"
                                        << "nb";
    }
    void startspraak() {
        QFETCH(QString, valgt);
        QFETCH(QString, lokale);
        QFETCH(QString, ventet);
        auto s = balvo::ui::innstillinger();
        if (valgt != "-") s->setValue("spraak", valgt);
        spraak().bytt("en");
        const std::string_view kode = spraak().bytt(balvo::ui::startspraak(*s, lokale));
        QCOMPARE(QString::fromLatin1(kode.data(), qsizetype(kode.size())), ventet);
        if (kode != "nb") return;
        QVERIFY(aapne());
        QCOMPARE(hovedtekster(), idagtekster);
        QCOMPARE(vindu->grab().toImage(), idag);
    }

    void oppstart_data() {
        QTest::addColumn<QString>("kode");
        QTest::addColumn<QStringList>("tekster");
        QTest::addColumn<bool>("qtdialoger");  // Qt's dialogs translated (Bokmål uses Nynorsk)
        QTest::newRow("nb") << "nb" << idagtekster << true;
        QTest::newRow("nn") << "nn" << QStringList{"Ny oppgåve",   "Brøkar",
                                                   "Vanskegrad:",  "Løyste oppgåver:",
                                                   "Trekk frå...", "Utfør",
                                                   "Val",          "Rediger",
                                                   "Hjelp",        "Vis",
                                                   "Økt",          "Språk"}
                            << true;
        QTest::newRow("en") << "en"
                            << QStringList{"New exercise", "Fract.", "Difficulty:", "Solved:",
                                           "Subtract...",  "Apply",  "Options",     "Edit",
                                           "Help",         "View",   "Lesson",      "Language"}
                            << false;
    }
    void oppstart() {
        QFETCH(QString, kode);
        QFETCH(QStringList, tekster);
        QFETCH(bool, qtdialoger);
        spraak().bytt(kode.toStdString());
        QVERIFY(aapne());
        QCOMPARE(hovedtekster(), tekster);
        QVERIFY(valg(kode)->isChecked());
        QCOMPARE(vindu->menuBar()->actions().last()->menu()->objectName(), QString("Spraak"));
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_nn.qm"))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel",
                     qtdialoger);
    }

    void byttMidtIOppgaven_data() {
        QTest::addColumn<QString>("kode");
        // Fields 0..2, the key "Trekk fra...", the rows "Steg:" and "Prøve:", the heading of
        // the open window "Løsningsforslag".
        QTest::addColumn<QStringList>("felter");
        QTest::addColumn<QString>("egen");  // the open own-equation dialog's title
        QTest::newRow("nn") << "nn"
                            << QStringList{"Trekk frå 3",       "Del med 2",       "Gong med 5",
                                           "Trekk frå...",      "2 (kortaste: 2)", "stemmer",
                                           "Likninga er løyst."}
                            << "Skriv eiga likning";
        QTest::newRow("en") << "en"
                            << QStringList{"Subtract 3",
                                           "Divide by 2",
                                           "Times 5",
                                           "Subtract...",
                                           "2 (shortest: 2)",
                                           "correct",
                                           "The equation is solved."}
                            << "Write your own equation";
    }
    void byttMidtIOppgaven() {
        QFETCH(QString, kode);
        QFETCH(QStringList, felter);
        QFETCH(QString, egen);
        QVERIFY(aapne());
        // 2x + 3 = 7 solved and scored, then "Gang med" 5 typed on the third row.
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "7"}).ok);
        for (const char* k :
             {"opr_1", "siffer_3", "Utfoer", "opr_3", "siffer_2", "Utfoer", "opr_2", "siffer_5"})
            klikk(k);
        vindu->egendef_Click();
        vindu->om_Click();
        vindu->Loesningsforslag_Click();
        const balvo::Ark ark = vindu->arket().ark();
        const balvo::Tastesett taster = vindu->arket().taster();
        std::array<QImage, 6> bilder;
        for (int k = 0; k < 5; ++k) bilder[k] = boks(QString("Linje_%1").arg(k))->skjermbilde();
        bilder[5] = vindu->grab(finn("Pi_R")->geometry()).toImage();

        valg(kode)->trigger();

        for (int k = 0; k < 3; ++k)
            QCOMPARE(boks(QString("opfelt_%1").arg(k))->tekster().join(' '), felter[k]);
        QCOMPARE(knapp("opr_1")->toolTip(), felter[3]);
        QCOMPARE(knapp("opr_1")->accessibleName(), felter[3]);
        QCOMPARE((QStringList{tekst("Steg"), tekst("Proeve")}), felter.mid(4, 2));
        QCOMPARE(vindu->findChild<balvo::Loesningsforslag*>()->overskrift(), felter[6]);
        QCOMPARE(vindu->findChild<balvo::egenlikning*>()->windowTitle(), egen);
        QCOMPARE(vindu->findChild<balvo::frmOm*>()->findChild<QLabel*>("Formaal")->text(),
                 balvo::ui::qtr(balvo::formaal));
        // The worksheet, the score, the keys, the rows and the marker are as they were.
        const balvo::Ark& etter = vindu->arket().ark();
        QVERIFY(etter.teller == ark.teller && etter.linjeteller == ark.linjeteller);
        QCOMPARE(etter.tellertekst, ark.tellertekst);
        QVERIFY(vindu->arket().taster() == taster);
        QCOMPARE((QStringList{tekst("Nivaa"), tekst("Poeng"), tekst("Loeste")}),
                 (QStringList{"1", "1", "1"}));
        for (int k = 0; k < 5; ++k)
            QCOMPARE(boks(QString("Linje_%1").arg(k))->skjermbilde(), bilder[k]);
        QCOMPARE(vindu->grab(finn("Pi_R")->geometry()).toImage(), bilder[5]);
        // Remembered for the next run, and nothing else is.
        QCOMPARE(balvo::ui::innstillinger()->allKeys(), QStringList{"spraak"});
        QCOMPARE(balvo::ui::innstillinger()->value("spraak").toString(), kode);
        klikk("Utfoer");  // the pupil goes on where they were
        QCOMPARE(vindu->arket().ark().linjenr, 3);
    }

    void manglerEllerOedelagt_data() {
        QTest::addColumn<QByteArray>("innhold");  // empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a translation") << QByteArray("<TS>ikke ferdig</TS>\n");
        QTest::newRow("cut off") << QByteArray("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd", 9);
    }
    void manglerEllerOedelagt() {
        QFETCH(QByteArray, innhold);
        QTemporaryDir tom;
        QFile f(tom.filePath("balvo_nn.qm"));
        if (!innhold.isEmpty()) QVERIFY(f.open(QIODevice::WriteOnly) && f.write(innhold) > 0);
        f.close();
        const QStringList mapper = spraak().mapper();
        spraak().settmapper({tom.path()});
        QVERIFY(aapne());
        valg("nn")->trigger();
        spraak().settmapper(mapper);
        // Bokmål, silently, and the menu says so.
        QCOMPARE(hovedtekster(), idagtekster);
        QVERIFY(valg("nb")->isChecked() && !valg("nn")->isChecked());
        QCOMPARE(balvo::ui::innstillinger()->value("spraak").toString(), QString("nb"));
    }

private:
    QTemporaryDir mappe;
    QImage idag;
    QStringList idagtekster;
};

QTEST_MAIN(SpraakTest)
#include "spraak_qtest.moc"
