// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes: title, text with line breaks, Norwegian buttons, and the answer returned.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt/ui/meldingsboks.h"

using balvo::ui::Knapper;

namespace {

QStringList knappetekster(const QMessageBox& boks) {
    QStringList tekster;
    for (QAbstractButton* b : boks.buttons()) tekster << b->text();
    tekster.sort();
    return tekster;
}

// Presses the button with the given text on the modal box once it is up.
void trykkSenere(const QString& tekst) {
    QTimer::singleShot(0, [tekst] {
        auto* boks = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boks);
        for (QAbstractButton* b : boks->buttons())
            if (b->text() == tekst) b->click();
    });
}

}  // namespace

class MeldingsboksTest : public QObject {
    Q_OBJECT
private slots:
    void boksenSerRiktigUt_data() {
        QTest::addColumn<QString>("tittel");
        QTest::addColumn<int>("knapper");
        QTest::addColumn<QString>("vistTittel");
        QTest::addColumn<QStringList>("knappetekst");
        QTest::newRow("påtale") << "Påtale" << int(Knapper::ok) << "Påtale" << QStringList{"OK"};
        QTest::newRow("uten tittel") << "" << int(Knapper::ok) << "Balvo 2.0" << QStringList{"OK"};
        QTest::newRow("advarsel") << "Advarsel" << int(Knapper::ja_nei) << "Advarsel"
                                  << QStringList{"Ja", "Nei"};
    }
    void boksenSerRiktigUt() {
        QFETCH(QString, tittel);
        QFETCH(int, knapper);
        QFETCH(QString, vistTittel);
        QFETCH(QStringList, knappetekst);
        const QString tekst = "Første linje\nAndre linje <b>3</b>";
        auto boks = balvo::ui::lagmeldingsboks(nullptr, tittel, tekst, Knapper(knapper));
        QCOMPARE(boks->windowTitle(), vistTittel);
        QCOMPARE(boks->text(), tekst);
        QCOMPARE(boks->textFormat(), Qt::PlainText);
        QCOMPARE(boks->icon(), QMessageBox::NoIcon);
        QCOMPARE(knappetekster(*boks), knappetekst);
    }

    void spoersmaalGirSvaret_data() {
        QTest::addColumn<QString>("knapp");
        QTest::addColumn<bool>("svar");
        QTest::newRow("Ja") << "Ja" << true;
        QTest::newRow("Nei") << "Nei" << false;
    }
    void spoersmaalGirSvaret() {
        QFETCH(QString, knapp);
        QFETCH(bool, svar);
        trykkSenere(knapp);
        QCOMPARE(balvo::ui::spoersmaalsboks(nullptr, "Advarsel", "Vil du?"), svar);
    }

    void vinduetFaarTastaturetTilbake() {
        QWidget vindu;
        vindu.show();
        vindu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&vindu));
        trykkSenere("Nei");
        balvo::ui::spoersmaalsboks(&vindu, "Advarsel", "Vil du?");
        QTRY_VERIFY(vindu.isActiveWindow());
    }

    void meldingLukkesMedOk() {
        trykkSenere("OK");
        balvo::ui::meldingsboks(nullptr, "Til etteretning", "Tekst");
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(MeldingsboksTest)
#include "meldingsboks_qtest.moc"
