// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing box that records every operation, with fixed text widths so that positions can
// be checked to the hundredth of a point: a text is 0.5 × font size wide per character.
#include <string>
#include <vector>

#include "core/display/tegneflate.h"

namespace balvo::test {

struct Opptak {
    enum class Art { toem, skriv, strek, rektangel };
    Art art = Art::toem;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string tekst{};
    // Font in force when the element was drawn.
    std::string fontnavn{};
    double stoerrelse = 0;
    bool kursiv = false;
    // The same element; a stroke or bar uses no font, so the font in force does not count.
    friend bool operator==(const Opptak& a, const Opptak& b) {
        const bool tekst = a.art == Art::skriv;
        return a.art == b.art && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
               a.tekst == b.tekst &&
               (!tekst ||
                (a.fontnavn == b.fontnavn && a.stoerrelse == b.stoerrelse && a.kursiv == b.kursiv));
    }
};

class Opptaksflate : public Tegneflate {
public:
    explicit Opptaksflate(double hoeyde = 36.75) : hoeyde_(hoeyde) {}

    void toem() override;
    double hoeyde() const override { return hoeyde_; }
    void settfontnavn(std::string_view navn) override { fontnavn_ = navn; }
    void settstoerrelse(double punkter) override { stoerrelse_ = punkter; }
    void settkursiv(bool kursiv) override { kursiv_ = kursiv; }
    double tekstbredde(std::string_view tekst) const override;
    void skriv(double x, double y, std::string_view tekst) override;
    void strek(double x1, double y1, double x2, double y2) override;
    void rektangel(double x1, double y1, double x2, double y2) override;

    // What was drawn since the last clear (the clear itself is not kept).
    const std::vector<Opptak>& opptak() const { return opptak_; }
    int antall_toemminger() const { return toemminger_; }
    // The texts drawn since the last clear, in order, joined by single spaces.
    std::string tekster() const;
    double stoerrelse() const { return stoerrelse_; }
    bool kursiv() const { return kursiv_; }
    const std::string& fontnavn() const { return fontnavn_; }

    // Width rule of the fixed font: characters (UTF-8 code points) × size × 0.5.
    static double bredde(std::string_view tekst, double stoerrelse);

private:
    void legg(Opptak o);

    double hoeyde_;
    std::string fontnavn_ = "MS Sans Serif";
    double stoerrelse_ = 13.5;
    bool kursiv_ = false;
    int toemminger_ = 0;
    std::vector<Opptak> opptak_;
};

}  // namespace balvo::test
