// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas's 2D context as the drawing surfaces' Lerret.
#include <emscripten/val.h>

#include "web/lerret.h"

namespace balvo::nett {

class Kontekst2d final : public Lerret {
public:
    explicit Kontekst2d(emscripten::val lerret);

    void stoerrelse(int bredde, int hoeyde, double tetthet) override;
    void toem() override;
    double bredde(const std::string& font, std::string_view tekst) override;
    double stigning(const std::string& font) override;
    void tekst(const std::string& font, std::string_view tekst, double x, double grunnlinje,
               const std::string& farge) override;
    void strek(double x1, double y1, double x2, double y2, double bredde,
               const std::string& farge) override;
    void fyll(double x, double y, double bredde, double hoeyde, const std::string& farge) override;

    emscripten::val element() const { return lerret_; }

private:
    void font(const std::string& f);
    void farge(const char* egenskap, const std::string& f);

    emscripten::val lerret_;
    emscripten::val ctx_;
    // What the context holds already: setting a font costs the browser a parse.
    std::string font_, fyllfarge_, strekfarge_;
};

}  // namespace balvo::nett
