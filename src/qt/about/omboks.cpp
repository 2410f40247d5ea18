#include "qt/about/omboks.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

#include "qt/about/ikon.h"
#include "qt/ui/felles.h"

namespace balvo {

namespace {

using ui::twips;

QLabel* etikett(QWidget* eier, const char* navn, const QString& tekst, QRect plass) {
    auto* l = new QLabel(tekst, eier);
    l->setObjectName(QString::fromLatin1(navn));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(plass);
    return l;
}

const QColor graa(0x80, 0x80, 0x80);

// The paragraphs were laid out for a narrower face than the free stand-ins: shrink the font a
// little until every line fits the label, so that no word is cut off.
void tilpass(QLabel* l) {
    QFont f = l->font();
    const auto for_stor = [&] {
        const QRect trengs = QFontMetrics(f).boundingRect(QRect(0, 0, 10000, 10000),
                                                          Qt::AlignLeft | Qt::AlignTop, l->text());
        return trengs.width() > l->width() || trengs.height() > l->height();
    };
    while (for_stor() && f.pointSizeF() > 6) f.setPointSizeF(f.pointSizeF() - 0.25);
    l->setFont(f);
}

}  // namespace

frmOm::frmOm(QWidget* eier)
    : QDialog(eier, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmOm"));
    setWindowTitle(QStringLiteral("Om Balvo 2.0"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twips(0, 0, 5475, 4845).size());
    QFont f;
    f.setFamilies(ui::fontfamilier(QStringLiteral("MS Sans Serif")));
    f.setPointSizeF(8.25);
    setFont(f);

    auto* ikon = new QLabel(this);
    ikon->setObjectName(QStringLiteral("picIcon"));
    ikon->setGeometry(twips(210, 270, 600, 555));
    ikon->setPixmap(balvobilde(devicePixelRatioF()));
    ikon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Innledning_ = etikett(this, "Innledning", QString(), twips(1050, 240, 3885, 840));
    etikett(this, "Label1", QStringLiteral("Fri programvare for bruk i skolen."),
            twips(1050, 1110, 3885, 285));
    etikett(this, "lblVersion", QStringLiteral("Versjon 2.03.0"), twips(1050, 1560, 3885, 225));
    Formaal_ = etikett(this, "Formaal", QString(), twips(1050, 1965, 3885, 1860));
    etikett(this, "lblDisclaimer", QStringLiteral("\"Advarsel:\""), twips(150, 4095, 795, 195));
    auto* l2 = etikett(this, "Label2",
                       QStringLiteral("Det er nokså meningsløst å kunne løse likninger uten å "
                                      "kunne lage dem selv når det trengs."),
                       twips(1050, 4110, 3105, 645));
    l2->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setGeometry(twips(4260, 4410, 990, 345));
    connect(ok, &QPushButton::clicked, this, &frmOm::cmdOK_Click);

    Form_Load();
}

void frmOm::Form_Load() {
    const QStringList innledning{
        QStringLiteral("Balvo 2.0 er et program for å øve på å løse likninger"),
        QStringLiteral("trinn for trinn. Det er laget for bruk i skolen og"),
        QStringLiteral("kjører på Linux-skrivebord med Qt. Eleven velger,"),
        QStringLiteral("og maskinen regner ut."),
    };
    // One empty line after the fourth line, none after the last.
    const QStringList formaal{
        QStringLiteral("Programmets pedagogiske idé går ut på å utnytte data-"),
        QStringLiteral("maskinas mulighet til enkelt å skille ut det taktiske som"),
        QStringLiteral("eget øvelsesmoment når det gjelder å løse oppstilte"),
        QStringLiteral("likninger.\n"),
        QStringLiteral("Programmet utfører lydig utregningene som følger av de"),
        QStringLiteral("valg eleven gjør enten de fører mot målet eller ikke. Dit"),
        QStringLiteral("er det dessuten mange veier, og dét er jo i seg selv et"),
        QStringLiteral("viktig pedagogisk poeng..."),
    };
    Innledning_->setText(innledning.join(QLatin1Char('\n')));
    Formaal_->setText(formaal.join(QLatin1Char('\n')));
    tilpass(Innledning_);
    tilpass(Formaal_);
}

void frmOm::cmdOK_Click() {
    close();
}

void frmOm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(graa, 1));
    p.drawLine(twips(1050, 1470), twips(4980, 1470));  // Line1(2)
    p.drawLine(twips(1020, 1860), twips(4950, 1860));  // Line1(3)
    // Line1(1) and Line1(0): a grey line over a white one, an etched rule.
    p.drawLine(twips(90, 3915), twips(5654, 3915));
    const QPoint hvit = twips(105, 3930);
    p.fillRect(QRect(hvit.x(), hvit.y(), twips(5654, 0).x() - hvit.x() + 1, 2), Qt::white);
}

}  // namespace balvo
