// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/document/eksport.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <functional>

#include "core/document/dokumenttekster.h"
#include "core/lessonfile/oektfil.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/meldinger.h"
#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/utforming.h"
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
// The name the file dialog offers, and the print job's.
constexpr Tekst standardnavn = BALVO_TR("Dokument", "likning.pdf");
// The date in the header, in QLocale's notation.
constexpr Tekst datoform = BALVO_TR("Dokument", "d. MMMM yyyy");
// The name the lesson record is offered under.
constexpr Tekst oektnavn = BALVO_TR("Dokument", "økt.pdf");

constexpr double punkt_per_mm = 72.0 / 25.4;
constexpr double bildeskala = 2.0;  // pixels per point in a PNG: 144 dpi, sharp when zoomed

bool erpng(const QString& sti) {
    return QFileInfo(sti).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
}

// A menu item's text as the title of the dialog it opens, without the dots of "som...".
QString menytekst(std::string_view navn) {
    for (const auto meny : {valgmenyen(), oektmenyen()})
        for (const Menypunkt& m : meny) {
            if (m.navn != navn) continue;
            QString tekst = ui::qtr(m.tekst);
            while (tekst.endsWith(QLatin1Char('.'))) tekst.chop(1);
            return tekst;
        }
    return {};
}

// Printed text is a dark blue on white that every printer renders; the screen's ink.
bool tegn(const Sider& dokument, QPagedPaintDevice& enhet, int fra, int til) {
    const QRectF flate = enhet.pageLayout().paintRect(QPageLayout::Point);
    // A narrower page than A4 with our margins gets the whole document scaled down.
    const double skala = std::min(1.0, flate.width() / Dokument::bredde);
    const double hoeyde = flate.height() / skala;
    const int antall = dokument.antall(hoeyde);
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
        dokument.tegnside(maler, hoeyde, nr, antall);
        maler.restore();
    }
    return maler.end();
}

}  // namespace

void settsideoppsett(QPagedPaintDevice& enhet) {
    enhet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool tegnsider(const Sider& dokument, QPagedPaintDevice& enhet, int fra, int til) {
    return tegn(dokument, enhet, fra, til);
}

bool skrivpdf(const Sider& dokument, QIODevice& ut) {
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

namespace {

// Written to a temporary file and renamed into place only when it is complete: a save that
// fails leaves nothing behind, and says why.
QString skrivfil(const QString& sti, const std::function<bool(QIODevice&)>& skriv) {
    const QString vist = QDir::toNativeSeparators(sti);
    QSaveFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly)) return ui::qtr(kan_ikke_opprette).arg(vist);
    const bool ok = skriv(fil);
    // Until commit the text lives in a temporary file; without it nothing is left behind.
    if (!ok || fil.error() != QFileDevice::NoError) {
        fil.cancelWriting();
        return ui::qtr(skrivefeil).arg(vist);
    }
    if (!fil.commit()) return ui::qtr(skrivefeil).arg(vist);
    return {};
}

}  // namespace

QString lagre(const Dokument& dokument, const QString& sti) {
    return skrivfil(sti, [&](QIODevice& ut) {
        if (!erpng(sti)) return skrivpdf(dokument, ut);
        QImageWriter skriver(&ut, "png");
        return skriver.write(lagbilde(dokument));
    });
}

QString lagrepdf(const Sider& dokument, const QString& sti) {
    return skrivfil(sti, [&](QIODevice& ut) { return skrivpdf(dokument, ut); });
}

Dokument vindusdokument(const Arket& arket, const QString& dato) {
    Topptekst topp;
    topp.dato = dato;
    for (const auto& [ledetekst, verdi] : toppverdier(arket))
        topp.verdier.emplace_back(ui::qtr(ledetekst), QString::fromStdString(verdi));
    return Dokument(arket.ark(), std::move(topp));
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

void paatale(const Hovedvindu& vindu, const QString& feil) {
    const QByteArray tekst = feil.toUtf8();
    vindu.skall.melding(
        oversettelse(tittel_paatale),
        std::string_view(tekst.constData(), static_cast<std::size_t>(tekst.size())));
}

// Nothing to save or print before the first exercise: "Etteretning" says so.
bool oppgave_finnes(const Hovedvindu& vindu, Menyhandling handling) {
    const auto hindring = vindu.arket.hindring(handling);
    if (hindring) vindu.skall.melding(hindring->tittel, hindring->tekst);
    return !hindring;
}

// A save's outcome: true, or "Påtale" with the reason.
bool lagret(const Hovedvindu& vindu, const QString& feil) {
    if (feil.isEmpty()) return true;
    paatale(vindu, feil);
    return false;
}

// Where the file dialog starts: the pupil's documents, or home.
QString dokumentmappe() {
    QString mappe = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (mappe.isEmpty() || !QDir(mappe).exists()) mappe = QDir::homePath();
    return mappe;
}

// Prints through the system's dialog (a page range may be chosen); "Påtale" when it fails.
void skrivut(const Hovedvindu& vindu, const Sider& dokument, Tekst navn, const char* meny) {
    QPrinter skriver(QPrinter::HighResolution);
    settsideoppsett(skriver);
    // Also the name the dialog offers when printing to a file: likning.pdf, as when saving.
    skriver.setDocName(QFileInfo(ui::qtr(navn)).completeBaseName());
    const QRectF flate = skriver.pageLayout().paintRect(QPageLayout::Point);
    QPrintDialog dialog(&skriver, &vindu.vindu);
    dialog.setWindowTitle(menytekst(meny));
    dialog.setMinMax(1, dokument.antall(flate.height()));
    if (dialog.exec() != QDialog::Accepted) return;
    const bool utvalg = skriver.printRange() == QPrinter::PageRange;
    if (!tegnsider(dokument, skriver, utvalg ? skriver.fromPage() : 0,
                   utvalg ? skriver.toPage() : 0))
        vindu.skall.melding(oversettelse(tittel_paatale), oversettelse(utskrift_feilet));
}

}  // namespace

bool lagreark(const Hovedvindu& vindu, const QString& sti) {
    if (!oppgave_finnes(vindu, Menyhandling::lagre)) return false;
    return lagret(vindu, lagre(vindusdokument(vindu.arket, idag()), sti));
}

void lagresom(const Hovedvindu& vindu) {
    const QString mappe = dokumentmappe();
    const QString pdf = ui::qtr(pdf_filtype);
    const QString png = ui::qtr(png_filtype);
    QString valgt = pdf;
    QString sti = QFileDialog::getSaveFileName(&vindu.vindu, menytekst("Lagre"),
                                               QDir(mappe).filePath(ui::qtr(standardnavn)),
                                               pdf + QStringLiteral(";;") + png, &valgt);
    if (sti.isEmpty()) return;
    if (QFileInfo(sti).suffix().isEmpty())
        sti += valgt == png ? QStringLiteral(".png") : QStringLiteral(".pdf");
    lagreark(vindu, sti);
}

void skrivut(const Hovedvindu& vindu) {
    skrivut(vindu, vindusdokument(vindu.arket, idag()), standardnavn, "Utskrift");
}

Oektdokument oektdokument(Arket& arket, const QString& dato) {
    return Oektdokument(arket.oekt(), dato,
                        {ui::qtr(nivaatekst), ui::qtr(stegledetekst), ui::qtr(poengtekst)});
}

bool lagreoektfil(const Hovedvindu& vindu, const QString& sti) {
    if (!oppgave_finnes(vindu, Menyhandling::lagre_oekt)) return false;
    if (QFileInfo(sti).suffix().compare(QLatin1String("balvo"), Qt::CaseInsensitive) != 0)
        return lagret(vindu, lagrepdf(oektdokument(vindu.arket, idag()), sti));
    const std::optional<QString> navn = elevnavn(vindu);
    if (!navn) return false;
    const std::string tekst =
        skrivoektfil(lagoektfil(vindu.arket.oekt(), navn->toStdString(),
                                QDateTime::currentDateTime().toString(Qt::ISODate).toStdString()));
    return lagret(vindu, skrivfil(sti, [&](QIODevice& ut) {
                      return ut.write(tekst.data(), static_cast<qint64>(tekst.size())) ==
                             static_cast<qint64>(tekst.size());
                  }));
}

std::optional<QString> elevnavn(const Hovedvindu& vindu) {
    // Once per run: the name stays for every later save, and nothing of it is remembered.
    static std::optional<QString> navn;
    if (navn) return navn;
    bool ok = false;
    const QString svar = QInputDialog::getText(
        &vindu.vindu, menytekst("lagreoekt"), ui::qtr(navnespoersmaal), QLineEdit::Normal, {}, &ok);
    if (!ok) return std::nullopt;
    navn = svar.trimmed();
    return navn;
}

void lagreoekt(const Hovedvindu& vindu) {
    const QString pdf = ui::qtr(pdf_filtype);
    const QString balvo = ui::qtr(oekt_filtype);
    QString valgt = pdf;
    QString sti = QFileDialog::getSaveFileName(&vindu.vindu, menytekst("lagreoekt"),
                                               QDir(dokumentmappe()).filePath(ui::qtr(oektnavn)),
                                               pdf + QStringLiteral(";;") + balvo, &valgt);
    if (sti.isEmpty()) return;
    if (valgt == balvo &&
        QFileInfo(sti).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        sti = sti.left(sti.size() - 4);
    if (QFileInfo(sti).suffix().isEmpty())
        sti += valgt == balvo ? QStringLiteral(".balvo") : QStringLiteral(".pdf");
    lagreoektfil(vindu, sti);
}

void skrivutoekt(const Hovedvindu& vindu) {
    skrivut(vindu, oektdokument(vindu.arket, idag()), oektnavn, "skrivutoekt");
}

}  // namespace balvo
