// The keypad: the operation columns on an orange panel, the digit block on a green one.
#include <QFrame>
#include <QToolButton>

#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/felles.h"
#include "qt/ui/tasteflate.h"

namespace balvo {

namespace {

using ui::twips;

// Every key is 375 twips square; the perform key is 765 wide.
QToolButton* lagtast(QWidget* flate, const QString& navn, int venstre, int topp,
                     ui::Tastebilde bilde, const QString& tips = {}, int siffer = 0,
                     int bredde = 375) {
    return ui::lagtast(flate, navn, twips(venstre, topp, bredde, 375), bilde, tips, siffer);
}

QWidget* panel(QWidget* flate, const QString& navn, const QRect& sted, const QColor& farge) {
    auto* p = new QWidget(flate);
    p->setObjectName(navn);
    p->setGeometry(sted);
    QPalette palett = p->palette();
    palett.setColor(QPalette::Window, farge);
    p->setPalette(palett);
    p->setAutoFillBackground(true);
    return p;
}

struct Oprtast {
    ui::Tastebilde bilde;
    const char* tips;
    int venstre, topp;
};

}  // namespace

void ArketVindu::byggtastatur(QWidget* flate) {
    auto* ramme = new QFrame(flate);
    ramme->setObjectName(QStringLiteral("ramme"));
    ramme->setGeometry(twips(6570, 3990, 2205, 2115));
    ramme->setFrameStyle(QFrame::Box | QFrame::Plain);
    ramme->setLineWidth(2);
    panel(flate, QStringLiteral("Shape2"), twips(6600, 4020, 885, 2055),
          QColor(255, 224, 192));  // &H00C0E0FF
    panel(flate, QStringLiteral("Shape3"), twips(7500, 4020, 1245, 2055),
          QColor(192, 255, 192));  // &H00C0FFC0

    using B = ui::Tastebilde;
    const Oprtast oprtaster[] = {
        {B::pluss, "Legg til...", 6660, 4080},
        {B::minus, "Trekk fra...", 6660, 4470},
        {B::prikk, "Multipliser begge sider med..", 6660, 4860},
        {B::kolon, "Divider begge sider med...", 6660, 5250},
        {B::rot, "Trekk kvadratrot av begge sider", 7050, 4080},
        {B::kvadrat, "Kvadrer begge sider", 7050, 4470},
        {B::plussminus, "Snu alle fortegn", 7050, 4860},
        {B::bytt, "Bytt sider", 7050, 5250},
    };
    for (int i = 0; i < 8; ++i) {
        const Oprtast& o = oprtaster[i];
        auto* k = lagtast(flate, QStringLiteral("opr_%1").arg(i), o.venstre, o.topp, o.bilde,
                          QString::fromUtf8(o.tips));
        taster_[opr0 + i] = k;
        connect(k, &QToolButton::clicked, this, [this, i] { arket_.opr_Click(i); });
    }

    // Digits 7 8 9 / 4 5 6 / 1 2 3 in three columns, 0 under 1.
    for (int i = 0; i < 10; ++i) {
        const int venstre = i == 0 ? 7530 : 7530 + 390 * ((i - 1) % 3);
        const int topp = i == 0 ? 5250 : 4860 - 390 * ((i - 1) / 3);
        auto* k =
            lagtast(flate, QStringLiteral("siffer_%1").arg(i), venstre, topp, B::siffer, {}, i);
        taster_[siffer0 + i] = k;
        connect(k, &QToolButton::clicked, this, [this, i] { arket_.siffer_Click(i); });
    }

    auto* pm = lagtast(flate, QStringLiteral("pm"), 7920, 5250, B::negativ,
                       QStringLiteral("Negativt fortegn"));
    auto* strek = lagtast(flate, QStringLiteral("broekstrek"), 8310, 5250, B::broek,
                          QStringLiteral("Brøkstrek"));
    auto* utfoer = lagtast(flate, QStringLiteral("Utfoer"), 6660, 5640, B::utfoer, {}, 0, 765);
    auto* stryk =
        lagtast(flate, QStringLiteral("strykut"), 7530, 5640, B::stryk, QStringLiteral("Stryk ut"));
    auto* x = lagtast(flate, QStringLiteral("variabel_0"), 7920, 5640, B::x,
                      QStringLiteral("Den ukjente"));
    auto* x2 = lagtast(flate, QStringLiteral("variabel_1"), 8310, 5640, B::x2,
                       QStringLiteral("Den ukjente i andre"));
    taster_[Tast::pm] = pm;
    taster_[Tast::broekstrek] = strek;
    taster_[Tast::Utfoer] = utfoer;
    taster_[Tast::strykut] = stryk;
    taster_[variabel0] = x;
    taster_[variabel1] = x2;
    connect(pm, &QToolButton::clicked, this, [this] { arket_.pm_Click(); });
    connect(strek, &QToolButton::clicked, this, [this] { arket_.broekstrek_Click(); });
    connect(utfoer, &QToolButton::clicked, this, [this] { arket_.Utfoer_Click(); });
    connect(stryk, &QToolButton::clicked, this, [this] { arket_.strykut_Click(); });
    connect(x, &QToolButton::clicked, this, [this] { arket_.variabel_Click(0); });
    connect(x2, &QToolButton::clicked, this, [this] { arket_.variabel_Click(1); });
}

}  // namespace balvo
