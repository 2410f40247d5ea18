// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the main window drives a whole exercise; keys act only while usable; the
// screen-reader names and row texts; copying the sheet; saving and printing without an
// exercise, and a save that fails.
#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "qt/document/eksport.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/tastatur.h"
#include "qt/ui/bildeboks.h"
#include "vindustest.h"

using balvo::ArketVindu;

namespace {

// Answers the next modal box with OK and keeps its title and text.
void svar_ok(QString& tittel, QString& tekst) {
    QTimer::singleShot(0, [&tittel, &tekst] {
        if (auto* boks = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            tittel = boks->windowTitle();
            tekst = boks->text();
            boks->accept();
        }
    });
}

QString beskrivelse(ArketVindu& vindu, int rad) {
    return vindu.findChild<balvo::ui::Bildeboks*>(QStringLiteral("Linje_%1").arg(rad))
        ->accessibleDescription();
}

void skriv(QWidget* w, const char* taster) {
    for (const char* c = taster; *c; ++c) QTest::keyClicks(w, QString(QChar::fromLatin1(*c)));
}

}  // namespace

class TastaturTest : public Vindustest {
    Q_OBJECT
private slots:
    void init() { QVERIFY(aapne()); }
    void cleanup() { vindu.reset(); }

    void tabellensKnapperFinnes() {
        for (const auto& v : balvo::tastevalg())
            if (v.handling == balvo::Tastehandling::knapp) QVERIFY(vindu->tast(v.knapp));
        QVERIFY(vindu->nyoppgaveknapp());
    }

    void tilgjengeligeNavn_data() {
        QTest::addColumn<QString>("knapp");
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("tips");
        const auto rad = [](const char* k, const char* n, const char* t) {
            QTest::newRow(k) << QString(k) << QString::fromUtf8(n) << QString::fromUtf8(t);
        };
        rad("opr_0", "Legg til...", "Legg til...");
        rad("opr_1", "Trekk fra...", "Trekk fra...");
        rad("opr_2", "Multipliser begge sider med..", "Multipliser begge sider med..");
        rad("opr_3", "Divider begge sider med...", "Divider begge sider med...");
        rad("opr_4", "Trekk kvadratrot av begge sider", "Trekk kvadratrot av begge sider");
        rad("opr_5", "Kvadrer begge sider", "Kvadrer begge sider");
        rad("opr_6", "Snu alle fortegn", "Snu alle fortegn");
        rad("opr_7", "Bytt sider", "Bytt sider");
        rad("siffer_0", "0", "");
        rad("siffer_7", "7", "");
        rad("pm", "Negativt fortegn", "Negativt fortegn");
        rad("broekstrek", "Brøkstrek", "Brøkstrek");
        rad("Utfoer", "Utfør", "");
        rad("strykut", "Stryk ut", "Stryk ut");
        rad("variabel_0", "Den ukjente", "Den ukjente");
        rad("variabel_1", "Den ukjente i andre", "Den ukjente i andre");
        rad("scrollopp", "Rull opp", "");
        rad("scrollned", "Rull ned", "");
    }
    void tilgjengeligeNavn() {
        QFETCH(QString, knapp);
        QFETCH(QString, navn);
        QFETCH(QString, tips);
        auto* k = vindu->findChild<QAbstractButton*>(knapp);
        QVERIFY(k);
        QCOMPARE(k->accessibleName(), navn);
        QCOMPARE(k->toolTip(), tips);  // the tooltips stay word for word
    }

    void menysnarveier_data() {
        QTest::addColumn<QString>("punkt");
        QTest::addColumn<QKeySequence>("snarvei");
        QTest::newRow("Egen likning") << "egendef" << QKeySequence(QStringLiteral("Ctrl+E"));
        QTest::newRow("Grafisk løsning") << "mmPapir" << QKeySequence(QStringLiteral("Ctrl+G"));
        QTest::newRow("Utskrift") << "Utskrift" << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("Lagre som") << "Lagre" << QKeySequence(QStringLiteral("Ctrl+S"));
        QTest::newRow("Tips") << "tips" << QKeySequence(QStringLiteral("Ctrl+T"));
        QTest::newRow("Løsningsforslag")
            << "loesningsforslag" << QKeySequence(QStringLiteral("Ctrl+L"));
    }
    void menysnarveier() {
        QFETCH(QString, punkt);
        QFETCH(QKeySequence, snarvei);
        QCOMPARE(vindu->findChild<QAction*>(punkt)->shortcut(), snarvei);
    }

    // Page Up and Page Down scroll the worksheet wherever the keyboard is in the window.
    void sideOppOgNedFraEnhverFokus_data() {
        QTest::addColumn<QString>("fokus");
        for (const char* f : {"arkliste", "opr_0", "nyoppgave", "Check1"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void sideOppOgNedFraEnhverFokus() {
        QFETCH(QString, fokus);
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        for (const char* steg : {"-3", ":2", "+1", "+1", "+1"}) {
            skriv(vindu.get(), steg);
            QTest::keyClick(vindu.get(), Qt::Key_Return);
        }
        QCOMPARE(vindu->arket().ark().sistelinje, 5);
        QWidget* w = vindu->findChild<QWidget*>(fokus);
        QVERIFY(w && w->isEnabled());
        QTest::keyClick(w, Qt::Key_PageUp);
        QCOMPARE(beskrivelse(*vindu, 1), QStringLiteral("2x = 2"));
        QTest::keyClick(w, Qt::Key_PageDown);
        QCOMPARE(beskrivelse(*vindu, 1), QStringLiteral("x = 1"));
    }

    void tasterUtenOppgaveGjoerIngenting() {
        auto& ark = vindu->arket().ark();
        skriv(vindu.get(), "5+-x");
        QTest::keyClick(vindu.get(), Qt::Key_Return);
        QTest::keyClick(vindu.get(), Qt::Key_Escape);
        QVERIFY(ark.tellertekst.empty());
        QVERIFY(ark.regneart == balvo::Operasjon::ingen);
        QVERIFY(!ark.minus);
        QCOMPARE(ark.sistelinje, 0);
        QCOMPARE(beskrivelse(*vindu, 0), QString());
    }

    void helOppgaveFraTastaturet() {
        auto& arket = vindu->arket();
        QVERIFY(arket.egne({"0", "2", "3", "0", "0", "5"}).ok);
        QCOMPARE(beskrivelse(*vindu, 0), QStringLiteral("2x + 3 = 5"));
        QWidget* w = vindu.get();

        // "-" chooses "Trekk fra..." while it is usable.
        skriv(w, "-3");
        QCOMPARE(arket.ark().regneart, balvo::Operasjon::trekk_fra);
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(arket.ark().sistelinje, 1);
        QCOMPARE(beskrivelse(*vindu, 1), QStringLiteral("2x = 2"));

        // A digit before an operation is not usable, so nothing happens.
        const std::string foer = arket.ark().tellertekst;
        skriv(w, "9");
        QCOMPARE(arket.ark().tellertekst, foer);

        skriv(w, ":2");
        QTest::keyClick(w, Qt::Key_Enter);  // the keypad's Enter too
        QCOMPARE(beskrivelse(*vindu, 2), QStringLiteral("x = 1"));
        QCOMPARE(arket.poeng(), 1);
        QCOMPARE(arket.loeste(), 1);

        // Escape crosses out a half-typed operand.
        skriv(w, "*7");
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(arket.ark().tellertekst.empty());
        QVERIFY(arket.ark().regneart == balvo::Operasjon::ingen);

        // After "Legg til..." the minus is the negative sign; / the fraction bar; x the unknown.
        skriv(w, "+-3/4x");
        QVERIFY(arket.ark().minus);
        QCOMPARE(arket.ark().nevnertekst, std::string("4"));
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(beskrivelse(*vindu, 3), QStringLiteral("(1/4)x = −(3/4)x + 1"));

        // n the negative sign, Shift+X the unknown squared, Backspace crosses out; b swaps, f
        // changes all signs.
        skriv(w, "+n2");
        QTest::keyClick(w, Qt::Key_X, Qt::ShiftModifier);
        QVERIFY(arket.ark().medx2);
        QTest::keyClick(w, Qt::Key_Backspace);
        QVERIFY(arket.ark().regneart == balvo::Operasjon::ingen);
        QVERIFY(!arket.ark().minus);
        skriv(w, "b");
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(beskrivelse(*vindu, 4), QStringLiteral("−(3/4)x + 1 = (1/4)x"));
        skriv(w, "f");
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(arket.ark().sistelinje, 5);
        QCOMPARE(beskrivelse(*vindu, 4), QStringLiteral("(3/4)x − 1 = −(1/4)x"));
        QCOMPARE(beskrivelse(*vindu, 1), QStringLiteral("x = 1"));

        // Page Up shows the earlier lines in the rows; Page Down goes back.
        QTest::keyClick(w, Qt::Key_PageUp);
        QCOMPARE(beskrivelse(*vindu, 1), QStringLiteral("2x = 2"));
        QCOMPARE(beskrivelse(*vindu, 4), QStringLiteral("−(3/4)x + 1 = (1/4)x"));
        QTest::keyClick(w, Qt::Key_PageDown);
        QCOMPARE(beskrivelse(*vindu, 4), QStringLiteral("(3/4)x − 1 = −(1/4)x"));

        // Ctrl+C: the whole sheet, one line each, its operation beside it.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("2x + 3 = 5    Trekk fra 3\n"
                                "2x = 2    Del med 2\n"
                                "x = 1    Legg til −(3/4)x\n"
                                "(1/4)x = −(3/4)x + 1    Bytt side\n"
                                "−(3/4)x + 1 = (1/4)x    Snu fortegn\n"
                                "(3/4)x − 1 = −(1/4)x"));

        // Ctrl+N: a new exercise replaces the sheet.
        QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(arket.ark().sistelinje, 0);
        QCOMPARE(beskrivelse(*vindu, 1), QString());
        QVERIFY(!beskrivelse(*vindu, 0).isEmpty());
    }

    void lagreOgSkriveUtUtenOppgave() {
        QString tittel, tekst;
        svar_ok(tittel, tekst);
        vindu->Lagre_Click();
        QCOMPARE(tittel, QStringLiteral("Til etteretning"));
        QCOMPARE(tekst, QStringLiteral("Det er ingen oppgave å lagre ennå."));
        svar_ok(tittel, tekst);
        vindu->Utskrift_Click();
        QCOMPARE(tekst, QStringLiteral("Det er ingen oppgave å skrive ut ennå."));

        // The same from the keyboard: Ctrl+S through the menu's shortcut, and Ctrl+P through
        // the window's own table when the shortcut system passed the key on.
        tekst.clear();
        svar_ok(tittel, tekst);
        QTest::keyClick(vindu.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(tekst, QStringLiteral("Det er ingen oppgave å lagre ennå."));
        tekst.clear();
        svar_ok(tittel, tekst);
        QVERIFY(vindu->findChild<balvo::Tastatur*>()->trykk(Qt::Key_P, Qt::ControlModifier, {}));
        QCOMPARE(tekst, QStringLiteral("Det er ingen oppgave å skrive ut ennå."));
    }

    void lagringSomFeilerGirPaatale() {
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        QTemporaryDir mappe;
        QFile hindring(mappe.filePath(QStringLiteral("fil")));
        QVERIFY(hindring.open(QIODevice::WriteOnly));
        hindring.close();
        const QString sti = mappe.filePath(QStringLiteral("fil/likning.pdf"));
        QString tittel, tekst;
        svar_ok(tittel, tekst);
        QVERIFY(!balvo::lagreark(vindu->hovedvindu(), sti));
        QCOMPARE(tittel, QStringLiteral("Påtale"));
        QCOMPARE(tekst, QStringLiteral("Filen «%1» kunne ikke lagres: mappen finnes ikke, eller du "
                                       "har ikke lov til å skrive i den.")
                            .arg(sti));
        QVERIFY(!QFileInfo::exists(sti));

        // The same sheet saves where it may, with the window's captions in its header.
        const QString god = mappe.filePath(QStringLiteral("likning.pdf"));
        QVERIFY(balvo::lagreark(vindu->hovedvindu(), god));
        QVERIFY(QFileInfo(god).size() > 1000);
    }
};

QTEST_MAIN(TastaturTest)
#include "tastatur_qtest.moc"
