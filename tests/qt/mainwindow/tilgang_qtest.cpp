// SPDX-License-Identifier: GPL-3.0-or-later
// A blind pupil at the main window: what a screen reader receives while an exercise is worked
// by keyboard alone, the worksheet's elements and the Tab order, the equation types under a
// screen reader's toggle, and a window that looks the same while the worksheet lacks the
// keyboard.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "qt/mainwindow/arkliste.h"
#include "qt/ui/spraak.h"
#include "skjermleser.h"
#include "vindustest.h"

namespace {

// A key typed where the keyboard is, as a pupil types it.
void skriv(char tegn) {
    QTest::keyClick(QApplication::focusWidget(), tegn);
    QCoreApplication::processEvents();
}
void skriv(Qt::Key tast, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), tast, mod);
    QCoreApplication::processEvents();
}

}  // namespace

class TilgangTest : public Vindustest {
    Q_OBJECT
private slots:
    void initTestCase() {
        // As when a screen reader listens.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(lytt);
    }
    void init() {
        QVERIFY(aapne());
        vindu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(vindu.get()));
        hoert = &sagt;
    }
    void cleanup() {
        hoert = nullptr;
        sagt.clear();
        vindu.reset();
    }

    void enOppgaveMedTastaturetAlene() {
        QCOMPARE(QApplication::focusWidget(), vindu->nyoppgaveknapp());
        // Ctrl+E and the six boxes of the own equation: 2x + 3 = 5.
        skriv(Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        const char koeff[] = "023005";
        for (int boks = 0; boks < 6; ++boks) {
            if (boks > 0) skriv(Qt::Key_Tab);
            skriv(koeff[boks]);
        }
        skriv(Qt::Key_Return);
        // The dialog closes, the window comes back, and the keyboard is on the exercise.
        QTRY_COMPARE(sagt.size(), 1);
        QCOMPARE(QApplication::focusWidget(), vindu->arkliste());
        // - 3 Enter, then : 2 and "Utfør" pressed with Space where Tab put it.
        skriv('-');
        skriv('3');
        skriv(Qt::Key_Return);
        skriv(':');
        skriv('2');
        knapp(QStringLiteral("Utfoer"))->setFocus(Qt::TabFocusReason);
        skriv(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), vindu->arkliste());  // not the next key
        QCOMPARE(sagt, QStringList({"Oppgave: 2x + 3 = 5 | ", "Trekk fra | ", "Trekk fra 3 | ",
                                    "Linje 1: 2x = 2 | ", "Del med | ", "Del med 2 | ",
                                    "Linje 2: x = 1, løst | Poeng: 1"}));

        // The worksheet's elements, each line as it reads with the step applied to it.
        QAccessibleInterface* ark = QAccessible::queryAccessibleInterface(vindu->arkliste());
        QCOMPARE(ark->role(), QAccessible::List);
        QCOMPARE(ark->text(QAccessible::Name), QStringLiteral("Arket"));
        QStringList elementer;
        for (int i = 0; i < ark->childCount(); ++i)
            elementer << ark->child(i)->text(QAccessible::Name) + " | " +
                             ark->child(i)->text(QAccessible::Description);
        QCOMPARE(elementer, QStringList({"Oppgave: 2x + 3 = 5 | neste steg: Trekk fra 3",
                                         "Linje 1: 2x = 2 | neste steg: Del med 2",
                                         "Linje 2: x = 1, løst | Poeng: 1"}));
        QCOMPARE(ark->focusChild(), ark->child(2));
        QVERIFY(ark->child(2)->state().focused);

        // Up, Home, End through the lines; each is told as it is reached.
        sagt.clear();
        for (Qt::Key tast : {Qt::Key_Up, Qt::Key_Home, Qt::Key_Up, Qt::Key_End}) skriv(tast);
        QCOMPARE(sagt, QStringList({"Linje 1: 2x = 2 | neste steg: Del med 2",
                                    "Oppgave: 2x + 3 = 5 | neste steg: Trekk fra 3",
                                    "Linje 2: x = 1, løst | Poeng: 1"}));

        // The values with their captions, the boxes as the list names them.
        QVERIFY(!tekst(QStringLiteral("Steg")).isEmpty());  // the coach's verdict
        const std::pair<const char*, QString> navn[] = {
            {"Poeng", "Poeng: 1"},
            {"Loeste", "Løste oppgaver: 1"},
            {"Nivaa", "Vanskelighetsgrad: 1"},
            {"Steg", "Steg: " + tekst(QStringLiteral("Steg"))},
            {"Proeve", "Prøve: " + tekst(QStringLiteral("Proeve"))},
            {"Linje_2", "Linje 2: x = 1, løst"},
            {"opfelt_1", "Del med 2"},
            {"Pi_R", "Løst"},
        };
        for (const auto& [kontroll, tilgjengelig] : navn)
            QCOMPARE(finn(QString::fromLatin1(kontroll))->accessibleName(), tilgjengelig);
    }

    void operasjonUtenOperandHoeresFoerNesteTast() {
        // The row "Avstand:" on; 2x + 3 = 5 typed as an own equation.
        vindu->settavstand(true);
        skriv(Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        const char koeff[] = "023005";
        for (int boks = 0; boks < 6; ++boks) {
            if (boks > 0) skriv(Qt::Key_Tab);
            skriv(koeff[boks]);
        }
        skriv(Qt::Key_Return);
        QTRY_COMPARE(sagt.size(), 1);
        // "Snu alle fortegn" is told as its key is pressed, before any other key.
        skriv('f');
        QCOMPARE(sagt.size(), 2);
        QCOMPARE(sagt.back(), QStringLiteral("Snu fortegn | "));
        // The new line, then the row "Avstand:".
        skriv(Qt::Key_Return);
        QCOMPARE(sagt.back(),
                 QStringLiteral("Linje 1: −2x − 3 = −5 | Ikke nærmere: 2 steg igjen (før: 2)."));
        QCOMPARE(tekst(QStringLiteral("Avstand")),
                 QStringLiteral("Ikke nærmere: 2 steg igjen (før: 2)"));
        QCOMPARE(finn(QStringLiteral("Avstand"))->accessibleName(),
                 QStringLiteral("Avstand: Ikke nærmere: 2 steg igjen (før: 2)"));
        // "Bytt sider" too, at once.
        skriv('b');
        QCOMPARE(sagt.back(), QStringLiteral("Bytt side | "));
    }

    // The table the core test and the browser test play: the same keys, the same sentences,
    // here through the window as Orca hears it (the focus on an element, its name and its
    // description).
    void fellesTabellenHoeresOrdForOrd() {
        QFile fil(QStringLiteral(BALVO_KILDEMAPPE "/tests/web/opplesning.tsv"));
        QVERIFY(fil.open(QIODevice::ReadOnly | QIODevice::Text));
        skriv(Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        for (int boks = 0; boks < 6; ++boks) {
            if (boks > 0) skriv(Qt::Key_Tab);
            skriv("023007"[boks]);
        }
        skriv(Qt::Key_Return);
        QTRY_COMPARE(sagt.size(), 1);
        QStringList ventet, hoerte;
        for (const QString& linje : QString::fromUtf8(fil.readAll()).split('\n')) {
            if (linje.isEmpty() || linje.startsWith('#')) continue;
            const QStringList del = linje.split('\t');
            for (const QString& t : del[0].split(' ', Qt::SkipEmptyParts)) {
                if (t == "U")
                    skriv(Qt::Key_Return);
                else if (t == "C")
                    skriv(Qt::Key_Escape);
                else if (t == "A")
                    skriv(Qt::Key_Z, Qt::ControlModifier);
                else if (t == "R")
                    vindu->findChild<QAction*>(QStringLiteral("regnselv"))->trigger();
                else if (t.startsWith(QChar(0xab))) {
                    QTest::keyClicks(QApplication::focusWidget(), t.mid(1, t.size() - 2));
                    skriv(Qt::Key_Return);
                } else
                    skriv(t.at(0).toLatin1());
            }
            ventet << del[1];
            hoerte << (sagt.isEmpty() ? QString() : setning(sagt.last()));
            sagt.clear();
        }
        QCOMPARE(hoerte, ventet);
    }

    void tabRekkefoelge() {
        // Every control the Tab key stops at, from the worksheet round: the keypad row by row.
        QStringList rekke;
        QWidget* w = vindu->arkliste();
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(vindu.get()))
                rekke << w->objectName();
            w = w->nextInFocusChain();
        } while (w != vindu->arkliste());
        QCOMPARE(rekke.join(' '), QStringLiteral("arkliste nyoppgave Option1 Check1 "
                                                 "opr_0 opr_4 siffer_7 siffer_8 siffer_9 "
                                                 "opr_1 opr_5 siffer_4 siffer_5 siffer_6 "
                                                 "opr_2 opr_6 siffer_1 siffer_2 siffer_3 "
                                                 "opr_3 opr_7 siffer_0 pm broekstrek "
                                                 "Utfoer strykut variabel_0 variabel_1"));
        // Before the first exercise the keypad is off: Tab goes round the usable controls.
        vindu->arkliste()->setFocus(Qt::TabFocusReason);
        QStringList besoekt;
        for (int i = 0; i < 4; ++i) {
            skriv(Qt::Key_Tab);
            besoekt << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(besoekt.join(' '), QStringLiteral("nyoppgave Option1 Check1 arkliste"));
    }

    void likningstypenFoelgerEnhverMaateAaVelge() {
        enum Maate { klikk, tastatur, skjermleser };
        struct Steg {
            Maate maate;
            const char* valg;
            const char* nivaa;
        };
        const Steg steg[] = {
            {skjermleser, "Option2", "3"}, {skjermleser, "Check1", "4"},
            {skjermleser, "Option3", "6"}, {klikk, "Option1", "2"},
            {tastatur, "Check1", "1"},     {klikk, "Option2", "3"},
        };
        for (const Steg& s : steg) {
            QAbstractButton* valg = knapp(QString::fromLatin1(s.valg));
            switch (s.maate) {
                case klikk:
                    QTest::mouseClick(valg, Qt::LeftButton);
                    break;
                case tastatur:
                    valg->setFocus(Qt::TabFocusReason);
                    skriv(Qt::Key_Space);
                    break;
                case skjermleser: {
                    QAccessibleActionInterface* h =
                        QAccessible::queryAccessibleInterface(valg)->actionInterface();
                    QVERIFY(h->actionNames().contains(QAccessibleActionInterface::toggleAction()));
                    h->doAction(QAccessibleActionInterface::toggleAction());
                    break;
                }
            }
            QCOMPARE(tekst(QStringLiteral("Nivaa")), QString::fromLatin1(s.nivaa));
            QVERIFY(valg->isChecked() || QString::fromLatin1(s.valg) == QLatin1String("Check1"));
        }
        // The type chosen is where Tab enters the group.
        QCOMPARE(knapp(QStringLiteral("Option2"))->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(knapp(QStringLiteral("Option3"))->focusPolicy(), Qt::ClickFocus);
    }

    void vinduetErUendretUtenTastaturet() {
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        vindu->arkliste()->endret();
        vindu->nyoppgaveknapp()->setFocus();
        QWidget* flate = finn(QStringLiteral("klientflate"));
        const QImage med = flate->grab().toImage();
        vindu->arkliste()->hide();
        QCOMPARE(flate->grab().toImage(), med);
        vindu->arkliste()->show();
        // With the keyboard the line in focus is marked on its row, and only there.
        vindu->arkliste()->setFocus(Qt::TabFocusReason);
        const QImage merket = flate->grab().toImage();
        QVERIFY(merket != med);
        const QRect rad = finn(QStringLiteral("Linje_0"))->geometry();
        int ulike = 0;
        for (int y = 0; y < med.height(); ++y)
            for (int x = 0; x < med.width(); ++x)
                if (merket.pixel(x, y) != med.pixel(x, y)) {
                    ++ulike;
                    QVERIFY2(rad.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
        QVERIFY(ulike > 0);
    }

    void enAnnenSpraakHoeresStraks() {
        QVERIFY(vindu->arket().egne({"0", "1", "0", "0", "0", "4"}).ok);
        vindu->arkliste()->endret();
        sagt.clear();
        balvo::ui::spraak().bytt("en");
        // The line in focus is told again in the new language; the labels follow.
        QCOMPARE(sagt, QStringList({"Exercise: x = 4, solved | Score: 0"}));
        QCOMPARE(finn(QStringLiteral("Poeng"))->accessibleName(), QStringLiteral("Score: 0"));
        QCOMPARE(QAccessible::queryAccessibleInterface(vindu->arkliste())->text(QAccessible::Name),
                 QStringLiteral("Worksheet"));
        balvo::ui::spraak().bytt("nb");
        QCOMPARE(sagt.last(), QStringLiteral("Oppgave: x = 4, løst | Poeng: 0"));
    }

private:
    QStringList sagt;
};

QTEST_MAIN(TilgangTest)
#include "tilgang_qtest.moc"
