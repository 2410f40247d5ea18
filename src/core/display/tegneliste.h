// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display list every drawing box keeps: the typesetters' operations in points, each text
// with the font in force when it was written. A box records through Listeflate and replays the
// list onto its own painter, so that another size, zoom or pixel density shows the same picture
// drawn again, sharp.
#include <cstddef>
#include <string>
#include <vector>

#include "core/display/tegneflate.h"

namespace balvo {

// One recorded operation. A text stands at (x1, y1), its cell's top-left corner; a stroke runs
// from (x1, y1) to (x2, y2); a bar fills the rectangle between them.
struct Tegneop {
    enum class Art { skriv, strek, rektangel };
    Art art = Art::skriv;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string tekst{};
    // The font in force when the operation was recorded.
    std::string fontnavn{};
    double stoerrelse = 0;
    bool kursiv = false;
    // The same element; a stroke or bar uses no font, so the font in force does not count.
    friend bool operator==(const Tegneop& a, const Tegneop& b) {
        const bool tekst = a.art == Art::skriv;
        return a.art == b.art && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
               a.tekst == b.tekst &&
               (!tekst ||
                (a.fontnavn == b.fontnavn && a.stoerrelse == b.stoerrelse && a.kursiv == b.kursiv));
    }
};

// Sends one operation to another surface, the font first for a text.
void spill(const Tegneop& op, Tegneflate& flate);

// A drawing surface that keeps its operations. A shell's box derives from it and adds how a
// text is measured, how tall the box is and what it does when the list grows or is cleared.
class Listeflate : public Tegneflate {
public:
    void toem() final;
    void settfontnavn(std::string_view navn) final { fontnavn_ = navn; }
    void settstoerrelse(double punkter) final { stoerrelse_ = punkter; }
    void settkursiv(bool kursiv) final { kursiv_ = kursiv; }
    void skriv(double x, double y, std::string_view tekst) final;
    void strek(double x1, double y1, double x2, double y2) final;
    void rektangel(double x1, double y1, double x2, double y2) final;

    // What was drawn since the last clear, in order.
    const std::vector<Tegneop>& liste() const { return liste_; }
    std::size_t antall_operasjoner() const { return liste_.size(); }
    // The font in force now.
    const std::string& fontnavn() const { return fontnavn_; }
    double fontstoerrelse() const { return stoerrelse_; }
    bool kursiv() const { return kursiv_; }

protected:
    // The font in force before the typesetter sets one.
    explicit Listeflate(double stoerrelse = 8.25, std::string fontnavn = "MS Sans Serif")
        : fontnavn_(std::move(fontnavn)), stoerrelse_(stoerrelse) {}
    // The list has grown by `op`, its last element.
    virtual void lagt(const Tegneop& op) { (void)op; }
    // The list has been emptied.
    virtual void toemt() {}

private:
    void legg(Tegneop op);

    std::vector<Tegneop> liste_;
    std::string fontnavn_;
    double stoerrelse_;
    bool kursiv_ = false;
};

}  // namespace balvo
