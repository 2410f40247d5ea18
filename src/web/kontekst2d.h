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
    // The canvas's context, asked for at the first drawing: a page of empty rows starts
    // without twenty of them. False when the browser gave none.
    bool klar();
    void font(const std::string& f);
    // The context to measure in with the font set: the canvas's own, or a shared one when the
    // browser gave this canvas none (out of memory); undefined when there is none at all.
    emscripten::val maal(const std::string& f);
    void farge(const char* egenskap, const std::string& f);

    emscripten::val lerret_;
    emscripten::val ctx_;
    bool hentet_ = false;  // the context has been asked for
    // The browser gave the canvas a context (false until asked); without one nothing is drawn.
    bool har_ = false;
    // What the context holds already: setting a font costs the browser a parse.
    std::string font_, fyllfarge_, strekfarge_;
};

}  // namespace balvo::nett
