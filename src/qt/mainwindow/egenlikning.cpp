#include "qt/mainwindow/egenlikning.h"

#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "qt/ui/felles.h"

namespace balvo {

namespace {

using ui::twips;

QFont skrift(const char* navn, double punkter, bool kursiv = false) {
    return ui::skrift(QString::fromLatin1(navn), punkter, false, kursiv);
}

// The pictures between the boxes: an italic x, optionally squared and followed by a plus, or
// the equals sign, in the serif face of the worksheet.
class Bilde : public QWidget {
public:
    enum class Art { x2_pluss, x, er_lik };
    Bilde(Art art, QWidget* eier) : QWidget(eier), art_(art) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(Qt::black);
        const double grunnlinje = 29;  // level with the text in the boxes
        double x = 1;
        if (art_ == Art::er_lik) {
            p.setFont(skrift("Times New Roman", 15));
            p.drawText(QPointF(x + 2, grunnlinje), QStringLiteral("="));
            return;
        }
        const QFont kursiv = skrift("Times New Roman", 15, true);
        p.setFont(kursiv);
        p.drawText(QPointF(x, grunnlinje), QStringLiteral("x"));
        x += QFontMetricsF(kursiv).horizontalAdvance(QStringLiteral("x"));
        if (art_ == Art::x) return;
        const QFont eksponent = skrift("Times New Roman", 9.75);
        p.setFont(eksponent);
        p.drawText(QPointF(x + 0.5, grunnlinje - 8), QStringLiteral("2"));
        x += QFontMetricsF(eksponent).horizontalAdvance(QStringLiteral("2")) + 2;
        p.setFont(skrift("Times New Roman", 15));
        p.drawText(QPointF(x, grunnlinje), QStringLiteral("+"));
    }

private:
    Art art_;
};

struct Boksplass {
    QRect boks;
    QRect ramme;  // the drawn outline around the box
};

constexpr std::array<Boksplass, 6> boksplasser{{
    {twips(180, 510, 675, 315), twips(120, 390, 795, 525)},
    {twips(1440, 510, 675, 315), twips(1380, 390, 795, 525)},
    {twips(2580, 480, 675, 345), twips(2520, 390, 795, 525)},
    {twips(3690, 480, 735, 345), twips(3630, 390, 855, 525)},
    {twips(5010, 480, 675, 345), twips(4950, 390, 795, 525)},
    {twips(6120, 480, 705, 345), twips(6075, 390, 795, 525)},
}};

struct Bildeplass {
    Bilde::Art art;
    QRect plass;
};

constexpr std::array<Bildeplass, 5> bildeplasser{{
    {Bilde::Art::x2_pluss, twips(930, 300, 405, 570)},
    {Bilde::Art::x, twips(2190, 300, 285, 585)},
    {Bilde::Art::er_lik, twips(3300, 330, 270, 570)},
    {Bilde::Art::x2_pluss, twips(4470, 270, 435, 570)},
    {Bilde::Art::x, twips(5760, 270, 285, 585)},
}};

}  // namespace

egenlikning::egenlikning(Arket& arket, Meldinger& meldinger, QWidget* eier)
    : QDialog(eier, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint),
      arket_(arket),
      meldinger_(meldinger) {
    setObjectName(QStringLiteral("egenlikning"));
    setWindowTitle(QStringLiteral("Skriv egen likning"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twips(0, 0, 7275, 1845).size());

    for (std::size_t k = 0; k < boksplasser.size(); ++k) {
        auto* ramme = new QFrame(this);
        ramme->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
        ramme->setFrameStyle(QFrame::Box | QFrame::Plain);
        ramme->setLineWidth(1);
        ramme->setGeometry(boksplasser[k].ramme);
        koeff_[k] = new QLineEdit(this);
        koeff_[k]->setObjectName(QStringLiteral("koeff_%1").arg(k));
        koeff_[k]->setGeometry(boksplasser[k].boks);
    }
    for (std::size_t i = 0; i < bildeplasser.size(); ++i) {
        auto* bilde = new Bilde(bildeplasser[i].art, this);
        bilde->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        bilde->setGeometry(bildeplasser[i].plass);
    }

    const QFont knappeskrift = skrift("Arial", 12);
    auto* glem = new QPushButton(QStringLiteral("Glem det"), this);
    glem->setObjectName(QStringLiteral("Glem"));
    glem->setFont(knappeskrift);
    glem->setAutoDefault(false);
    glem->setGeometry(twips(4950, 1260, 1155, 435));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setFont(knappeskrift);
    ok->setDefault(true);
    ok->setGeometry(twips(6180, 1260, 645, 435));

    connect(ok, &QPushButton::clicked, this, &egenlikning::OK_Click);
    connect(glem, &QPushButton::clicked, this, &egenlikning::Glem_Click);

    Form_Load();
}

void egenlikning::Form_Load() {
    for (QLineEdit* boks : koeff_) boks->setText(QStringLiteral("0"));
    koeff_[0]->setFocus();
    koeff_[0]->selectAll();
}

void egenlikning::OK_Click() {
    std::array<std::string, 6> tekster;
    for (std::size_t k = 0; k < koeff_.size(); ++k) tekster[k] = koeff_[k]->text().toStdString();
    const Egnesvar svar = arket_.egne(tekster);
    if (!svar.ok) {
        meldinger_.melding(tittel_paatale, svar.melding);
        QLineEdit* boks = koeff(svar.boks);
        boks->setFocus();
        boks->selectAll();
        return;
    }
    close();
}

void egenlikning::Glem_Click() {
    close();
}

}  // namespace balvo
