// SPDX-License-Identifier: GPL-3.0-or-later
// "Utfør": the chosen operation carried out on the newest line.
#include <optional>
#include <string>

#include "core/algebra/regning.h"
#include "core/coach/avstand.h"
#include "core/coach/veiledertekst.h"
#include "core/display/lineaertekst.h"
#include "core/display/linjetegner.h"
#include "core/entry/operandfelt.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/arket_tekster.h"

namespace balvo {
namespace {

// The operation record holds 16-bit operands.
constexpr Celle stoerste_operand = 32767;

// The number a typed digit text stands for, or nothing when it does not fit the record.
// Any length is read safely: the value is checked digit by digit.
std::optional<Celle> operandtall(std::string_view sifre) {
    Celle v = 0;
    for (char c : sifre) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > stoerste_operand) return std::nullopt;
    }
    return v;
}

}  // namespace

void Arket::utfoer() {
    const int L = ark_.linjenr;
    // The key is disabled in these cases; the handler still never works on an earlier line
    // or without an operation.
    if (ark_.regneart == Operasjon::ingen || L != ark_.sistelinje || ventende_) return;
    if (L >= siste_linje) {
        skall_.melding(oversettelse(tittel_paatale), oversettelse(tekst::arket_fullt));
        return;
    }

    // An empty numerator: adding x adds 1x, adding nothing adds 0, multiplying by x is by 1x.
    std::string tellersifre = ark_.tellertekst;
    if (tellersifre.empty()) {
        const bool ledd =
            ark_.regneart == Operasjon::legg_til || ark_.regneart == Operasjon::trekk_fra;
        tellersifre = (ledd && !ark_.medx && !ark_.medx2) ? "0" : "1";
    }
    const auto p = operandtall(tellersifre);
    const auto q =
        ark_.nevnertekst.empty() ? std::optional<Celle>{1} : operandtall(ark_.nevnertekst);
    if (!p || !q) {
        skall_.melding(oversettelse(tittel_paatale), oversettelse(tekst::for_stort_tall));
        return;
    }

    const Tilstand foer = Tilstand::fra(ark_, L);
    // Undo puts back the record and the next line as they were before a step that succeeds.
    Angrepunkt angre{post(L), post(L + 1), algebra::Linje::fra(ark_, L + 1), {}};
    ark_.linjeopr[L] = ark_.regneart;
    ark_.linjeteller[L] = ark_.minus ? -*p : *p;
    ark_.linjenevner[L] = *q;
    ark_.tellertekst = std::to_string(ark_.linjeteller[L]);
    ark_.nevnertekst = std::to_string(ark_.linjenevner[L]);
    ark_.linjepotens[L] = ark_.medx2 ? 2 : (ark_.medx ? 1 : 0);

    // An operand with denominator 0 would multiply every denominator by 0: refused like
    // a division by zero.
    const bool null_deler = ark_.linjeopr[L] == Operasjon::del && ark_.linjeteller[L] == 0;
    if (null_deler || ark_.linjenevner[L] == 0) {
        skall_.melding(oversettelse(tittel_paatale), oversettelse(tekst::dele_med_null));
        settmodus(Modus::utfoert);
        return;
    }
    if (ark_.linjeopr[L] == Operasjon::gang && ark_.linjeteller[L] == 0 &&
        !skall_.spoersmaal(oversettelse(tittel_advarsel), oversettelse(tekst::gange_med_null))) {
        settmodus(Modus::utfoert);
        return;
    }
    // With a ± root on the right, squaring only undoes a square root.
    if (ark_.linjeopr[L] == Operasjon::kvadrer && ark_.rotteller[L][7] == 0 &&
        !skall_.spoersmaal(oversettelse(tittel_advarsel), oversettelse(tekst::kvadrering))) {
        settmodus(Modus::utfoert);
        return;
    }
    const Regneresultat resultat = regnut(ark_, L);
    if (resultat.status == Regnestatus::ikke_eksakt) {
        skall_.melding(oversettelse(tittel_paatale), oversettelse(tekst::ikke_eksakt));
        settmodus(Modus::utfoert);
        return;
    }
    forkort(ark_, L + 1);
    Ventende v{L, resultat.etteretning, foer, std::move(angre)};
    // A line whose linear text is longer than a written line may be is not for writing by
    // hand: it is written at once, as without the mode.
    bool for_lang = false;
    kuttlinje(likningstekst(ark_, L + 1), for_lang);
    if (regnselv_ && !for_lang) {
        // The line waits, computed, until the pupil has written it or given up; the keys
        // wait with it.
        ventende_ = std::move(v);
        forsoek_ = 0;
        foerste_riktig_ = false;
        const int n = L + 1;
        if (n > 4) {
            for (int k = 1; k <= 3; ++k) visning_.rad(ark_, k, n - 4 + k);
            visning_.toemrad(4);
            visning_.toemfelt(0);
            for (int k = 1; k <= 3; ++k) visning_.post(ark_, n - 4 + k, k);
            visning_.toemfelt(4);
        } else {
            visning_.toemrad(n);
        }
        taster_.reset();
        skall_.setttaster(taster_);
        return;
    }
    fullfoer(std::move(v));
}

void Arket::fullfoer(Ventende v) {
    const int L = v.linje;
    const Tilstand& foer = v.foer;
    // The pupil is told, and cannot cancel, when x = 0 comes along or is lost.
    if (v.etteretning == Etteretning::gange_med_x) {
        skall_.melding(oversettelse(tittel_etteretning), oversettelse(tekst::etteretning_gange_x));
    } else if (v.etteretning == Etteretning::dele_med_x) {
        skall_.melding(oversettelse(tittel_etteretning), oversettelse(tekst::etteretning_dele_x));
    }

    ark_.linjenr = L + 1;
    ark_.sistelinje += 1;
    if (ark_.rad < 4) ark_.rad += 1;
    const int n = ark_.linjenr;
    // The root of x² on the right side is written without ±, which only the right side can
    // carry: the negative solution is lost, and the pupil is told so at once, with the way
    // round it.
    if (ark_.linjeopr[L] == Operasjon::rot && foer.teller[4] != 0) {
        const Loesningsendring e = loesningsendring(foer, Tilstand::fra(ark_, n));
        if (!e.mistet.empty())
            skall_.melding(oversettelse(tittel_etteretning),
                           oversettelse(tekst::etteretning_rot_hoeyre, {verdiliste(e.mistet)}));
    }
    const auto dump = linjedump(ark_, n);
    skall_.diagnostikk(Diagnoseboks::dump, {dump[0], dump[1]});

    // Row 0 keeps the exercise; past five lines rows 1..4 show the four newest, and the
    // operand fields beside them the operations between them.
    if (n > 4) {
        for (int k = 1; k <= 4; ++k) visning_.rad(ark_, k, n - 4 + k);
        visning_.toemfelt(0);
        for (int k = 1; k <= 3; ++k) visning_.post(ark_, n - 4 + k, k);
        visning_.toemfelt(4);
    } else {
        visning_.rad(ark_, ark_.rad, n);
    }

    settmodus(Modus::utfoert);
    angre_.push_back(std::move(v.angre));
    linje_naadd();
    if (loest(ark_, n)) vurder();
    vurdersteg(foer, n);
    skall_.diagnostikk(Diagnoseboks::etter_operasjon, {diagnoselinje(ark_, n)});
}

}  // namespace balvo
