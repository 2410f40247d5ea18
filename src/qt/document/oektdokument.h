// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lesson record as a document for the teacher: a first page that sums the lesson up (the
// date, a table of every exercise with its figures, the sums), then every exercise's worksheet
// as "Lagre som" draws it, each from a page of its own. Pages are numbered through.
#include <QFontMetricsF>
#include <QString>
#include <string>
#include <vector>

#include "core/document/sideoppsett.h"
#include "core/mainwindow/oektlogg.h"
#include "qt/document/dokument.h"

namespace balvo {

class Oektdokument : public Sider {
public:
    // `ledetekster`: the captions "Vanskelighetsgrad:", "Steg:" and "Poeng:" of the window,
    // for the header of each worksheet.
    Oektdokument(std::vector<Loggpost> logg, QString dato, std::vector<QString> ledetekster);

    int antall(double hoeyde) const override;
    void tegnside(QPainter& maler, double hoeyde, int nr, int antall) const override;

    // How the pages fall for a printable area `hoeyde` points tall: the table's rows on each
    // page of the summary, then each exercise's pages.
    struct Plan {
        std::vector<Radutvalg> oversikt;
        struct Arkside {
            int oppgave;  // index into the record
            Dokumentside side;
        };
        std::vector<Arkside> ark;
    };
    Plan plan(double hoeyde) const;

private:
    // A row of the table: each cell's text broken into the lines it is drawn in.
    struct Rad {
        std::vector<std::vector<QString>> celler;
        double hoeyde = 0;
        bool fet = false;
    };
    const QFontMetricsF& maal(bool fet) const { return fet ? halvfet_ : vanlig_; }
    Rad lagrad(const std::vector<std::string>& tekster, bool fet) const;
    void tegnrad(QPainter& maler, const Rad& rad, double y) const;
    void tegnoversikt(QPainter& maler, const Radutvalg& rader, bool forste) const;
    Dokument arkdokument(int oppgave) const;

    std::vector<Loggpost> logg_;
    QString dato_;
    std::vector<QString> ledetekster_;
    Oekttabell tabell_;
    QFontMetricsF vanlig_, halvfet_;  // the table's font as measured for its layout
    Rad overskrift_;
    std::vector<Rad> rader_;  // one per exercise, then the sums
};

}  // namespace balvo
