// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Klasseoversikt": the pupils' table, the levels' table, the files that could not
// be read, and the worksheet of the exercise chosen. Everything it shows is decided by
// core/lessonfile; it prints, saves as PDF and exports CSV.
#include <QDialog>
#include <QStringList>

#include "core/lessonfile/klasseoversikt.h"

class QLabel;
class QTableWidget;
class QPlainTextEdit;
class QTextDocument;

namespace balvo {

class Meldinger;

class Klassevindu : public QDialog {
    Q_OBJECT
public:
    Klassevindu(Meldinger& meldinger, QWidget* forelder = nullptr);

    // Reads the files (the *.balvo files of a folder given among them) and shows them.
    void lesfiler(const QStringList& stier);
    const Klasseoversikt& oversikt() const { return oversikt_; }

    // The buttons' work, without their dialogs, for the tests: empty on success, or why not.
    QString lagrecsv(const QString& sti) const;
    QString lagrepdf(const QString& sti) const;
    // Shows the worksheet of a pupil's exercise (rows of the tables, from 0).
    void visoppgave(int elev, int oppgave);

private:
    static QStringList oektfiler(const QString& mappe);  // the *.balvo files of a folder
    static void lesinn(const QString& sti, std::vector<Innfil>& filer,
                       std::vector<Uleselig>& uaapnet);
    void aapnemappe();
    void fyll();
    void visoppgaver(int elev);
    void skrivut();
    void lagrepdf_Click();
    void lagrecsv_Click();
    void lagdokument(QTextDocument& dokument) const;

    Meldinger& meldinger_;
    Klasseoversikt oversikt_;
    QTableWidget* elever_;
    QTableWidget* nivaaer_;
    QTableWidget* oppgaver_;
    QPlainTextEdit* uleselige_;
    QLabel* ark_;
    int elev_ = -1;
};

// "Økt → Åpne klasseoversikt...": the file dialog (several files, or a folder), then the window.
void aapneklasseoversikt(QWidget& vindu, Meldinger& meldinger);

}  // namespace balvo
