// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lessonfile/oektfil.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "core/entry/linjeleser.h"
#include "core/mainwindow/utforming.h"

namespace balvo {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::pair<Handlingsart, std::string_view>, 8> handlingsnavn{{
    {Handlingsart::utfoer, "Utfør"},
    {Handlingsart::stryk_ut, "Stryk ut"},
    {Handlingsart::angre, "Angre"},
    {Handlingsart::tips, "Tips"},
    {Handlingsart::forslag, "Løsningsforslag"},
    {Handlingsart::nivaa, "Nivå"},
    {Handlingsart::skrevet, "Skrevet"},
    {Handlingsart::vist, "Vist"},
}};

constexpr Tekst ikke_json = BALVO_TR("Oektfil", "Filen er ikke en Balvo-økt (den er ikke JSON).");
constexpr Tekst avkortet = BALVO_TR("Oektfil", "Filen er avkortet: slutten mangler.");
constexpr Tekst for_stor = BALVO_TR("Oektfil", "Filen er større enn 5 MB.");
constexpr Tekst feil_format = BALVO_TR("Oektfil", "Filen er ikke en Balvo-økt.");
constexpr Tekst nyere = BALVO_TR(
    "Oektfil", "Filen er laget av en nyere Balvo (formatversjon %1); denne leser versjon %2.");
constexpr Tekst mangler = BALVO_TR("Oektfil", "Feltet «%1» mangler.");
constexpr Tekst feil_type = BALVO_TR("Oektfil", "Feltet «%1» har feil type.");
constexpr Tekst utenfor = BALVO_TR("Oektfil", "Feltet «%1» er utenfor det tillatte.");
constexpr Tekst for_mange = BALVO_TR("Oektfil", "Feltet «%1» har flere enn %2 elementer.");
constexpr Tekst for_mange_handlinger =
    BALVO_TR("Oektfil", "Filen har flere enn %1 handlinger i alt.");

// A whole number too large for 64 bits reaches us as a floating one: out of range, not
// of the wrong type.
bool for_stort(const Json& v) {
    return v.is_number_float() && std::abs(v.get<double>()) >= 0x1p63;
}

// A field's checks, each giving the reason of the first that fails.
struct Leser {
    std::string feil;

    bool feilet(Tekst t, const std::string& sti, const std::string& ekstra = {}) {
        if (feil.empty()) feil = oversettelse(t, {sti, ekstra});
        return false;
    }
    const Json* felt(const Json& objekt, const char* navn, const std::string& sti) {
        const auto it = objekt.find(navn);
        if (it == objekt.end()) {
            feilet(mangler, sti + navn);
            return nullptr;
        }
        return &*it;
    }
    bool heltall(const Json& objekt, const char* navn, const std::string& sti, std::int64_t lav,
                 std::int64_t hoey, std::int64_t& ut) {
        const Json* v = felt(objekt, navn, sti);
        if (!v) return false;
        if (!v->is_number_integer()) return feilet(for_stort(*v) ? utenfor : feil_type, sti + navn);
        if (v->is_number_unsigned() && v->get<std::uint64_t>() > static_cast<std::uint64_t>(hoey))
            return feilet(utenfor, sti + navn);
        const auto tall = v->get<std::int64_t>();
        if (tall < lav || tall > hoey) return feilet(utenfor, sti + navn);
        ut = tall;
        return true;
    }
    bool tekst(const Json& objekt, const char* navn, const std::string& sti, std::string& ut) {
        const Json* v = felt(objekt, navn, sti);
        if (!v) return false;
        if (!v->is_string()) return feilet(feil_type, sti + navn);
        ut = v->get<std::string>();
        return true;
    }
    bool sannhet(const Json& objekt, const char* navn, const std::string& sti, bool& ut) {
        const Json* v = felt(objekt, navn, sti);
        if (!v) return false;
        if (!v->is_boolean()) return feilet(feil_type, sti + navn);
        ut = v->get<bool>();
        return true;
    }
    const Json* liste(const Json& objekt, const char* navn, const std::string& sti,
                      std::size_t maks) {
        const Json* v = felt(objekt, navn, sti);
        if (!v) return nullptr;
        if (!v->is_array()) return feilet(feil_type, sti + navn), nullptr;
        if (v->size() > maks) return feilet(for_mange, sti + navn, std::to_string(maks)), nullptr;
        return v;
    }
};

// Where the parser stopped, without exceptions (the web build has none).
struct Stoppested : nlohmann::json_sax<Json> {
    std::size_t sted = 0;
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t posisjon, const std::string&,
                     const nlohmann::detail::exception&) override {
        sted = posisjon;
        return false;
    }
};

// Control characters (C0, DEL, C1) and the marks that turn the direction of text: a name
// shows as typed, and nothing in it can reorder or hide the columns beside it.
std::string rensnavn(const std::string& navn, bool& renset) {
    std::string ut;
    for (std::size_t i = 0; i < navn.size();) {
        const auto c = static_cast<unsigned char>(navn[i]);
        std::size_t lengde = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        lengde = std::min(lengde, navn.size() - i);
        const std::string_view tegn(navn.data() + i, lengde);
        const bool kontroll =
            c < 0x20 || c == 0x7F ||
            (c == 0xC2 && lengde == 2 && static_cast<unsigned char>(navn[i + 1]) < 0xA0);
        const bool retning = tegn == "\u200e" || tegn == "\u200f" || tegn == "\u061c" ||
                             (tegn >= "\u202a" && tegn <= "\u202e") ||
                             (tegn >= "\u2066" && tegn <= "\u2069");
        if (kontroll || retning)
            renset = true;
        else
            ut += tegn;
        i += lengde;
    }
    return ut;
}

std::size_t tegnantall(const std::string& s) {
    std::size_t n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

bool leshandling(Leser& l, const Json& j, const std::string& sti, double forrige, Handling& h) {
    if (!j.is_object()) return l.feilet(feil_type, sti.substr(0, sti.size() - 1));
    std::string art;
    if (!l.tekst(j, "handling", sti, art)) return false;
    const auto* funnet = std::find_if(handlingsnavn.begin(), handlingsnavn.end(),
                                      [&](const auto& p) { return p.second == art; });
    if (funnet == handlingsnavn.end()) return l.feilet(utenfor, sti + "handling");
    h.art = funnet->first;
    const Json* sek = l.felt(j, "sek", sti);
    if (!sek) return false;
    if (!sek->is_number()) return l.feilet(feil_type, sti + "sek");
    h.sekunder = sek->get<double>();
    if (!std::isfinite(h.sekunder) || h.sekunder < forrige || h.sekunder > oektfil_maks_sekunder)
        return l.feilet(utenfor, sti + "sek");
    const bool med_operand = h.art == Handlingsart::utfoer || h.art == Handlingsart::stryk_ut ||
                             h.art == Handlingsart::angre;
    if (med_operand) {
        if (h.art == Handlingsart::utfoer || j.contains("operasjon")) {
            if (!l.tekst(j, "operasjon", sti, h.operasjon)) return false;
            if (!l.tekst(j, "operand", sti, h.operand)) return false;
            if (h.operand.size() > 200) return l.feilet(utenfor, sti + "operand");
        }
        if (h.art == Handlingsart::utfoer && !l.sannhet(j, "utfoert", sti, h.utfoert)) return false;
        if (j.contains("videre") && !l.sannhet(j, "videre", sti, h.videre)) return false;
        if (h.videre && h.operasjon.empty()) return l.feilet(utenfor, sti + "videre");
        if (j.contains("forkastet")) {
            if (!l.tekst(j, "forkastet", sti, h.forkastet)) return false;
            if (h.forkastet.empty() || h.forkastet.size() > 200 || h.operasjon.empty() || h.videre)
                return l.feilet(utenfor, sti + "forkastet");
        }
        if (h.art == Handlingsart::utfoer && j.contains("regnselv") &&
            !l.sannhet(j, "regnselv", sti, h.regnselv))
            return false;
    }
    if (h.art == Handlingsart::skrevet) {
        if (!l.tekst(j, "linje", sti, h.linje)) return false;
        if (tegnantall(h.linje) > lengste_linje) return l.feilet(utenfor, sti + "linje");
        if (!l.sannhet(j, "riktig", sti, h.riktig)) return false;
    }
    std::int64_t nivaa = 1;
    if (h.art == Handlingsart::tips && !l.heltall(j, "nivaa", sti, 1, 3, nivaa)) return false;
    if (h.art == Handlingsart::nivaa && !l.heltall(j, "nivaa", sti, 1, 6, nivaa)) return false;
    h.nivaa = static_cast<int>(nivaa);
    return true;
}

bool lesoppgave(Leser& l, const Json& j, const std::string& sti, Filoppgave& o) {
    if (!j.is_object()) return l.feilet(feil_type, sti.substr(0, sti.size() - 1));
    const Json* linje0 = l.felt(j, "linje0", sti);
    if (!linje0) return false;
    if (!linje0->is_object()) return l.feilet(feil_type, sti + "linje0");
    // Beyond what the own-equation dialog takes; the replay then says what it refuses.
    constexpr std::int64_t grense = std::int64_t{1} << 53;
    for (const char* del : {"teller", "nevner"}) {
        const Json* tall = l.liste(*linje0, del, sti + "linje0.", 6);
        if (!tall) return false;
        if (tall->size() != 6) return l.feilet(utenfor, sti + "linje0." + del);
        auto& ut = del[0] == 't' ? o.teller : o.nevner;
        for (std::size_t k = 0; k < 6; ++k) {
            const std::string s = sti + "linje0." + del + "[" + std::to_string(k) + "]";
            const Json& v = (*tall)[k];
            if (!v.is_number_integer()) return l.feilet(for_stort(v) ? utenfor : feil_type, s);
            if (v.is_number_unsigned() && v.get<std::uint64_t>() > grense)
                return l.feilet(utenfor, s);
            const auto n = v.get<std::int64_t>();
            if (n < -grense || n > grense || (del[0] == 'n' && n < 1)) return l.feilet(utenfor, s);
            ut[k] = n;
        }
    }
    std::int64_t nivaa = 1;
    if (!l.heltall(j, "nivaa", sti, 1, 6, nivaa)) return false;
    o.nivaa = static_cast<int>(nivaa);
    if (!l.sannhet(j, "broeker", sti, o.broeker) || !l.sannhet(j, "egen", sti, o.egen))
        return false;
    if (o.broeker != (o.nivaa % 2 == 0)) return l.feilet(utenfor, sti + "broeker");
    const Json* handlinger = l.liste(j, "handlinger", sti, oektfil_maks_handlinger);
    if (!handlinger) return false;
    double forrige = 0;
    for (std::size_t i = 0; i < handlinger->size(); ++i) {
        Handling h;
        if (!leshandling(l, (*handlinger)[i], sti + "handlinger[" + std::to_string(i) + "].",
                         forrige, h))
            return false;
        forrige = h.sekunder;
        o.handlinger.push_back(std::move(h));
    }
    return true;
}

}  // namespace

std::string programversjon() {
    return std::string(programnavn) + " (" BALVO_VERSJON ")";
}

Oektfil lagoektfil(const std::vector<Loggpost>& logg, std::string navn, std::string tidspunkt) {
    Oektfil fil;
    fil.program = programversjon();
    fil.navn = std::move(navn);
    fil.tidspunkt = std::move(tidspunkt);
    for (const Loggpost& p : logg) {
        if (!p.ark) continue;
        Filoppgave o;
        for (std::size_t k = 0; k < 6; ++k) {
            o.teller[k] = p.ark->teller[0][k + 1];
            o.nevner[k] = p.ark->nevner[0][k + 1];
        }
        o.nivaa = p.nivaa;
        o.broeker = p.broeker;
        o.egen = p.egen;
        o.handlinger = p.handlinger;
        fil.oppgaver.push_back(std::move(o));
    }
    return fil;
}

std::string skrivoektfil(const Oektfil& fil) {
    Json j;
    j["format"] = oektfil_format;
    j["versjon"] = oektfil_versjon;
    j["program"] = fil.program;
    j["navn"] = fil.navn;
    j["tidspunkt"] = fil.tidspunkt;
    j["oppgaver"] = Json::array();
    for (const Filoppgave& o : fil.oppgaver) {
        Json oj;
        oj["linje0"] = {{"teller", o.teller}, {"nevner", o.nevner}};
        oj["nivaa"] = o.nivaa;
        oj["broeker"] = o.broeker;
        oj["egen"] = o.egen;
        oj["handlinger"] = Json::array();
        for (const Handling& h : o.handlinger) {
            Json hj;
            const auto* navn = std::find_if(handlingsnavn.begin(), handlingsnavn.end(),
                                            [&](const auto& p) { return p.first == h.art; });
            hj["handling"] = navn->second;
            // Tenths of a second are enough to see where a pupil stopped to think.
            hj["sek"] = std::round(h.sekunder * 10) / 10;
            if (h.art == Handlingsart::utfoer || !h.operasjon.empty()) {
                hj["operasjon"] = h.operasjon;
                hj["operand"] = h.operand;
            }
            if (h.videre) hj["videre"] = true;
            if (!h.forkastet.empty()) hj["forkastet"] = h.forkastet;
            if (h.art == Handlingsart::utfoer) hj["utfoert"] = h.utfoert;
            if (h.regnselv) hj["regnselv"] = true;
            if (h.art == Handlingsart::skrevet) {
                hj["linje"] = h.linje;
                hj["riktig"] = h.riktig;
            }
            if (h.art == Handlingsart::tips || h.art == Handlingsart::nivaa) hj["nivaa"] = h.nivaa;
            oj["handlinger"].push_back(std::move(hj));
        }
        j["oppgaver"].push_back(std::move(oj));
    }
    return j.dump(1) + "\n";
}

Oektlesning lesoektfil(std::string_view tekst) {
    Oektlesning svar;
    if (tekst.size() > oektfil_maks_bytes) {
        svar.feil = oversettelse(for_stor);
        return svar;
    }
    const Json j = Json::parse(tekst.begin(), tekst.end(), nullptr, false);
    if (j.is_discarded()) {
        Stoppested stopp;
        Json::sax_parse(tekst.begin(), tekst.end(), &stopp);
        // Stopped at the end of what was there: the rest is missing.
        std::size_t slutt = tekst.find_last_not_of(" \t\r\n");
        slutt = slutt == std::string_view::npos ? 0 : slutt + 1;
        const bool har_start = slutt > 0 && tekst[tekst.find_first_not_of(" \t\r\n")] == '{';
        svar.feil = oversettelse(har_start && stopp.sted >= slutt ? avkortet : ikke_json);
        return svar;
    }
    Leser l;
    std::string format;
    if (!j.is_object() || !j.contains("format") || !l.tekst(j, "format", "", format) ||
        format != oektfil_format) {
        svar.feil = oversettelse(feil_format);
        return svar;
    }
    std::int64_t versjon = 0;
    if (!l.heltall(j, "versjon", "", 1, std::numeric_limits<std::int64_t>::max(), versjon)) {
        svar.feil = l.feil;
        return svar;
    }
    if (versjon > oektfil_versjon) {
        svar.feil = oversettelse(nyere, {std::to_string(versjon), std::to_string(oektfil_versjon)});
        return svar;
    }
    Oektfil& fil = svar.fil;
    if (l.tekst(j, "program", "", fil.program) && l.tekst(j, "navn", "", fil.navn) &&
        l.tekst(j, "tidspunkt", "", fil.tidspunkt)) {
        fil.navn = rensnavn(fil.navn, svar.navn_renset);
        if (tegnantall(fil.navn) > oektfil_maks_navn) l.feilet(utenfor, "navn");
        if (const Json* oppgaver = l.liste(j, "oppgaver", "", oektfil_maks_oppgaver)) {
            std::size_t handlinger = 0;
            for (std::size_t i = 0; i < oppgaver->size() && l.feil.empty(); ++i) {
                Filoppgave o;
                if (lesoppgave(l, (*oppgaver)[i], "oppgaver[" + std::to_string(i) + "].", o)) {
                    handlinger += o.handlinger.size();
                    fil.oppgaver.push_back(std::move(o));
                }
                if (handlinger > oektfil_maks_handlinger_i_alt)
                    l.feilet(for_mange_handlinger, std::to_string(oektfil_maks_handlinger_i_alt));
            }
        }
    }
    svar.ok = l.feil.empty();
    svar.feil = l.feil;
    return svar;
}

}  // namespace balvo
