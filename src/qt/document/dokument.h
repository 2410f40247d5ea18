// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole worksheet as a document: a header, then every line typeset exactly as on screen
// with its operation beside it, broken into pages. One painting routine serves the printer,
// PDF and PNG.
#include <QSizeF>
#include <QString>
#include <utility>
#include <vector>

#include "core/document/sideoppsett.h"
#include "core/model/ark.h"

class QPainter;

namespace balvo {

// The header: the date and the captions with their values ("Poeng:", "12"); the title is the
// program's name unless another is given.
struct Topptekst {
    QString dato;
    std::vector<std::pair<QString, QString>> verdier;
    QString tittel;
};

// The first page's head: the title at the left in large bold type, the date at the right,
// `bredde` points wide.
void tegntittel(QPainter& maler, double bredde, const QString& tittel, const QString& dato);
// The page's number "nr / antall" centred at the foot of an area `bunn` points tall.
void tegnsidetall(QPainter& maler, double bredde, double bunn, int nr, int antall);

// A document of pages for printers, PDF: how many pages a printable area holds, and each page
// painted onto a painter whose unit is the point, origin at the area's top left, its number
// "nr / antall" at the foot.
class Sider {
public:
    virtual ~Sider() = default;
    virtual int antall(double hoeyde) const = 0;
    virtual void tegnside(QPainter& maler, double hoeyde, int nr, int antall) const = 0;
};

class Dokument : public Sider {
public:
    static constexpr double bredde = sideoppsett::bredde;

    // The worksheet is read where it is, not copied: the document lives only while it is
    // saved or printed.
    Dokument(const Ark& ark, Topptekst topp);
    Dokument(const Ark&& ark, Topptekst topp) = delete;

    int antall_linjer() const { return siste_ + 1; }
    // The pages for a printable area `hoeyde` points tall.
    std::vector<Dokumentside> sider(double hoeyde) const { return balvo::sider(siste_, hoeyde); }
    // One tall page with every line: the picture for PNG.
    Dokumentside alt() const { return {0, siste_, true}; }
    double hoeyde(const Dokumentside& side) const { return sidehoeyde(side); }

    // Paints one page onto a painter whose unit is the point, origin at the printable area's
    // top left. A page number is written at `bunn` when antall > 0.
    void tegn(QPainter& maler, const Dokumentside& side, int nr = 0, int antall = 0,
              double bunn = 0) const;

    // On a page (PDF, printer) each line's text lies unseen under its strokes, so that the
    // page can be searched, copied and read aloud; off, the glyphs themselves are the text.
    void settekstlag(bool paa) { tekstlag_ = paa; }

    int antall(double hoeyde) const override { return static_cast<int>(sider(hoeyde).size()); }
    void tegnside(QPainter& maler, double hoeyde, int nr, int antall) const override {
        tegn(maler, sider(hoeyde).at(static_cast<std::size_t>(nr - 1)), nr, antall, hoeyde);
    }

private:
    void tegntopp(QPainter& maler) const;
    void tegnlinje(QPainter& maler, int n, double y) const;

    const Ark& ark_;
    int siste_;  // the last line, held inside the sheet
    Topptekst topp_;
    bool tekstlag_ = true;
};

}  // namespace balvo
