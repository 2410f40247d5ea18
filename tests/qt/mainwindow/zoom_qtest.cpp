// SPDX-License-Identifier: GPL-3.0-or-later
// The main window zoomed (menu "Vis"): every control from the table at the zoom, fonts with
// it, the rows typeset again with their strokes at the zoomed coordinates, the marker with
// them; "Fyll vinduet" following the window; the shortcuts; the zoom remembered.
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include "core/mainwindow/utforming.h"
#include "core/mainwindow/zoom.h"
#include "qt/coach/loesningsforslag.h"
#include "qt/mainwindow/oppstart.h"
#include "qt/ui/tasteflate.h"
#include "qt/ui/zoomstil.h"
#include "vindustest.h"

using balvo::ArketVindu;

namespace {

// A control's place in the client area (or in its frame) in pixels.
QRect sted(QWidget* w, QWidget* grunn) {
    return QRect(w->mapTo(grunn, QPoint(0, 0)), w->size());
}

// The columns of a picture with ink in them, as runs [fra, til].
std::vector<std::pair<int, int>> blekkolonner(const QImage& bilde) {
    std::vector<std::pair<int, int>> runer;
    bool i_run = false;
    for (int x = 0; x < bilde.width(); ++x) {
        bool blekk = false;
        for (int y = 0; y < bilde.height() && !blekk; ++y) blekk = qGray(bilde.pixel(x, y)) < 128;
        if (blekk && !i_run) runer.push_back({x, x});
        if (blekk) runer.back().second = x;
        i_run = blekk;
    }
    return runer;
}

}  // namespace

class ZoomTest : public Vindustest {
    Q_OBJECT

    QWidget* grunn(QWidget* w) const {
        QWidget* ramme = vindu->findChild<QWidget*>("Frame1");
        return w->parentWidget() == ramme ? ramme : vindu->findChild<QWidget*>("klientflate");
    }

private slots:
    void init() { QVERIFY(aapne()); }

    // At 200 % every control is twice as large at twice the place, its font twice the size;
    // back at 100 % after other zooms, every control is exactly the design again.
    void kontrollerFraTabellen() {
        std::map<QString, QRect> vanlig;
        std::map<QString, double> punkter;
        for (const balvo::Kontroll& k : balvo::hovedvinduet()) {
            QWidget* w = finn(QString::fromLatin1(k.navn.data(), k.navn.size()));
            vanlig[w->objectName()] = sted(w, grunn(w));
            punkter[w->objectName()] = w->font().pointSizeF();
        }
        vindu->settzoom(2);
        QCOMPARE(vindu->zoom(), 2.0);
        for (const auto& [navn, r] : vanlig) {
            QWidget* w = finn(navn);
            if (navn == "Pi_R") continue;  // placed by the worksheet
            const QRect z = sted(w, grunn(w));
            QVERIFY2(std::abs(z.x() - 2 * r.x()) <= 1 && std::abs(z.y() - 2 * r.y()) <= 1 &&
                         std::abs(z.width() - 2 * r.width()) <= 1 &&
                         std::abs(z.height() - 2 * r.height()) <= 1,
                     qPrintable(navn));
            if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
                if (!qobject_cast<balvo::ui::Tasteknapp*>(w))
                    QCOMPARE(w->font().pointSizeF(), 2 * punkter[navn]);
        }
        QCOMPARE(finn("Pi_R")->size(), QSize(82, 98));
        QCOMPARE(qobject_cast<QFrame*>(finn("ramme"))->lineWidth(), 4);
        QCOMPARE(qobject_cast<QFrame*>(finn("Line3"))->lineWidth(), 2);
        QCOMPARE(boks("Linje_1")->hoeyde(), 36.75);  // the typesetter lays out as at 100 %
        QCOMPARE(qobject_cast<balvo::ui::Tasteknapp*>(finn("opr_0"))->zoom(), 2.0);

        for (double z : {1.25, 3.5, 0.5, 1.75, 1.0}) vindu->settzoom(z);
        for (const auto& [navn, r] : vanlig) {
            if (navn == "Pi_R") continue;
            QWidget* w = finn(navn);
            QCOMPARE(sted(w, grunn(w)), r);
            QCOMPARE(w->font().pointSizeF(), punkter[navn]);
        }
        QCOMPARE(qobject_cast<QFrame*>(finn("ramme"))->lineWidth(), 2);
    }

    // A worksheet line typeset again at 200 %: the same strokes and texts in points, drawn
    // at twice the coordinates; the solved marker twice as far along, twice as large.
    void linjenVed200() {
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        auto& a = vindu->arket();
        a.opr_Click(1);
        a.siffer_Click(3);
        a.Utfoer_Click();
        a.opr_Click(3);
        a.siffer_Click(2);
        a.Utfoer_Click();  // x = 1, solved, in row 2
        QVERIFY(finn("Pi_R")->isVisible());
        const QRect merke = sted(finn("Pi_R"), grunn(finn("Pi_R")));
        QCoreApplication::processEvents();
        std::vector<std::vector<std::pair<int, int>>> foer;
        std::vector<std::size_t> operasjoner;
        for (const char* navn : {"Linje_0", "Linje_1", "opfelt_1"}) {
            foer.push_back(blekkolonner(boks(navn)->skjermbilde()));
            operasjoner.push_back(boks(navn)->antall_operasjoner());
        }
        vindu->settzoom(2);
        QCoreApplication::processEvents();
        int i = 0;
        for (const char* navn : {"Linje_0", "Linje_1", "opfelt_1"}) {
            QCOMPARE(boks(navn)->antall_operasjoner(), operasjoner[i]);
            const QImage bilde = boks(navn)->skjermbilde();
            QCOMPARE(bilde.size(), boks(navn)->size());
            const auto etter = blekkolonner(bilde);
            // Glyphs and bars whose edges fall between pixels may join or part by a pixel.
            QVERIFY2(etter.size() >= foer[i].size() - 1 && etter.size() <= foer[i].size() + 1,
                     navn);
            for (const auto& [fra, til] : foer[i]) {
                bool funnet = false;
                for (const auto& [f2, t2] : etter)
                    funnet = funnet ||
                             (std::abs(f2 - 2 * fra) <= 3 && std::abs(t2 - 2 * til) <= 3) ||
                             (f2 <= 2 * fra + 3 && t2 >= 2 * til - 3);
                QVERIFY2(funnet, qPrintable(QString("%1: %2-%3").arg(navn).arg(fra).arg(til)));
            }
            ++i;
        }
        const QRect merke2 = sted(finn("Pi_R"), grunn(finn("Pi_R")));
        QVERIFY(finn("Pi_R")->isVisible());
        QVERIFY(std::abs(merke2.x() - 2 * merke.x()) <= 1 &&
                std::abs(merke2.y() - 2 * merke.y()) <= 1);
        QCOMPARE(merke2.size(), 2 * merke.size());
    }

    // "Fyll vinduet": the largest zoom at which the whole design fits, as the window is
    // resized; another choice of size turns it off.
    void fyllVinduet() {
        auto* fyll = vindu->findChild<QAction*>("fyll");
        QVERIFY(fyll->isCheckable() && !fyll->isChecked());
        fyll->trigger();
        QVERIFY(vindu->fyller() && fyll->isChecked());
        for (const QSize& s : {QSize(1300, 900), QSize(1000, 700), QSize(2000, 1000)}) {
            vindu->resize(s);
            QCoreApplication::processEvents();
            QWidget* rulle = vindu->centralWidget();
            const double ventet = balvo::fyllzoom(rulle->width(), rulle->height());
            QCOMPARE(vindu->zoom(), ventet);
            const QSize flate = vindu->findChild<QWidget*>("klientflate")->size();
            QVERIFY(flate.width() <= rulle->width() && flate.height() <= rulle->height());
            QVERIFY(flate.width() >= rulle->width() - 2 || flate.height() >= rulle->height() - 2);
        }
        vindu->findChild<QAction*>("stoerre")->trigger();
        QVERIFY(!vindu->fyller() && !fyll->isChecked());
        QCOMPARE(vindu->zoom(), 2.5);  // from 2.38: the next step up
    }

    // The items and their shortcuts: Ctrl++ and Ctrl+= larger, Ctrl+- smaller, Ctrl+0 back;
    // within 50..400 %, the items that cannot go further are not usable.
    void snarveierOgGrenser() {
        QStringList punkter;
        for (QAction* a : vindu->findChild<QMenu*>("Vis")->actions())
            punkter << (a->isSeparator() ? "-" : a->text() + " " + a->shortcut().toString());
        QCOMPARE(punkter, (QStringList{"Større Ctrl++", "Mindre Ctrl+-", "Vanlig størrelse Ctrl+0",
                                       "-", "Fyll vinduet "}));
        QCOMPARE(vindu->findChild<QAction*>("stoerre")->shortcuts().size(), 2);
        QWidget* w = vindu.get();
        QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(vindu->zoom(), 1.25);
        QTest::keyClick(w, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(vindu->zoom(), 1.5);
        QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(vindu->zoom(), 1.25);
        QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(vindu->zoom(), 1.0);
        QVERIFY(!vindu->findChild<QAction*>("vanlig")->isEnabled());
        for (int i = 0; i < 20; ++i) vindu->Stoerre_Click();
        QCOMPARE(vindu->zoom(), 4.0);
        QVERIFY(!vindu->findChild<QAction*>("stoerre")->isEnabled());
        for (int i = 0; i < 20; ++i) vindu->Mindre_Click();
        QCOMPARE(vindu->zoom(), 0.5);
        QVERIFY(!vindu->findChild<QAction*>("mindre")->isEnabled());
        // The keypad's + and - without Ctrl stay the operations.
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        QTest::keyClick(w, Qt::Key_Plus);
        QCOMPARE(vindu->arket().ark().regneart, balvo::Operasjon::legg_til);
        QCOMPARE(vindu->zoom(), 0.5);
    }

    // "Løsningsforslag" follows the zoom: its rows twice as large at 200 %.
    void loesningsforslagetMed() {
        QVERIFY(vindu->arket().egne({"0", "2", "3", "0", "0", "5"}).ok);
        vindu->Loesningsforslag_Click();
        auto* f = vindu->findChild<balvo::Loesningsforslag*>();
        QVERIFY(f);
        const QSize rad = f->linjeboks(0)->size();
        vindu->settzoom(2);
        QCOMPARE(f->linjeboks(0)->size(), 2 * rad);
        QCOMPARE(f->linjeboks(1)->y(), 2 * 48);
        QVERIFY(f->linjeboks(0)->antall_operasjoner() > 0);
    }

    // The first run fills the window; start-up puts the remembered zoom in force and
    // remembers each new choice; a value it cannot use gives 100 %.
    // The program's style draws what the window shows at start-up exactly as the style it
    // stands in for: a group's frame with and without a title at several sizes, and the menu
    // bar's overflow arrow at one and two pixels to a point.
    void programstilenSomStilen_data() {
        QTest::addColumn<QString>("tittel");
        QTest::addColumn<QSize>("stoerrelse");
        QTest::newRow("Likningstype") << "Likningstype" << QSize(113, 105);
        QTest::newRow("liten") << "x" << QSize(20, 30);
        QTest::newRow("bred") << "Likningstype" << QSize(400, 60);
        QTest::newRow("uten tittel") << "" << QSize(113, 105);
    }
    void programstilenSomStilen() {
        QFETCH(QString, tittel);
        QFETCH(QSize, stoerrelse);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        const std::unique_ptr<QStyle> egenstil(
            new balvo::ui::Programstil(QStyleFactory::create(QStringLiteral("fusion"))));
        QStyle* egen = egenstil.get();
        const auto bilde = [&](QStyle* stil) {
            QGroupBox gruppe(tittel);
            gruppe.setStyle(stil);
            gruppe.resize(stoerrelse);
            return gruppe.grab().toImage();
        };
        QCOMPARE(bilde(egen), bilde(fusion.get()));
        for (const qreal tetthet : {1.0, 2.0}) {
            const auto pil = [&](QStyle* stil) {
                return stil->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                    .pixmap(QSize(16, 16), tetthet)
                    .toImage();
            };
            QVERIFY(!pil(fusion.get()).isNull());
            QCOMPARE(pil(egen), pil(fusion.get()));
        }
    }

    void huskes() {
        QTemporaryDir hjem;
        qputenv("XDG_CONFIG_HOME", hjem.path().toUtf8());
        const QString fil = hjem.filePath("balvo/balvo.conf");
        {
            ArketVindu v;
            v.resize(2000, 1300);
            v.show();
            QCoreApplication::processEvents();
            balvo::huskzoom(v);
            QVERIFY(v.fyller());
            QWidget* rulle = v.centralWidget();
            QCOMPARE(v.zoom(), balvo::fyllzoom(rulle->width(), rulle->height()));
            QVERIFY(v.zoom() > 1.0);
            v.Vanlig_Click();
            QCOMPARE(v.zoom(), 1.0);
            QVERIFY(!v.fyller());
        }
        {
            ArketVindu v;
            balvo::huskzoom(v);
            QCOMPARE(v.zoom(), 1.0);
            QVERIFY(!v.fyller());
            v.Stoerre_Click();
            v.Stoerre_Click();
        }
        QSettings lagret(fil, QSettings::IniFormat);
        QCOMPARE(lagret.value("zoom").toDouble(), 1.5);
        QCOMPARE(lagret.value("fyll").toBool(), false);
        {
            ArketVindu v;
            balvo::huskzoom(v);
            QCOMPARE(v.zoom(), 1.5);
            QCOMPARE(v.arket().nivaa(), 1);  // the level and the sheet start as designed
            QVERIFY(!v.arket().har_oppgave());
        }
        for (const auto& [verdi, zoom] : {std::pair{"abc", 1.0}, {"9", 4.0}, {"0.75", 0.75}}) {
            lagret.setValue("zoom", verdi);
            lagret.sync();
            ArketVindu v;
            balvo::huskzoom(v);
            QCOMPARE(v.zoom(), zoom);
        }
    }
};

QTEST_MAIN(ZoomTest)
#include "zoom_qtest.moc"
