// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/lessonfile/klassevindu.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/display/lineaertekst.h"
#include "core/document/dokumenttekster.h"
#include "core/mainwindow/meldinger.h"
#include "core/mainwindow/utforming.h"
#include "qt/document/eksport.h"
#include "qt/ui/felles.h"
#include "qt/ui/spraak.h"

namespace balvo {
namespace {

// The buttons the desktop's window has beside those of both shells.
constexpr Tekst som_pdf = BALVO_TR("Klasseoversikt", "Lagre som PDF...");
constexpr Tekst lukk = BALVO_TR("Klasseoversikt", "Lukk");
constexpr Tekst mappe_knapp = BALVO_TR("Klasseoversikt", "Åpne mappe...");
// A folder of lesson files: the dialog that chooses it, and one with none in it.
constexpr Tekst velg_mappe = BALVO_TR("Klasseoversikt", "Åpne en mappe med økt-filer");
constexpr Tekst ingen_filer = BALVO_TR("Klasseoversikt", "Mappen har ingen økt-filer (*.balvo).");
// Saving the table.
constexpr Tekst csv_filter = BALVO_TR("Klasseoversikt", "CSV-fil (*.csv)");
constexpr Tekst skrivefeil = BALVO_TR("Klasseoversikt", "Filen «%1» kunne ikke lagres.");
QString q(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void fylltabell(QTableWidget& t, const Tabellrad& hode, const std::vector<Tabellrad>& rader) {
    t.clear();
    t.setColumnCount(static_cast<int>(hode.size()));
    t.setRowCount(static_cast<int>(rader.size()));
    QStringList overskrifter;
    for (const std::string& h : hode) overskrifter << q(h);
    t.setHorizontalHeaderLabels(overskrifter);
    for (std::size_t r = 0; r < rader.size(); ++r)
        for (std::size_t k = 0; k < rader[r].size(); ++k) {
            auto* celle = new QTableWidgetItem(q(rader[r][k]));
            celle->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            t.setItem(static_cast<int>(r), static_cast<int>(k), celle);
        }
    t.resizeColumnsToContents();
}

QTableWidget* lagtabell(QWidget* forelder, const char* navn) {
    auto* t = new QTableWidget(forelder);
    t->setObjectName(QLatin1String(navn));
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    return t;
}

QString htmltabell(const Tabellrad& hode, const std::vector<Tabellrad>& rader) {
    QString html = QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr>");
    for (const std::string& h : hode)
        html += QStringLiteral("<th>") + q(h).toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const Tabellrad& rad : rader) {
        html += QStringLiteral("<tr>");
        for (const std::string& c : rad)
            html += QStringLiteral("<td>") + q(c).toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

Klassevindu::Klassevindu(Meldinger& meldinger, QWidget* forelder)
    : QDialog(forelder), meldinger_(meldinger) {
    setObjectName(QStringLiteral("Klasseoversikt"));
    setWindowTitle(ui::qtr(klassetittel));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* oppsett = new QVBoxLayout(this);
    auto* deler = new QSplitter(Qt::Vertical, this);
    auto* topp = new QWidget(deler);
    auto* toppoppsett = new QVBoxLayout(topp);
    toppoppsett->setContentsMargins(0, 0, 0, 0);
    toppoppsett->addWidget(new QLabel(
        QStringLiteral("<b>") + ui::qtr(klasse_elevtittel) + QStringLiteral("</b>"), topp));
    elever_ = lagtabell(topp, "elever");
    toppoppsett->addWidget(elever_, 3);
    toppoppsett->addWidget(new QLabel(
        QStringLiteral("<b>") + ui::qtr(klasse_nivaatittel) + QStringLiteral("</b>"), topp));
    nivaaer_ = lagtabell(topp, "nivaaer");
    toppoppsett->addWidget(nivaaer_, 2);
    toppoppsett->addWidget(new QLabel(ui::qtr(klasse_uleseligtittel), topp));
    uleselige_ = new QPlainTextEdit(topp);
    uleselige_->setObjectName(QStringLiteral("uleselige"));
    uleselige_->setReadOnly(true);
    uleselige_->setMaximumHeight(70);
    toppoppsett->addWidget(uleselige_);

    auto* bunn = new QSplitter(Qt::Horizontal, deler);
    oppgaver_ = lagtabell(bunn, "oppgaver");
    auto* rulle = new QScrollArea(bunn);
    ark_ = new QLabel(ui::qtr(klasse_velg_elev), rulle);
    ark_->setObjectName(QStringLiteral("ark"));
    ark_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rulle->setWidget(ark_);
    rulle->setWidgetResizable(true);
    bunn->setStretchFactor(1, 2);
    oppsett->addWidget(deler, 1);

    auto* knapper = new QDialogButtonBox(this);
    const auto knapp = [&](Tekst t, const char* navn, void (Klassevindu::*slot)()) {
        QPushButton* b = knapper->addButton(ui::qtr(t), QDialogButtonBox::ActionRole);
        b->setObjectName(QLatin1String(navn));
        connect(b, &QPushButton::clicked, this, slot);
    };
    knapp(mappe_knapp, "mappe", &Klassevindu::aapnemappe);
    knapp(klasse_skriv_ut, "skrivut", &Klassevindu::skrivut);
    knapp(som_pdf, "pdf", &Klassevindu::lagrepdf_Click);
    knapp(klasse_som_csv, "csv", &Klassevindu::lagrecsv_Click);
    QPushButton* lukknapp = knapper->addButton(ui::qtr(lukk), QDialogButtonBox::RejectRole);
    connect(lukknapp, &QPushButton::clicked, this, &QDialog::close);
    oppsett->addWidget(knapper);

    connect(elever_, &QTableWidget::currentCellChanged, this,
            [this](int rad, int, int, int) { visoppgaver(rad); });
    connect(oppgaver_, &QTableWidget::currentCellChanged, this,
            [this](int rad, int, int, int) { visoppgave(elev_, rad); });
    resize(1000, 720);
}

void Klassevindu::lesfiler(const QStringList& stier) {
    std::vector<Innfil> filer;
    std::vector<Uleselig> uaapnet;
    for (const QString& sti : stier) {
        if (QFileInfo(sti).isDir()) {
            for (const QString& f : oektfiler(sti)) lesinn(f, filer, uaapnet);
            continue;
        }
        lesinn(sti, filer, uaapnet);
    }
    oversikt_ = lagklasseoversikt(filer);
    oversikt_.uleselige.insert(oversikt_.uleselige.begin(), uaapnet.begin(), uaapnet.end());
    fyll();
}

void Klassevindu::lesinn(const QString& sti, std::vector<Innfil>& filer,
                         std::vector<Uleselig>& uaapnet) {
    {
        QFile fil(sti);
        const QByteArray navn = QFileInfo(sti).fileName().toUtf8();
        if (!fil.open(QIODevice::ReadOnly)) {
            uaapnet.push_back({navn.toStdString(),
                               oversettelse(BALVO_TR("Kommandolinje", "Filen kunne ikke åpnes."))});
            return;
        }
        // One byte past the limit is enough for the reader to say the file is too large.
        const QByteArray innhold = fil.read(static_cast<qint64>(oektfil_maks_bytes) + 1);
        filer.push_back({navn.toStdString(), innhold.toStdString()});
    }
}

QStringList Klassevindu::oektfiler(const QString& mappe) {
    const QDir d(mappe);
    QStringList stier;
    for (const QString& f : d.entryList({QStringLiteral("*.balvo")}, QDir::Files, QDir::Name))
        stier << d.filePath(f);
    return stier;
}

void Klassevindu::aapnemappe() {
    const QString mappe =
        QFileDialog::getExistingDirectory(this, ui::qtr(velg_mappe), QDir::homePath());
    if (mappe.isEmpty()) return;
    const QStringList stier = oektfiler(mappe);
    if (stier.isEmpty()) {
        meldinger_.melding(oversettelse(tittel_paatale), oversettelse(ingen_filer));
        return;
    }
    lesfiler(stier);
}

void Klassevindu::fyll() {
    fylltabell(*elever_, elevoverskrifter(), elevrader(oversikt_));
    fylltabell(*nivaaer_, nivaaoverskrifter(), nivaarader(oversikt_));
    QString tekst;
    for (const Uleselig& u : oversikt_.uleselige)
        tekst += q(u.fil) + QStringLiteral(": ") + q(u.grunn) + QLatin1Char('\n');
    uleselige_->setPlainText(tekst.trimmed());
    oppgaver_->clear();
    oppgaver_->setRowCount(0);
}

void Klassevindu::visoppgaver(int elev) {
    elev_ = elev;
    if (elev < 0 || elev >= static_cast<int>(oversikt_.elever.size())) return;
    const Elevoekt& e = oversikt_.elever[static_cast<std::size_t>(elev)];
    fylltabell(*oppgaver_, oppgaveoverskrifter(), oppgaverader(e));
    ark_->setText(q(elevoverskrift(e)));
}

void Klassevindu::visoppgave(int elev, int oppgave) {
    if (elev < 0 || oppgave < 0) return;
    const Loggpost* p =
        elevoppgave(oversikt_, static_cast<std::size_t>(elev), static_cast<std::size_t>(oppgave));
    if (!p || !p->ark) return;
    Topptekst topp;
    topp.tittel = q(oversikt_.elever[static_cast<std::size_t>(elev)].navn);
    topp.dato = q(tidspunkttekst(oversikt_.elever[static_cast<std::size_t>(elev)].tidspunkt));
    // The saved picture is two pixels to the point; one is the page as the screen shows it.
    const QImage bilde = lagbilde(Dokument(*p->ark, topp));
    ark_->setPixmap(
        QPixmap::fromImage(bilde.scaledToWidth(bilde.width() / 2, Qt::SmoothTransformation)));
}

void Klassevindu::lagdokument(QTextDocument& dokument) const {
    QString html = QStringLiteral("<h2>") + ui::qtr(klassetittel) + QStringLiteral("</h2>");
    html += htmltabell(elevoverskrifter(), elevrader(oversikt_));
    html += QStringLiteral("<h3>") + ui::qtr(klasse_nivaatittel) + QStringLiteral("</h3>");
    html += htmltabell(nivaaoverskrifter(), nivaarader(oversikt_));
    if (!oversikt_.uleselige.empty()) {
        html +=
            QStringLiteral("<h3>") + ui::qtr(klasse_uleseligtittel) + QStringLiteral("</h3><ul>");
        for (const Uleselig& u : oversikt_.uleselige)
            html += QStringLiteral("<li>") +
                    (q(u.fil) + QStringLiteral(": ") + q(u.grunn)).toHtmlEscaped() +
                    QStringLiteral("</li>");
        html += QStringLiteral("</ul>");
    }
    dokument.setHtml(html);
}

QString Klassevindu::lagrecsv(const QString& sti) const {
    QSaveFile fil(sti);
    const std::string csv = klassecsv(oversikt_, true);
    if (!fil.open(QIODevice::WriteOnly) ||
        fil.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !fil.commit())
        return ui::qtr(skrivefeil).arg(QDir::toNativeSeparators(sti));
    return {};
}

QString Klassevindu::lagrepdf(const QString& sti) const {
    QSaveFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly))
        return ui::qtr(skrivefeil).arg(QDir::toNativeSeparators(sti));
    {
        QPdfWriter pdf(&fil);
        settsideoppsett(pdf);
        pdf.setCreator(QString::fromUtf8(programnavn));
        pdf.setTitle(ui::qtr(klassetittel));
        QTextDocument dokument;
        lagdokument(dokument);
        dokument.print(&pdf);
    }
    if (!fil.commit()) return ui::qtr(skrivefeil).arg(QDir::toNativeSeparators(sti));
    return {};
}

void Klassevindu::skrivut() {
    QPrinter skriver(QPrinter::HighResolution);
    settsideoppsett(skriver);
    QPrintDialog dialog(&skriver, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument dokument;
    lagdokument(dokument);
    dokument.print(&skriver);
    if (skriver.printerState() == QPrinter::Error)
        meldinger_.melding(oversettelse(tittel_paatale), oversettelse(utskrift_feilet));
}

namespace {

void lagremed(QWidget* vindu, Meldinger& meldinger, Tekst filter, const QString& standard,
              const std::function<QString(const QString&)>& lagre) {
    QString sti = QFileDialog::getSaveFileName(vindu, ui::qtr(klassetittel),
                                               QDir::home().filePath(standard), ui::qtr(filter));
    if (sti.isEmpty()) return;
    if (QFileInfo(sti).suffix().isEmpty()) sti += QLatin1Char('.') + QFileInfo(standard).suffix();
    const QByteArray feil = lagre(sti).toUtf8();
    if (!feil.isEmpty())
        meldinger.melding(
            oversettelse(tittel_paatale),
            std::string_view(feil.constData(), static_cast<std::size_t>(feil.size())));
}

}  // namespace

void Klassevindu::lagrepdf_Click() {
    lagremed(this, meldinger_, pdf_filtype, ui::qtr(klasse_pdf_navn),
             [this](const QString& sti) { return lagrepdf(sti); });
}

void Klassevindu::lagrecsv_Click() {
    lagremed(this, meldinger_, csv_filter, ui::qtr(klasse_csv_navn),
             [this](const QString& sti) { return lagrecsv(sti); });
}

void aapneklasseoversikt(QWidget& vindu, Meldinger& meldinger) {
    QFileDialog dialog(&vindu, ui::qtr(klasse_velg_filer), QDir::homePath(), ui::qtr(oekt_filtype));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QStringList stier = dialog.selectedFiles();
    auto* k = new Klassevindu(meldinger, &vindu);
    k->lesfiler(stier);
    k->show();
}

}  // namespace balvo
