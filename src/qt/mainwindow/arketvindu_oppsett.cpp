// The window's controls, placed as designed: positions in twips, 15 twips to a pixel.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/tasteflate.h"

namespace balvo {

namespace {

using ui::twips;

const QColor moerkeblaa(0, 0, 192);  // &H00C00000
const QColor moerkeroed(192, 0, 0);  // &H000000C0

QFont sansserif(double punkter, bool fet = false) {
    return ui::skrift(QStringLiteral("MS Sans Serif"), punkter, fet);
}

template <typename T>
T* plasser(T* kontroll, const QString& navn, const QRect& sted) {
    kontroll->setObjectName(navn);
    kontroll->setGeometry(sted);
    return kontroll;
}

QString indeksert(const char* navn, int indeks) {
    return QStringLiteral("%1_%2").arg(QLatin1String(navn)).arg(indeks);
}

ui::Bildeboks* bildeboks(QWidget* flate, const QString& navn, const QRect& sted,
                         const QColor& farge, double punkter) {
    auto* boks = plasser(new ui::Bildeboks(flate), navn, sted);
    boks->settforgrunn(farge);
    boks->settfontnavn("MS Sans Serif");
    boks->settstoerrelse(punkter);
    return boks;
}

// A line or a frame drawn in the window text colour.
QFrame* strek(QWidget* flate, const QString& navn, const QRect& sted, int tykkelse = 1) {
    auto* ramme = plasser(new QFrame(flate), navn, sted);
    ramme->setFrameStyle(QFrame::Box | QFrame::Plain);
    ramme->setLineWidth(tykkelse);
    return ramme;
}

QLabel* etikett(QWidget* flate, const QString& navn, const QString& tekst, const QRect& sted,
                const QFont& font) {
    auto* l = plasser(new QLabel(tekst, flate), navn, sted);
    l->setFont(font);
    return l;
}

}  // namespace

void ArketVindu::byggarbeidsflate(QWidget* flate) {
    // Operand field 1 sits 30 twips lower than its row; the others are level with theirs.
    constexpr std::array<int, 5> opfelttopp{0, 750, 1440, 2160, 2880};
    for (std::size_t k = 0; k < 5; ++k) {
        const int i = static_cast<int>(k);
        const QColor farge = k == 0 ? QColor(Qt::black) : moerkeblaa;
        linjer_[k] =
            bildeboks(flate, indeksert("Linje", i), twips(120, 720 * i, 6105, 735), farge, 13.5);
        opfelter_[k] =
            bildeboks(flate, indeksert("opfelt", i),
                      twips(6390, opfelttopp[k], k == 0 ? 3045 : 2805, 735), moerkeblaa, 8.25);
    }
    dumpboks_ =
        bildeboks(flate, QStringLiteral("Linje_7"), twips(120, 5400, 5115, 735), Qt::black, 12);
    diagnoseboks_ =
        bildeboks(flate, QStringLiteral("Linje_8"), twips(120, 6120, 5115, 375), Qt::black, 9.75);
    dumpboks_->hide();
    diagnoseboks_->hide();

    strek(flate, QStringLiteral("Shape1"), twips(9210, 960, 255, 2625));
    auto* opp = ui::lagtast(flate, QStringLiteral("scrollopp"), twips(9180, 750, 285, 285),
                            ui::Tastebilde::opp);
    auto* ned = ui::lagtast(flate, QStringLiteral("scrollned"), twips(9180, 3390, 285, 255),
                            ui::Tastebilde::ned);
    taster_[scrollopp] = opp;
    taster_[scrollned] = ned;
    connect(opp, &QToolButton::clicked, this, [this] { arket_.scrollopp_Click(); });
    connect(ned, &QToolButton::clicked, this, [this] { arket_.scrollned_Click(); });

    strek(flate, QStringLiteral("Line4"), QRect(twips(6270), 0, 1, twips(6180)));
    strek(flate, QStringLiteral("Line3"), QRect(twips(120), twips(3690), twips(9360 - 120), 1));

    merke_ = plasser(new QLabel(flate), QStringLiteral("Pi_R"), twips(9120, 4200, 615, 735));
    merke_->setPixmap(ui::loestmerke(devicePixelRatioF() > 1 ? 2.0 : 1.0));
    merke_->resize(ui::merkestoerrelse);
    merke_->setAttribute(Qt::WA_TranslucentBackground);
    merke_->hide();
}

void ArketVindu::byggoppgavedel(QWidget* flate) {
    auto* ny = plasser(new QPushButton(QStringLiteral("Ny oppgave"), flate),
                       QStringLiteral("nyoppgave"), twips(120, 3810, 1725, 525));
    nyoppgave_ = ny;
    ny->setFont(sansserif(13.5));
    connect(ny, &QPushButton::clicked, this, [this] { arket_.nyoppgave_Click(); });

    const QFont ledetekst = sansserif(9.75, true);
    etikett(flate, QStringLiteral("Label1"), QStringLiteral("Vanskelighetsgrad:"),
            twips(2400, 3960, 1995, 255), ledetekst);
    nivaa_ = etikett(flate, QStringLiteral("Nivaa"), QStringLiteral("1"),
                     twips(4440, 3900, 225, 345), ui::skrift(QStringLiteral("Arial"), 14.25, true));
    QPalette roed = nivaa_->palette();
    roed.setColor(QPalette::WindowText, moerkeroed);
    nivaa_->setPalette(roed);
    etikett(flate, QStringLiteral("Label2"), QStringLiteral("Løste oppgaver:"),
            twips(2400, 4320, 1755, 255), ledetekst);
    loeste_ = etikett(flate, QStringLiteral("Loeste"), QString(), twips(4170, 4290, 525, 285),
                      ui::skrift(QStringLiteral("Arial"), 12));
    etikett(flate, QStringLiteral("Label3"), QStringLiteral("Poeng:"), twips(2400, 4680, 825, 255),
            ledetekst);
    poeng_ = etikett(flate, QStringLiteral("Poeng"), QStringLiteral("0"),
                     twips(3270, 4680, 615, 285), ui::skrift(QStringLiteral("Arial"), 12));

    auto* ramme = plasser(new QGroupBox(QStringLiteral("Likningstype"), flate),
                          QStringLiteral("Frame1"), twips(120, 4410, 1695, 1845));
    ramme->setFont(sansserif(8.25, true));
    const QFont valgfont = sansserif(8.25);
    auto* o3 = plasser(new QRadioButton(QStringLiteral("Både x² og x"), ramme),
                       QStringLiteral("Option3"), twips(120, 270, 1245, 315));
    auto* o2 = plasser(new QRadioButton(QStringLiteral("Kun x²"), ramme), QStringLiteral("Option2"),
                       twips(120, 660, 1245, 285));
    auto* o1 = plasser(new QRadioButton(QStringLiteral("Kun x"), ramme), QStringLiteral("Option1"),
                       twips(120, 1050, 1245, 315));
    auto* brok = plasser(new QCheckBox(QStringLiteral("Brøker"), ramme), QStringLiteral("Check1"),
                         twips(120, 1410, 795, 315));
    for (QWidget* w : {static_cast<QWidget*>(o3), static_cast<QWidget*>(o2),
                       static_cast<QWidget*>(o1), static_cast<QWidget*>(brok)})
        w->setFont(valgfont);
    o1->setChecked(true);
    taster_[Option1] = o1;
    taster_[Option2] = o2;
    taster_[Option3] = o3;
    taster_[Check1] = brok;
    connect(o1, &QRadioButton::clicked, this, [this] { arket_.Option1_Click(); });
    connect(o2, &QRadioButton::clicked, this, [this] { arket_.Option2_Click(); });
    connect(o3, &QRadioButton::clicked, this, [this] { arket_.Option3_Click(); });
    connect(brok, &QCheckBox::clicked, this, [this](bool paa) { arket_.Check1_Click(paa); });
}

void ArketVindu::byggmeny() {
    QMenu* meny = menuBar()->addMenu(QStringLiteral("Valg"));
    meny->setObjectName(QStringLiteral("Meny"));
    const auto punkt = [&](const QString& navn, const QString& tekst, void (ArketVindu::*h)()) {
        QAction* a = meny->addAction(tekst);
        a->setObjectName(navn);
        connect(a, &QAction::triggered, this, h);
    };
    punkt(QStringLiteral("egendef"), QStringLiteral("Egen likning"), &ArketVindu::egendef_Click);
    punkt(QStringLiteral("mmPapir"), QStringLiteral("Grafisk løsning"), &ArketVindu::mmPapir_Click);
    punkt(QStringLiteral("Utskrift"), QStringLiteral("Utskrift"), &ArketVindu::Utskrift_Click);
    meny->addSeparator()->setObjectName(QStringLiteral("mellomrom"));
    punkt(QStringLiteral("Lagre"), QStringLiteral("Lagre som"), &ArketVindu::Lagre_Click);
    meny->addSeparator()->setObjectName(QStringLiteral("mrom"));
    punkt(QStringLiteral("om"), QStringLiteral("Om Balvo"), &ArketVindu::om_Click);
}

}  // namespace balvo
