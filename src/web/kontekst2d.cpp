// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/kontekst2d.h"

namespace balvo::nett {

using emscripten::val;

namespace {

// A context for measuring text when a canvas has none of its own.
val maalekontekst() {
    static val ctx = val::global("document")
                         .call<val>("createElement", val("canvas"))
                         .call<val>("getContext", val("2d"));
    return ctx;
}

bool finnes(const val& v) {
    return !v.isNull() && !v.isUndefined();
}

}  // namespace

Kontekst2d::Kontekst2d(val lerret)
    : lerret_(lerret), ctx_(lerret.call<val>("getContext", val("2d"))), har_(finnes(ctx_)) {}

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
    if (!har_) return;
    ctx_.call<void>("clearRect", 0, 0, lerret_["width"], lerret_["height"]);
}

void Kontekst2d::font(const std::string& f) {
    if (f == font_ || !har_) return;
    ctx_.set("font", f);
    font_ = f;
}

void Kontekst2d::farge(const char* egenskap, const std::string& f) {
    std::string& har = egenskap[0] == 'f' ? fyllfarge_ : strekfarge_;
    if (f == har || !har_) return;
    ctx_.set(egenskap, f);
    har = f;
}

val Kontekst2d::maal(const std::string& f) {
    if (har_) {
        font(f);
        return ctx_;
    }
    val ctx = maalekontekst();
    if (finnes(ctx)) ctx.set("font", f);
    return ctx;
}

double Kontekst2d::bredde(const std::string& f, std::string_view tekst) {
    val ctx = maal(f);
    if (!finnes(ctx)) return 0;
    return ctx.call<val>("measureText", std::string(tekst))["width"].as<double>();
}

double Kontekst2d::stigning(const std::string& f) {
    val ctx = maal(f);
    if (!finnes(ctx)) return 0;
    return ctx.call<val>("measureText", std::string("x"))["fontBoundingBoxAscent"].as<double>();
}

void Kontekst2d::tekst(const std::string& f, std::string_view tekst, double x, double grunnlinje,
                       const std::string& c) {
    if (!har_) return;
    font(f);
    farge("fillStyle", c);
    ctx_.call<void>("fillText", std::string(tekst), x, grunnlinje);
}

void Kontekst2d::strek(double x1, double y1, double x2, double y2, double bredde,
                       const std::string& c) {
    if (!har_) return;
    farge("strokeStyle", c);
    ctx_.set("lineWidth", bredde);
    ctx_.set("lineCap", "butt");
    ctx_.call<void>("beginPath");
    ctx_.call<void>("moveTo", x1, y1);
    ctx_.call<void>("lineTo", x2, y2);
    ctx_.call<void>("stroke");
}

void Kontekst2d::fyll(double x, double y, double bredde, double hoeyde, const std::string& c) {
    if (!har_) return;
    farge("fillStyle", c);
    ctx_.call<void>("fillRect", x, y, bredde, hoeyde);
}

}  // namespace balvo::nett
