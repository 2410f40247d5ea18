// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing box as the typesetters see it: a retained surface measured in points, origin at
// the top left, y downwards. Text is placed by the top-left corner of its cell.
#include <string_view>

namespace balvo {

class Tegneflate {
public:
    virtual ~Tegneflate() = default;
    virtual void toem() = 0;  // erase to the background
    virtual double hoeyde() const = 0;
    virtual void settfontnavn(std::string_view navn) = 0;
    virtual void settstoerrelse(double punkter) = 0;
    virtual void settkursiv(bool kursiv) = 0;
    virtual double tekstbredde(std::string_view tekst) const = 0;  // in the current font
    virtual void skriv(double x, double y, std::string_view tekst) = 0;
    virtual void strek(double x1, double y1, double x2, double y2) = 0;
    // A filled bar between two opposite corners; one thinner than a device pixel still shows.
    virtual void rektangel(double x1, double y1, double x2, double y2) = 0;
};

// The solved marker beside a solved line, in the main window's points.
class Merke {
public:
    virtual ~Merke() = default;
    virtual void vismerke(double venstre, double topp) = 0;
    virtual void skjulmerke() = 0;
};

}  // namespace balvo
