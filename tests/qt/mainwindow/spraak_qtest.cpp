// The three languages in the real window: the start in each, the start that must look exactly
// as today, the switch in the middle of an exercise (worksheet, score and keys kept; fields,
// rows and open windows in the new language), the menu "Språk", the remembered choice, and
// translations that are missing or broken.
#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "qt/about/omboks.h"
#include "qt/graph/grafvindu.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/ui/spraak.h"
#include "vindustest.h"

using balvo::ui::spraak;

namespace {

// The captions, tooltips and menus a pupil reads first, as one text per control.
QStringList hovedtekster(const balvo::ArketVindu& v) {
    QStringList ut;
    for (const char* n : {"nyoppgave", "Option3", "Option2", "Option1", "Check1"})
        ut << v.findChild<QAbstractButton*>(n)->text();
    for (const char* n : {"Label1", "Label2", "Label3"}) ut << v.findChild<QLabel*>(n)->text();
    ut << v.findChild<QGroupBox*>("Frame1")->title();
    for (const char* n : {"opr_0", "opr_1", "opr_2", "opr_3", "opr_4", "variabel_0"})
        ut << v.findChild<QAbstractButton*>(n)->toolTip();
    ut << v.findChild<QAbstractButton*>("Utfoer")->accessibleName();
    for (QAction* m : v.menuBar()->actions()) ut << m->text();
    return ut;
}

}  // namespace

class SpraakTest : public Vindustest {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(mappe.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mappe.path());
        // Today's window: made before the program has any language of its own.
        QVERIFY(aapne());
        idag = vindu->grab().toImage();
        idagtekster = hovedtekster(*vindu);
        vindu.reset();
    }
    void init() { spraak().bytt("nb"); }
    void cleanupTestCase() { spraak().bytt("nb"); }

    void startspraak_data() {
        QTest::addColumn<QString>("valgt");  // "-": nothing remembered
        QTest::addColumn<QString>("lokale");
        QTest::addColumn<QString>("spraak");
        QTest::newRow("nn") << "-"
                            << "nn-NO"
                            << "nn";
        QTest::newRow("nb") << "-"
                            << "nb-NO"
                            << "nb";
        QTest::newRow("no") << "-"
                            << "no"
                            << "nb";
        QTest::newRow("en") << "-"
                            << "en-GB"
                            << "en";
        QTest::newRow("en-US") << "-"
                               << "en-US"
                               << "en";
        QTest::newRow("de") << "-"
                            << "de-DE"
                            << "nb";
        QTest::newRow("C") << "-"
                           << "C"
                           << "nb";
        QTest::newRow("the choice wins") << "en"
                                         << "nn-NO"
                                         << "en";
        QTest::newRow("Bokmål chosen") << "nb"
                                       << "en-GB"
                                       << "nb";
        QTest::newRow("unknown choice") << "xx"
                                        << "nn-NO"
                                        << "nb";
        QTest::newRow("empty choice") << ""
                                      << "en-GB"
                                      << "nb";
    }
    void startspraak() {
        QFETCH(QString, valgt);
        QFETCH(QString, lokale);
        QFETCH(QString, spraak);
        auto s = balvo::ui::innstillinger();
        s->clear();
        if (valgt != "-") s->setValue("spraak", valgt);
        QCOMPARE(QString::fromLatin1(balvo::ui::startspraak(*s, lokale).data()), spraak);
        s->clear();
    }

    void somIDag_data() {
        QTest::addColumn<QString>("lokale");
        QTest::newRow("nb-NO") << "nb-NO";
        QTest::newRow("no") << "no";
        QTest::newRow("de-DE") << "de-DE";
        QTest::newRow("C") << "C";
    }
    void somIDag() {
        // No choice yet and a Bokmål or unknown locale: exactly the window of today.
        QFETCH(QString, lokale);
        auto s = balvo::ui::innstillinger();
        s->clear();
        spraak().bytt("en");
        QCOMPARE(spraak().bytt(balvo::ui::startspraak(*s, lokale)), std::string_view("nb"));
        QVERIFY(aapne());
        QCOMPARE(hovedtekster(*vindu), idagtekster);
        QCOMPARE(vindu->grab().toImage(), idag);
    }

    void oppstartIHvertSpraak_data() {
        QTest::addColumn<QString>("spraak");
        QTest::addColumn<QStringList>("tekster");
        QTest::newRow("nb") << "nb" << idagtekster;
        QTest::newRow("nn") << "nn"
                            << QStringList{"Ny oppgåve",
                                           "Både x² og x",
                                           "Berre x²",
                                           "Berre x",
                                           "Brøkar",
                                           "Vanskegrad:",
                                           "Løyste oppgåver:",
                                           "Poeng:",
                                           "Likningstype",
                                           "Legg til...",
                                           "Trekk frå...",
                                           "Multipliser begge sider med..",
                                           "Divider begge sider med...",
                                           "Trekk kvadratrot av begge sider",
                                           "Den ukjende",
                                           "Utfør",
                                           "Val",
                                           "Rediger",
                                           "Språk"};
        QTest::newRow("en") << "en"
                            << QStringList{"New exercise",
                                           "x² and x",
                                           "Only x²",
                                           "Only x",
                                           "Fract.",
                                           "Difficulty:",
                                           "Solved:",
                                           "Score:",
                                           "Equation type",
                                           "Add...",
                                           "Subtract...",
                                           "Multiply both sides by..",
                                           "Divide both sides by...",
                                           "Take the square root of both sides",
                                           "The unknown",
                                           "Apply",
                                           "Options",
                                           "Edit",
                                           "Language"};
    }
    void oppstartIHvertSpraak() {
        QFETCH(QString, spraak);
        QFETCH(QStringList, tekster);
        QCOMPARE(QString::fromLatin1(balvo::ui::spraak().bytt(spraak.toStdString()).data()),
                 spraak);
        QVERIFY(aapne());
        QCOMPARE(hovedtekster(*vindu), tekster);
        // The menu "Språk" is last; the language spoken is the one checked.
        QStringList valgt;
        for (QAction* a : vindu->findChild<QMenu*>("Spraak")->actions())
            if (a->isChecked()) valgt << a->objectName();
        QCOMPARE(valgt, QStringList{"spraak_" + spraak});
        QCOMPARE(vindu->menuBar()->actions().last()->menu()->objectName(), QString("Spraak"));
    }

    void qtsDialoger_data() {
        QTest::addColumn<QString>("spraak");
        QTest::addColumn<bool>("oversatt");
        QTest::newRow("nb") << "nb" << true;  // Nynorsk, as always: Debian has no Bokmål
        QTest::newRow("nn") << "nn" << true;
        QTest::newRow("en") << "en" << false;
    }
    void qtsDialoger() {
        QFETCH(QString, spraak);
        QFETCH(bool, oversatt);
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_nn.qm"))
            QSKIP("qt6-translations-l10n is not installed");
        balvo::ui::spraak().bytt(spraak.toStdString());
        const QString avbryt = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(avbryt != "Cancel", oversatt);
    }

    void byttMidtIOppgaven_data() {
        QTest::addColumn<QString>("spraak");
        QTest::addColumn<QStringList>("felter");  // fields 0..2, texts joined by spaces
        QTest::addColumn<QString>("tips");        // the key "Trekk fra...", and its name
        QTest::newRow("nn") << "nn" << QStringList{"Trekk frå 3", "Del med 2", "Gong med 5"}
                            << "Trekk frå...";
        QTest::newRow("en") << "en" << QStringList{"Subtract 3", "Divide by 2", "Times 5"}
                            << "Subtract...";
        QTest::newRow("nb") << "nb" << QStringList{"Trekk fra 3", "Del med 2", "Gang med 5"}
                            << "Trekk fra...";
    }
    void byttMidtIOppgaven() {
        QFETCH(QString, spraak);
        QFETCH(QStringList, felter);
        QFETCH(QString, tips);
        QVERIFY(aapne());
        // 2x + 3 = 7, solved in two steps and scored, then "Gang med" 5 typed on the third row.
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "7"}).ok);
        for (const char* k :
             {"opr_1", "siffer_3", "Utfoer", "opr_3", "siffer_2", "Utfoer", "opr_2", "siffer_5"})
            klikk(k);
        const balvo::Ark ark = vindu->arket().ark();
        const balvo::Tastesett taster = vindu->arket().taster();
        const QStringList verdier{tekst("Nivaa"), tekst("Poeng"), tekst("Loeste")};
        QCOMPARE(verdier, (QStringList{"1", "1", "1"}));
        std::array<QImage, 5> rader;
        for (int k = 0; k < 5; ++k) rader[k] = boks(QString("Linje_%1").arg(k))->skjermbilde();
        const QImage merke = finn("Pi_R")->grab().toImage();
        const bool merket = finn("Pi_R")->isVisible();

        vindu->findChild<QAction*>("spraak_" + spraak)->trigger();

        QCOMPARE(QString::fromLatin1(balvo::ui::spraak().kode().data()), spraak);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(boks(QString("opfelt_%1").arg(k))->tekster().join(' '), felter[k]);
        QVERIFY(boks("opfelt_3")->tekster().isEmpty());
        QCOMPARE(knapp("opr_1")->toolTip(), tips);
        QCOMPARE(knapp("opr_1")->accessibleName(), tips);
        // The worksheet, the score, the mode and the rows are as they were.
        const balvo::Ark& etter = vindu->arket().ark();
        QVERIFY(etter.teller == ark.teller && etter.nevner == ark.nevner);
        QVERIFY(etter.linjeopr == ark.linjeopr && etter.linjeteller == ark.linjeteller);
        QCOMPARE(etter.linjenr, ark.linjenr);
        QCOMPARE(etter.regneart, ark.regneart);
        QCOMPARE(etter.tellertekst, ark.tellertekst);
        QVERIFY(vindu->arket().taster() == taster);
        for (int t = 0; t < balvo::antall_taster; ++t)
            QCOMPARE(vindu->tast(static_cast<balvo::Tast>(t))->isEnabled(),
                     taster.test(static_cast<std::size_t>(t)));
        QCOMPARE((QStringList{tekst("Nivaa"), tekst("Poeng"), tekst("Loeste")}), verdier);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(boks(QString("Linje_%1").arg(k))->skjermbilde(), rader[k]);
        QCOMPARE(finn("Pi_R")->isVisible(), merket);
        QCOMPARE(finn("Pi_R")->grab().toImage(), merke);
        // The pupil goes on where they were.
        klikk("Utfoer");
        QCOMPARE(vindu->arket().ark().linjenr, 3);
    }

    void aapneVinduerFoelger() {
        QVERIFY(aapne());
        QVERIFY(vindu->arket().egne({"1", "0", "0", "0", "0", "4"}).ok);
        vindu->egendef_Click();
        vindu->mmPapir_Click();
        vindu->om_Click();
        auto* egen = vindu->findChild<balvo::egenlikning*>();
        auto* graf = vindu->findChild<balvo::mmArk*>();
        auto* om = vindu->findChild<balvo::frmOm*>();
        QVERIFY(egen && graf && om);
        egen->koeff(2)->setText("-3/4");
        vindu->findChild<QAction*>("spraak_en")->trigger();
        QCOMPARE(egen->windowTitle(), QString("Write your own equation"));
        QCOMPARE(egen->findChild<QPushButton*>("Glem")->text(), QString("Cancel"));
        QCOMPARE(egen->koeff(2)->text(), QString("-3/4"));  // what the pupil typed stays
        QCOMPARE(graf->windowTitle(), QString("Graphical solution"));
        QCOMPARE(om->windowTitle(), QString("About Balvo 2.0"));
        QCOMPARE(om->findChild<QLabel*>("lblVersion")->text(), QString("Version 2.03.0"));
        QVERIFY(om->findChild<QLabel*>("Formaal")->text().startsWith("The program's teaching"));
        vindu->findChild<QAction*>("spraak_nb")->trigger();
        QCOMPARE(egen->windowTitle(), QString("Skriv egen likning"));
        QCOMPARE(om->findChild<QLabel*>("lblDisclaimer")->text(), QString("\"Advarsel:\""));
    }

    void valgetHuskes() {
        QVERIFY(aapne());
        auto s = balvo::ui::innstillinger();
        s->clear();
        vindu->findChild<QAction*>("spraak_nn")->trigger();
        QCOMPARE(balvo::ui::innstillinger()->value("spraak").toString(), QString("nn"));
        // Only the language is kept.
        QCOMPARE(balvo::ui::innstillinger()->allKeys(), QStringList{"spraak"});
        QCOMPARE(balvo::ui::startspraak(*balvo::ui::innstillinger(), "en-GB"),
                 std::string_view("nn"));
        vindu->findChild<QAction*>("spraak_en")->trigger();
        QCOMPARE(balvo::ui::innstillinger()->value("spraak").toString(), QString("en"));
        s->clear();
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
        if (!innhold.isEmpty()) {
            QFile f(tom.filePath("balvo_nn.qm"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(innhold);
        }
        const QStringList mapper = spraak().mapper();
        spraak().settmapper({tom.path()});
        QVERIFY(aapne());
        vindu->findChild<QAction*>("spraak_nn")->trigger();
        spraak().settmapper(mapper);
        // Bokmål, silently, and the menu says so.
        QCOMPARE(spraak().kode(), std::string_view("nb"));
        QCOMPARE(hovedtekster(*vindu), idagtekster);
        QVERIFY(vindu->findChild<QAction*>("spraak_nb")->isChecked());
        QVERIFY(!vindu->findChild<QAction*>("spraak_nn")->isChecked());
        QCOMPARE(balvo::ui::innstillinger()->value("spraak").toString(), QString("nb"));
    }

private:
    QTemporaryDir mappe;
    QImage idag;
    QStringList idagtekster;
};

QTEST_MAIN(SpraakTest)
#include "spraak_qtest.moc"
