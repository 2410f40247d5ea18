#pragma once
// The whole worksheet as a document: a header, then every line typeset exactly as on screen
// with its operation beside it, broken into pages. One painting routine serves the printer,
// PDF and PNG.
#include <QSizeF>
#include <QString>
#include <utility>
#include <vector>

#include "core/model/ark.h"

class QPainter;

namespace balvo {

// The header: the date and the captions with their values ("Poeng:", "12").
struct Topptekst {
    QString dato;
    std::vector<std::pair<QString, QString>> verdier;
};

// Lines fra..til (inclusive) on one page; the header only on the first.
struct Side {
    int fra = 0;
    int til = -1;
    bool topp = false;
};

class Dokument {
public:
    // Lengths in points.
    static constexpr double likningsbredde = 320;  // the equation column
    static constexpr double oprkant = 352;         // where the operation column starts
    static constexpr double bredde = 510;          // A4 less 15 mm margins
    static constexpr double radhoeyde = 36.75;     // a worksheet row, as on screen
    static constexpr double radsteg = 40;
    static constexpr double topphoeyde = 64;
    static constexpr double bunnhoeyde = 22;  // page number

    Dokument(const Ark& ark, Topptekst topp);

    int antall_linjer() const { return ark_.sistelinje + 1; }
    // The pages for a printable area `hoeyde` points tall.
    std::vector<Side> sider(double hoeyde) const;
    // One tall page with every line: the picture for PNG.
    Side alt() const { return {0, ark_.sistelinje, true}; }
    double hoeyde(const Side& side) const;

    // Paints one page onto a painter whose unit is the point, origin at the printable area's
    // top left. A page number is written at `bunn` when antall > 0.
    void tegn(QPainter& maler, const Side& side, int nr = 0, int antall = 0, double bunn = 0) const;

private:
    void tegntopp(QPainter& maler) const;
    void tegnlinje(QPainter& maler, int n, double y) const;

    mutable Ark ark_;  // a copy: the typesetters move its pen, the pupil's sheet stays as it is
    Topptekst topp_;
};

}  // namespace balvo
