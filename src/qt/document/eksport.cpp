#include "qt/document/eksport.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "core/mainwindow/meldinger.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/felles.h"
#include "qt/ui/meldingsboks.h"
#include "qt/ui/spraak.h"

namespace balvo {
namespace {

constexpr Tekst kan_ikke_opprette = BALVO_TR(
    "Dokument",
    "Filen «%1» kunne ikke lagres: mappen finnes ikke, eller du har ikke lov til å skrive i "
    "den.");
constexpr Tekst skrivefeil =
    BALVO_TR("Dokument",
             "Filen «%1» kunne ikke lagres fordi skrivingen mislyktes (kanskje er disken full).\n"
             "Ingenting er lagret.");
constexpr Tekst utskrift_feilet = BALVO_TR("Dokument", "Utskriften kunne ikke startes.");
constexpr Tekst pdf_filter = BALVO_TR("Dokument", "PDF-dokument (*.pdf)");
constexpr Tekst png_filter = BALVO_TR("Dokument", "PNG-bilde (*.png)");
// The name the file dialog offers, and the print job's.
constexpr Tekst standardnavn = BALVO_TR("Dokument", "likning.pdf");
// The date in the header, in QLocale's notation.
constexpr Tekst datoform = BALVO_TR("Dokument", "d. MMMM yyyy");

constexpr double punkt_per_mm = 72.0 / 25.4;
constexpr double bildeskala = 2.0;  // pixels per point in a PNG: 144 dpi, sharp when zoomed

bool erpng(const QString& sti) {
    return QFileInfo(sti).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
}

QString menytekst(const QWidget& vindu, const char* navn) {
    const auto* a = vindu.findChild<QAction*>(QLatin1String(navn));
    return a ? a->text() : QString();
}

QString etikett(const QWidget& vindu, const char* navn) {
    const auto* l = vindu.findChild<QLabel*>(QLatin1String(navn));
    return l ? l->text() : QString();
}

// Printed text is a dark blue on white that every printer renders; the screen's ink.
bool tegn(const Dokument& dokument, QPagedPaintDevice& enhet, int fra, int til) {
    const QRectF flate = enhet.pageLayout().paintRect(QPageLayout::Point);
    // A narrower page than A4 with our margins gets the whole document scaled down.
    const double skala = std::min(1.0, flate.width() / Dokument::bredde);
    const double hoeyde = flate.height() / skala;
    const auto sider = dokument.sider(hoeyde);
    const int antall = static_cast<int>(sider.size());
    fra = fra > 0 ? std::min(fra, antall) : 1;
    til = til > 0 ? std::min(til, antall) : antall;

    QPainter maler;
    if (!maler.begin(&enhet)) return false;
    maler.setRenderHint(QPainter::Antialiasing, true);
    const double enheter_per_punkt = enhet.logicalDpiX() / 72.0;
    for (int nr = fra; nr <= til; ++nr) {
        if (nr > fra && !enhet.newPage()) return false;
        maler.save();
        maler.scale(enheter_per_punkt * skala, enheter_per_punkt * skala);
        dokument.tegn(maler, sider[static_cast<std::size_t>(nr - 1)], nr, antall, hoeyde);
        maler.restore();
    }
    return maler.end();
}

}  // namespace

void settsideoppsett(QPagedPaintDevice& enhet) {
    enhet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool tegnsider(const Dokument& dokument, QPagedPaintDevice& enhet, int fra, int til) {
    return tegn(dokument, enhet, fra, til);
}

bool skrivpdf(const Dokument& dokument, QIODevice& ut) {
    QPdfWriter pdf(&ut);
    settsideoppsett(pdf);
    pdf.setResolution(600);
    pdf.setCreator(QString::fromUtf8(ui::programnavn));
    pdf.setTitle(QString::fromUtf8(ui::programnavn));
    return tegn(dokument, pdf, 0, 0);
}

QImage lagbilde(const Dokument& dokument) {
    const Dokumentside alt = dokument.alt();
    const double kant = 15 * punkt_per_mm;
    const QSizeF punkter(Dokument::bredde + 2 * kant, dokument.hoeyde(alt) + 2 * kant);
    QImage bilde((punkter * bildeskala).toSize(), QImage::Format_RGB32);
    // 72 points to the inch, so that the fonts come out in points at this density.
    const int dpm = static_cast<int>(std::lround(72 * bildeskala / 0.0254));
    bilde.setDotsPerMeterX(dpm);
    bilde.setDotsPerMeterY(dpm);
    bilde.fill(Qt::white);
    QPainter maler(&bilde);
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.scale(bildeskala, bildeskala);
    maler.translate(kant, kant);
    dokument.tegn(maler, alt);
    maler.end();
    return bilde;
}

QString lagre(const Dokument& dokument, const QString& sti) {
    const QString vist = QDir::toNativeSeparators(sti);
    QSaveFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly)) return ui::qtr(kan_ikke_opprette).arg(vist);
    bool ok = false;
    if (erpng(sti)) {
        QImageWriter skriver(&fil, "png");
        ok = skriver.write(lagbilde(dokument));
    } else {
        ok = skrivpdf(dokument, fil);
    }
    // Until commit the text lives in a temporary file; without it nothing is left behind.
    if (!ok || fil.error() != QFileDevice::NoError) {
        fil.cancelWriting();
        return ui::qtr(skrivefeil).arg(vist);
    }
    if (!fil.commit()) return ui::qtr(skrivefeil).arg(vist);
    return {};
}

Dokument vindusdokument(ArketVindu& vindu, const QString& dato) {
    Topptekst topp;
    topp.dato = dato;
    for (const auto& [ledetekst, verdi] :
         {std::pair{"Label1", "Nivaa"}, std::pair{"Label2", "Loeste"},
          std::pair{"Label3", "Poeng"}})
        topp.verdier.emplace_back(etikett(vindu, ledetekst), etikett(vindu, verdi));
    return Dokument(vindu.arket().ark(), std::move(topp));
}

namespace {
QString idag() {
    // The month named in the pupil's language.
    const std::string_view kode = ui::spraak().kode();
    const QLocale sted = kode == "nn"   ? QLocale(QLocale::NorwegianNynorsk, QLocale::Norway)
                         : kode == "en" ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                        : QLocale(QLocale::NorwegianBokmal, QLocale::Norway);
    return sted.toString(QDate::currentDate(), ui::qtr(datoform));
}
}  // namespace

bool lagreark(ArketVindu& vindu, const QString& sti) {
    if (!vindu.arket().har_oppgave()) {
        vindu.melding(tr(tittel_etteretning), tr(ingen_oppgave_lagre));
        return false;
    }
    const QString feil = lagre(vindusdokument(vindu, idag()), sti);
    if (feil.isEmpty()) return true;
    const QByteArray tekst = feil.toUtf8();
    vindu.melding(tr(tittel_paatale),
                  std::string_view(tekst.constData(), static_cast<std::size_t>(tekst.size())));
    return false;
}

void lagresom(ArketVindu& vindu) {
    if (!vindu.arket().har_oppgave()) {
        vindu.melding(tr(tittel_etteretning), tr(ingen_oppgave_lagre));
        return;
    }
    QString mappe = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (mappe.isEmpty() || !QDir(mappe).exists()) mappe = QDir::homePath();
    const QString pdf = ui::qtr(pdf_filter);
    const QString png = ui::qtr(png_filter);
    QString valgt = pdf;
    QString sti = QFileDialog::getSaveFileName(&vindu, menytekst(vindu, "Lagre"),
                                               QDir(mappe).filePath(ui::qtr(standardnavn)),
                                               pdf + QStringLiteral(";;") + png, &valgt);
    if (sti.isEmpty()) return;
    if (QFileInfo(sti).suffix().isEmpty())
        sti += valgt == png ? QStringLiteral(".png") : QStringLiteral(".pdf");
    lagreark(vindu, sti);
}

void skrivut(ArketVindu& vindu) {
    if (!vindu.arket().har_oppgave()) {
        vindu.melding(tr(tittel_etteretning), tr(ingen_oppgave_skrive));
        return;
    }
    const Dokument dokument = vindusdokument(vindu, idag());
    QPrinter skriver(QPrinter::HighResolution);
    settsideoppsett(skriver);
    // Also the name the dialog offers when printing to a file: likning.pdf, as when saving.
    skriver.setDocName(QFileInfo(ui::qtr(standardnavn)).completeBaseName());
    const QRectF flate = skriver.pageLayout().paintRect(QPageLayout::Point);
    QPrintDialog dialog(&skriver, &vindu);
    dialog.setWindowTitle(menytekst(vindu, "Utskrift"));
    dialog.setMinMax(1, static_cast<int>(dokument.sider(flate.height()).size()));
    if (dialog.exec() != QDialog::Accepted) return;
    const bool utvalg = skriver.printRange() == QPrinter::PageRange;
    if (!tegnsider(dokument, skriver, utvalg ? skriver.fromPage() : 0,
                   utvalg ? skriver.toPage() : 0))
        vindu.melding(tr(tittel_paatale), tr(utskrift_feilet));
}

}  // namespace balvo
