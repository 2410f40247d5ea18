// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as laid out: every control's place and size, captions (in each language,
// none clipped), tooltips, fonts and colours, read from the real window.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <QtTest>

#include "core/entry/operandfelt.h"
#include "core/model/ark.h"
#include "qt/ui/spraak.h"
#include "qt/ui/tasteflate.h"
#include "vindustest.h"

using balvo::ArketVindu;

class ArketvinduTest : public Vindustest {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(aapne()); }
    void cleanup() { balvo::ui::spraak().bytt("nb"); }

    void plassOgStoerrelse_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QRect>("twips");  // in the client area, or in Frame1 for its options
        const auto rad = [](const QString& navn, int l, int t, int b, int h) {
            QTest::newRow(qPrintable(navn)) << navn << QRect(l, t, b, h);
        };
        for (int k = 0; k < 5; ++k) rad(QString("Linje_%1").arg(k), 120, 720 * k, 6105, 735);
        rad("Linje_7", 120, 5400, 5115, 735);
        rad("Linje_8", 120, 6120, 5115, 375);
        rad("opfelt_0", 6390, 0, 3045, 735);
        rad("opfelt_1", 6390, 750, 2805, 735);
        rad("opfelt_2", 6390, 1440, 2805, 735);
        rad("opfelt_3", 6390, 2160, 2805, 735);
        rad("opfelt_4", 6390, 2880, 2805, 735);
        rad("scrollopp", 9180, 750, 285, 285);
        rad("Shape1", 9210, 960, 255, 2625);
        rad("scrollned", 9180, 3390, 285, 255);
        rad("Line4", 6270, 0, 15, 6180);
        rad("Line3", 120, 3690, 9240, 15);
        rad("Pi_R", 9120, 4200, 615, 735);
        rad("nyoppgave", 120, 3810, 1725, 525);
        rad("Label1", 2400, 3960, 1995, 255);
        rad("Nivaa", 4440, 3900, 225, 345);
        rad("Label2", 2400, 4320, 1755, 255);
        rad("Loeste", 4170, 4290, 525, 285);
        rad("Label3", 2400, 4680, 825, 255);
        rad("Poeng", 3270, 4680, 615, 285);
        rad("Label4", 2400, 5040, 825, 255);
        rad("Steg", 3270, 5040, 3240, 285);
        rad("Label5", 2400, 5400, 825, 255);
        rad("Proeve", 3270, 5400, 3240, 870);
        rad("Frame1", 120, 4410, 1695, 1845);
        rad("Option3", 120, 270, 1245, 315);
        rad("Option2", 120, 660, 1245, 285);
        rad("Option1", 120, 1050, 1245, 315);
        rad("Check1", 120, 1410, 795, 315);
        const int venstre[] = {6660, 6660, 6660, 6660, 7050, 7050, 7050, 7050};
        const int topp[] = {4080, 4470, 4860, 5250, 4080, 4470, 4860, 5250};
        for (int i = 0; i < 8; ++i) rad(QString("opr_%1").arg(i), venstre[i], topp[i], 375, 375);
        rad("siffer_7", 7530, 4080, 375, 375);
        rad("siffer_8", 7920, 4080, 375, 375);
        rad("siffer_9", 8310, 4080, 375, 375);
        rad("siffer_4", 7530, 4470, 375, 375);
        rad("siffer_5", 7920, 4470, 375, 375);
        rad("siffer_6", 8310, 4470, 375, 375);
        rad("siffer_1", 7530, 4860, 375, 375);
        rad("siffer_2", 7920, 4860, 375, 375);
        rad("siffer_3", 8310, 4860, 375, 375);
        rad("siffer_0", 7530, 5250, 375, 375);
        rad("pm", 7920, 5250, 375, 375);
        rad("broekstrek", 8310, 5250, 375, 375);
        rad("Utfoer", 6660, 5640, 765, 375);
        rad("strykut", 7530, 5640, 375, 375);
        rad("variabel_0", 7920, 5640, 375, 375);
        rad("variabel_1", 8310, 5640, 375, 375);
        rad("ramme", 6570, 3990, 2205, 2115);
        rad("Shape2", 6600, 4020, 885, 2055);
        rad("Shape3", 7500, 4020, 1245, 2055);
    }
    void plassOgStoerrelse() {
        QFETCH(QString, navn);
        QFETCH(QRect, twips);
        QWidget* w = finn(navn);
        QWidget* ramme = vindu->findChild<QWidget*>("Frame1");
        const bool iramme = w->parentWidget() == ramme;
        QWidget* grunn = iramme ? ramme : vindu->centralWidget();
        const QRect px(w->mapTo(grunn, QPoint(0, 0)), w->size());
        const QRect ventet(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QVERIFY2(
            std::abs(px.left() - ventet.left()) <= 1 && std::abs(px.top() - ventet.top()) <= 1 &&
                std::abs(px.width() - ventet.width()) <= 1 &&
                std::abs(px.height() - ventet.height()) <= 1,
            qPrintable(
                QString("%1,%2 %3x%4").arg(px.x()).arg(px.y()).arg(px.width()).arg(px.height())));
    }

    void tekster_data() {
        QTest::addColumn<QString>("spraak");
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("font");
        QTest::addColumn<double>("punkter");
        QTest::addColumn<bool>("fet");
        const struct {
            const char* navn;
            const char* nb;
            const char* nn;
            const char* en;
            const char* font;
            double punkter;
            bool fet;
        } rader[] = {
            {"nyoppgave", "Ny oppgave", "Ny oppgåve", "New exercise", "MS Sans Serif", 13.5, false},
            {"Label1", "Vanskelighetsgrad:", "Vanskegrad:", "Level:", "MS Sans Serif", 9.75, true},
            {"Nivaa", "1", "1", "1", "Arial", 14.25, true},
            {"Label2", "Løste oppgaver:", "Løyste oppgåver:", "Solved:", "MS Sans Serif", 9.75,
             true},
            {"Loeste", "0", "0", "0", "Arial", 12.0, false},
            {"Label3", "Poeng:", "Poeng:", "Score:", "MS Sans Serif", 9.75, true},
            {"Poeng", "0", "0", "0", "Arial", 12.0, false},
            {"Label4", "Steg:", "Steg:", "Steps:", "MS Sans Serif", 9.75, true},
            {"Label5", "Prøve:", "Prøve:", "Check:", "MS Sans Serif", 9.75, true},
            {"Steg", "", "", "", "Arial", 12.0, false},
            {"Proeve", "", "", "", "Arial", 12.0, false},
            {"Frame1", "Likningstype", "Likningstype", "Equation type", "MS Sans Serif", 8.25,
             true},
            {"Option3", "Både x² og x", "Både x² og x", "x² and x", "MS Sans Serif", 8.25, false},
            {"Option2", "Kun x²", "Berre x²", "Only x²", "MS Sans Serif", 8.25, false},
            {"Option1", "Kun x", "Berre x", "Only x", "MS Sans Serif", 8.25, false},
            {"Check1", "Brøker", "Brøkar", "Fractions", "MS Sans Serif", 8.25, false},
        };
        for (const char* spraak : {"nb", "nn", "en"})
            for (const auto& r : rader)
                QTest::newRow(qPrintable(QString("%1 %2").arg(spraak, r.navn)))
                    << spraak << r.navn
                    << QString::fromUtf8(spraak == QString("nb")   ? r.nb
                                         : spraak == QString("nn") ? r.nn
                                                                   : r.en)
                    << r.font << r.punkter << r.fet;
    }
    void tekster() {
        QFETCH(QString, spraak);
        QFETCH(QString, navn);
        QFETCH(QString, tekst);
        QFETCH(QString, font);
        QFETCH(double, punkter);
        QFETCH(bool, fet);
        // Every language on the same window: the captions change, the controls stay put.
        balvo::ui::spraak().bytt(spraak.toStdString());
        QWidget* w = finn(navn);
        QString vist;
        int plass = 0;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            vist = l->text();
            plass = l->contentsRect().width();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            vist = g->title();
            plass = g->width() - 16;  // the frame's corners and the gaps beside the title
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            vist = b->text();
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            const bool avkryss = b->inherits("QCheckBox");
            const bool radio = b->inherits("QRadioButton");
            const auto del = radio     ? QStyle::SE_RadioButtonContents
                             : avkryss ? QStyle::SE_CheckBoxContents
                                       : QStyle::SE_PushButtonContents;
            plass = b->style()->subElementRect(del, &opt, b).width();
        }
        QCOMPARE(vist, tekst);
        QCOMPARE(w->font().families().first(), font);
        QCOMPARE(QFontInfo(w->font()).family(), QString("Liberation Sans"));
        QCOMPARE(w->font().pointSizeF(), punkter);
        QCOMPARE(w->font().bold(), fet);
        // No caption is clipped at its size.
        const QFontMetrics maal(w->font());
        QVERIFY2(maal.horizontalAdvance(tekst) <= plass,
                 qPrintable(QString("%1 > %2").arg(maal.horizontalAdvance(tekst)).arg(plass)));
        QVERIFY(maal.height() <= w->height());
    }

    void ordeneFaarPlass_data() {
        QTest::addColumn<QString>("spraak");
        for (const char* s : {"nb", "nn", "en"}) QTest::newRow(s) << s;
    }
    void ordeneFaarPlass() {
        // In every language: the perform key's word fits its face, each operation's name fits
        // an operand field with room for an operand like −3/4x, and the captions of the
        // own-equation dialog and the About box fit their controls.
        QFETCH(QString, spraak);
        balvo::ui::spraak().bytt(spraak.toStdString());
        QFont ansikt(QStringLiteral("Liberation Sans"));
        ansikt.setPixelSize(13);
        ansikt.setBold(true);
        QVERIFY(QFontMetrics(ansikt).horizontalAdvance(balvo::ui::qtr(balvo::utfoertekst)) <=
                balvo::flatemaal(balvo::Tasteflate::utfoer).bredde - 2);
        balvo::ui::Bildeboks* felt = boks("opfelt_1");
        felt->settfontnavn("Times New Roman");
        felt->settstoerrelse(20);
        // Each name with the widest operand the keypad can make, −32767/32766x², as the
        // worksheet draws it beside a line: it ends inside the field.
        for (int i = 0; i < 8; ++i) {
            const balvo::Operasjon op = balvo::oprtast(i);
            balvo::Ark ark;
            ark.linjeopr[0] = op;
            ark.linjeteller[0] = -32767;
            ark.linjenevner[0] = 32766;
            ark.linjepotens[0] = 2;
            const std::string navn = balvo::oversettelse(balvo::operasjonsnavn(op));
            // A name without an operand leaves the pen where it began.
            const double slutt = balvo::med_operand(op) ? balvo::vislinjeopr(ark, 0, 1, *felt)
                                                        : felt->tekstbredde(navn);
            QVERIFY2(slutt >= felt->tekstbredde(navn), navn.c_str());
            QVERIFY2(
                slutt <= felt->width() - 4,
                qPrintable(
                    QString("%1: %2 > %3").arg(navn.c_str()).arg(slutt).arg(felt->width() - 4)));
        }
        vindu->egendef_Click();
        vindu->om_Click();
        for (const char* navn : {"Glem", "OK", "cmdOK", "Label1", "lblVersion", "lblDisclaimer"}) {
            auto* w = vindu->findChild<QWidget*>(navn);
            auto* b = qobject_cast<QAbstractButton*>(w);
            const QString t = b ? b->text() : qobject_cast<QLabel*>(w)->text();
            int plass = w->width();
            if (b) {
                QStyleOptionButton opt;
                opt.initFrom(b);
                opt.text = t;
                plass = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
            }
            QVERIFY2(QFontMetrics(w->font()).horizontalAdvance(t) <= plass, qPrintable(t));
        }
        auto* mening = vindu->findChild<QLabel*>("Label2");
        QVERIFY(mening->heightForWidth(mening->width()) <= mening->height());
        for (auto* w : QApplication::topLevelWidgets())
            if (w != vindu.get()) w->close();
    }

    void tasterHarBildeOgTips_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("tips");
        const char* opr[] = {"Legg til...",
                             "Trekk fra...",
                             "Multipliser begge sider med..",
                             "Divider begge sider med...",
                             "Trekk kvadratrot av begge sider",
                             "Kvadrer begge sider",
                             "Snu alle fortegn",
                             "Bytt sider"};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QString("opr_%1").arg(i)))
                << QString("opr_%1").arg(i) << QString::fromUtf8(opr[i]);
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(QString("siffer_%1").arg(i)))
                << QString("siffer_%1").arg(i) << QString();
        QTest::newRow("pm") << "pm"
                            << "Negativt fortegn";
        QTest::newRow("broekstrek") << "broekstrek"
                                    << "Brøkstrek";
        QTest::newRow("Utfoer") << "Utfoer" << QString();
        QTest::newRow("strykut") << "strykut"
                                 << "Stryk ut";
        QTest::newRow("variabel_0") << "variabel_0"
                                    << "Den ukjente";
        QTest::newRow("variabel_1") << "variabel_1"
                                    << "Den ukjente i andre";
        QTest::newRow("scrollopp") << "scrollopp" << QString();
        QTest::newRow("scrollned") << "scrollned" << QString();
    }
    void tasterHarBildeOgTips() {
        QFETCH(QString, navn);
        QFETCH(QString, tips);
        auto* tast = qobject_cast<balvo::ui::Tasteknapp*>(finn(navn));
        QVERIFY(tast);
        QCOMPARE(tast->toolTip(), tips);
        QVERIFY(tast->text().isEmpty());  // the face is a picture, not a caption
        // The face inside the button, clear of its edge.
        QVERIFY(QRectF(tast->rect()).adjusted(2, 2, -2, -2).contains(tast->flatested()));
    }

    void farger_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QColor>("farge");
        QTest::newRow("Linje_0") << "Linje_0" << QColor(Qt::black);
        for (int k = 1; k < 5; ++k)
            QTest::newRow(qPrintable(QString("Linje_%1").arg(k)))
                << QString("Linje_%1").arg(k) << QColor(0, 0, 192);
        for (int k = 0; k < 5; ++k)
            QTest::newRow(qPrintable(QString("opfelt_%1").arg(k)))
                << QString("opfelt_%1").arg(k) << QColor(0, 0, 192);
        QTest::newRow("Nivaa") << "Nivaa" << QColor(192, 0, 0);
        QTest::newRow("Shape2") << "Shape2" << QColor(255, 224, 192);
        QTest::newRow("Shape3") << "Shape3" << QColor(192, 255, 192);
    }
    void farger() {
        QFETCH(QString, navn);
        QFETCH(QColor, farge);
        QWidget* w = finn(navn);
        if (auto* boks = qobject_cast<balvo::ui::Bildeboks*>(w)) {
            QCOMPARE(boks->forgrunn(), farge);
            QCOMPARE(boks->bakgrunn(), QColor(Qt::white));
        } else if (navn == "Nivaa") {
            QCOMPARE(w->palette().color(QPalette::WindowText), farge);
        } else {
            QVERIFY(w->autoFillBackground());
            QCOMPARE(w->palette().color(QPalette::Window), farge);
        }
    }

    void radeneHarSineFonter() {
        auto* rad = qobject_cast<balvo::ui::Bildeboks*>(finn("Linje_2"));
        QCOMPARE(QString::fromStdString(rad->fontnavn()), QString("MS Sans Serif"));
        QCOMPARE(rad->fontstoerrelse(), 13.5);
        QCOMPARE(qobject_cast<balvo::ui::Bildeboks*>(finn("Linje_7"))->fontstoerrelse(), 12.0);
        QCOMPARE(qobject_cast<balvo::ui::Bildeboks*>(finn("Linje_8"))->fontstoerrelse(), 9.75);
        QCOMPARE(rad->hoeyde(), 36.75);
    }

    void menyenValg() {
        QCOMPARE(vindu->windowTitle(), QString("Balvo 2.0"));
        auto* meny = vindu->menuBar()->findChild<QMenu*>("Meny");
        QVERIFY(meny);
        QCOMPARE(meny->title(), QString("Valg"));
        QStringList tekster, navn;
        for (QAction* a : meny->actions()) {
            tekster << (a->isSeparator() ? "-" : a->text());
            navn << a->objectName();
        }
        QCOMPARE(tekster, (QStringList{"Egen likning", "Grafisk løsning", "Utskrift", "-",
                                       "Lagre som", "-", "Om Balvo"}));
        QCOMPARE(navn, (QStringList{"egendef", "mmPapir", "Utskrift", "mellomrom", "Lagre", "mrom",
                                    "om"}));
    }
};

QTEST_MAIN(ArketvinduTest)
#include "arketvindu_qtest.moc"
