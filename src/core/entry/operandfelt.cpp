// The operand fields: the operation in words followed by its operand as a small formula,
// either as the pupil is typing it or as it was recorded for a worksheet line.
#include "core/entry/operandfelt.h"

#include <string>
#include <string_view>

#include "core/display/linjetegner.h"
#include "core/display/penn.h"

namespace balvo {
namespace {

using skrift::operasjon;

struct Navn {
    std::string_view symbol;
    std::string_view tekst;
    bool med_operand;  // the pen moves on past the name only when an operand follows
};

constexpr Navn navn[] = {
    {symbol::legg_til, "Legg til", true},     {symbol::trekk_fra, "Trekk fra", true},
    {symbol::gang, "Gang med", true},         {symbol::del, "Del med", true},
    {symbol::rot, "Trekk kvadratrot", false}, {symbol::kvadrer, "Kvadrer", false},
    {symbol::snu, "Snu fortegn", false},      {symbol::bytt, "Bytt side", false},
};

const Navn* finnnavn(std::string_view symbol) {
    for (const auto& n : navn)
        if (n.symbol == symbol) return &n;
    return nullptr;
}

// The pieces of an operand field, each drawn at the shared pen ark.xpos.
class Feltpenn : public Penn {
public:
    Feltpenn(Ark& ark, Tegneflate& felt) : Penn(ark, felt, operasjon) {}

    // The operation's name at the left edge. Returns whether an operand may follow.
    bool operasjonsnavn(std::string_view symbol) {
        f_.settfontnavn(skrifttype);
        f_.settkursiv(false);
        f_.settstoerrelse(20);
        settskrift(operasjon, f_, skrift::heltall);
        const Navn* n = finnnavn(symbol);
        if (n == nullptr) return false;
        f_.skriv(0, m_ - 12, n->tekst);
        if (n->med_operand) ark_.xpos = f_.tekstbredde(n->tekst);
        return n->med_operand;
    }
    // The dash 4 points after the pen; the caller moves the pen on.
    void minustegn() { f_.rektangel(4 + p(), m_ - 0.3, 4 + p() + 8, m_ + 0.3); }
};

}  // namespace

std::string_view operasjonsnavn(std::string_view symbol) {
    const Navn* n = finnnavn(symbol);
    return n ? n->tekst : std::string_view{};
}

bool med_operand(std::string_view symbol) {
    const Navn* n = finnnavn(symbol);
    return n && n->med_operand;
}

void visoperand(Ark& ark, Tegneflate& felt) {
    // The pen starts where the operation key left it (0); the name moves it on.
    Feltpenn penn(ark, felt);
    felt.toem();
    penn.operasjonsnavn(ark.regneart);
    if (ark.minus) {
        penn.minustegn();
        ark.xpos += 8;
    }
    if (ark.nevnermodus) {
        penn.broekdel(ark.tellertekst, ark.nevnertekst);
    } else {
        penn.tall(ark.tellertekst);
    }
    if (ark.medx || ark.medx2) penn.x();
    if (ark.medx2) penn.kvadrat();
}

void vislinjeopr(Ark& ark, int n, int k, const std::array<Tegneflate*, 5>& opfelt) {
    if (n < 0 || n > siste_linje || k < 0 || k >= static_cast<int>(opfelt.size())) return;
    Tegneflate* felt = opfelt[static_cast<std::size_t>(k)];
    if (felt == nullptr) return;
    Feltpenn penn(ark, *felt);
    ark.xpos = 0;
    felt->toem();
    // Once the sheet has scrolled, the exercise row's field stays empty.
    if (k == 0 && n > 4) return;

    // A line without a recorded operation (the newest) shows no operand.
    if (penn.operasjonsnavn(ark.linjeopr[n])) {
        const Celle teller = ark.linjeteller[n];
        const int potens = ark.linjepotens[n];
        if (teller < 0) {
            penn.minustegn();
            ark.xpos = 4 + ark.xpos + 8;
        }
        if (ark.linjenevner[n] != 1) {
            penn.broekdel(beloeptekst(teller), std::to_string(ark.linjenevner[n]));
        } else if (potens == 0 || teller != 1) {
            penn.tall(beloeptekst(teller));
        }
        if (potens > 0) penn.x();
        if (potens == 2) penn.kvadrat();
    }

    // The newest line has no operation yet: its row's field waits for the next operand.
    if (n == ark.sistelinje && opfelt[4] != nullptr) opfelt[4]->toem();
}

}  // namespace balvo
