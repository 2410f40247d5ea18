// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/kontekst2d.h"

namespace balvo::nett {

using emscripten::val;

Kontekst2d::Kontekst2d(val lerret)
    : lerret_(lerret), ctx_(lerret.call<val>("getContext", val("2d"))) {}

void Kontekst2d::stoerrelse(int bredde, int hoeyde, double tetthet) {
    // A new size resets the context's state too.
    lerret_.set("width", bredde);
    lerret_.set("height", hoeyde);
    if (tetthet > 0) {
        val stil = lerret_["style"];
        stil.call<void>("setProperty", val("width"), val(std::to_string(bredde / tetthet) + "px"));
        stil.call<void>("setProperty", val("height"), val(std::to_string(hoeyde / tetthet) + "px"));
    }
    font_.clear();
    fyllfarge_.clear();
    strekfarge_.clear();
}

void Kontekst2d::toem() {
    ctx_.call<void>("clearRect", 0, 0, lerret_["width"], lerret_["height"]);
}

void Kontekst2d::font(const std::string& f) {
    if (f == font_) return;
    ctx_.set("font", f);
    font_ = f;
}

void Kontekst2d::farge(const char* egenskap, const std::string& f) {
    std::string& har = egenskap[0] == 'f' ? fyllfarge_ : strekfarge_;
    if (f == har) return;
    ctx_.set(egenskap, f);
    har = f;
}

double Kontekst2d::bredde(const std::string& f, std::string_view tekst) {
    font(f);
    return ctx_.call<val>("measureText", std::string(tekst))["width"].as<double>();
}

double Kontekst2d::stigning(const std::string& f) {
    font(f);
    return ctx_.call<val>("measureText", std::string("x"))["fontBoundingBoxAscent"].as<double>();
}

void Kontekst2d::tekst(const std::string& f, std::string_view tekst, double x, double grunnlinje,
                       const std::string& c) {
    font(f);
    farge("fillStyle", c);
    ctx_.call<void>("fillText", std::string(tekst), x, grunnlinje);
}

void Kontekst2d::strek(double x1, double y1, double x2, double y2, double bredde,
                       const std::string& c) {
    farge("strokeStyle", c);
    ctx_.set("lineWidth", bredde);
    ctx_.set("lineCap", "butt");
    ctx_.call<void>("beginPath");
    ctx_.call<void>("moveTo", x1, y1);
    ctx_.call<void>("lineTo", x2, y2);
    ctx_.call<void>("stroke");
}

void Kontekst2d::fyll(double x, double y, double bredde, double hoeyde, const std::string& c) {
    farge("fillStyle", c);
    ctx_.call<void>("fillRect", x, y, bredde, hoeyde);
}

}  // namespace balvo::nett
