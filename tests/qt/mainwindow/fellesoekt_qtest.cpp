// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted session both shells play (tests/web/fellesoekt.tsv): after every action the
// worksheet's elements, the usable keys, the score, what a screen reader is told and any box
// must be exactly the committed record (tests/web/fellesoekt.json) that the browser test
// compares with too. BALVO_SKRIV_FELLESOEKT=1 writes the record from this window instead.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "qt/mainwindow/arkliste.h"
#include "qt/ui/spraak.h"
#include "skjermleser.h"
#include "vindustest.h"

namespace {

const QString skript = QStringLiteral(BALVO_KILDEMAPPE "/tests/web/fellesoekt.tsv");
const QString fasit = QStringLiteral(BALVO_KILDEMAPPE "/tests/web/fellesoekt.json");

}  // namespace

class FellesoektTest : public Vindustest {
    Q_OBJECT

    // The window as the record has it after an action.
    QJsonObject tilstand(const QString& gjort, const QString& boks) {
        QJsonArray linjer, taster;
        for (int i = 0; i < vindu->arkliste()->opplesning().antall(); ++i)
            linjer << vindu->arkliste()->element(i)->text(QAccessible::Name);
        QStringList brukbare;
        for (int t = 0; t < balvo::antall_taster; ++t) {
            // The keypad's keys (not the equation types and "Brøker", which are no keys).
            const auto* k = qobject_cast<QToolButton*>(vindu->tast(static_cast<balvo::Tast>(t)));
            if (k && k->isEnabled() && k->isVisible()) brukbare << k->objectName();
        }
        brukbare.sort();
        for (const QString& t : brukbare) taster << t;
        return {{QStringLiteral("gjort"), gjort},
                {QStringLiteral("linjer"), linjer},
                {QStringLiteral("taster"), taster},
                {QStringLiteral("poeng"), tekst(QStringLiteral("Poeng"))},
                {QStringLiteral("sagt"), sagt.isEmpty() ? QString() : setning(sagt.last())},
                {QStringLiteral("boks"), boks}};
    }

    // One action of the script; a box it shows is answered with OK and kept as "title|text".
    void gjoer(const QString& art, const QString& hva, QString& boks) {
        QTimer::singleShot(0, this, [&boks] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boks = b->windowTitle() + "|" + b->text();
                b->accept();
            }
        });
        if (art == QLatin1String("ny")) {
            klikk(QStringLiteral("nyoppgave"));
        } else if (art == QLatin1String("tast")) {
            for (const QString& t : hva.split(' ', Qt::SkipEmptyParts)) klikk(t);
        } else if (art == QLatin1String("meny")) {
            auto* a = vindu->findChild<QAction*>(hva);
            QVERIFY2(a && a->isEnabled(), qPrintable(hva));
            a->trigger();
        } else if (art == QLatin1String("spraak")) {
            vindu->velgspraak(hva.toStdString());
        } else {
            QFAIL(qPrintable("unknown action " + art));
        }
        // After a box the window is active again and the screen reader has heard the change.
        QTRY_VERIFY(vindu->isActiveWindow());
        QTest::qWait(20);
    }

    QStringList sagt;
    QTemporaryDir mappe;

private slots:
    void initTestCase() {
        // The language chosen is remembered here, not in the tester's own settings.
        QVERIFY(mappe.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mappe.path());
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(lytt);
    }
    void cleanup() {
        hoert = nullptr;
        vindu.reset();
        balvo::ui::spraak().bytt("nb");
    }

    void beggeSkallSpillerSammeOekt() {
        QVERIFY(aapne());
        vindu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(vindu.get()));
        hoert = &sagt;
        QFile fil(skript);
        QVERIFY(fil.open(QIODevice::ReadOnly | QIODevice::Text));
        QJsonArray steg;
        for (const QString& linje : QString::fromUtf8(fil.readAll()).split('\n')) {
            if (linje.isEmpty() || linje.startsWith('#')) continue;
            const QStringList del = linje.split('\t');
            if (del[0] == QLatin1String("froe")) {
                vindu->settfroe(del[1].toULongLong());
                continue;
            }
            sagt.clear();
            QString boks;
            gjoer(del[0], del.value(1), boks);
            if (QTest::currentTestFailed()) return;
            steg << tilstand(linje, boks);
        }
        if (qEnvironmentVariableIsSet("BALVO_SKRIV_FELLESOEKT")) {
            QFile ut(fasit);
            QVERIFY(ut.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ut.write(QJsonDocument(steg).toJson());
            QSKIP("the record written from the desktop");
        }
        QFile inn(fasit);
        QVERIFY(inn.open(QIODevice::ReadOnly));
        const QJsonArray ventet = QJsonDocument::fromJson(inn.readAll()).array();
        for (qsizetype i = 0; i < steg.size(); ++i) {
            // One step at a time, so that a drift names the action where it began.
            const QJsonObject fikk = steg[i].toObject(), skulle = ventet[i].toObject();
            const QString gjort = " @ " + skulle[QStringLiteral("gjort")].toString();
            const auto tekst = [](const QJsonValue& v) {
                return QString::fromUtf8(
                    QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
            };
            for (const QString& felt : skulle.keys())
                QCOMPARE(tekst(fikk[felt]) + gjort, tekst(skulle[felt]) + gjort);
        }
        QCOMPARE(steg.size(), ventet.size());
    }
};

QTEST_MAIN(FellesoektTest)
#include "fellesoekt_qtest.moc"
