// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/veileder.h"

#include <algorithm>

#include "core/coach/grovbilde.h"

namespace balvo {
namespace {

using veileder::Loesningsmengde;

struct Node {
    Tilstand linje;
    std::int32_t forelder = -1;
    Steg steg;
    Mengdesvar mengde = Mengdesvar::samme;  // what is known of its solutions
};

// The lines seen in one round, by their index among the nodes; open addressing with the
// hash kept beside the index, so that only lines with the same hash are compared.
class Sett {
public:
    explicit Sett(const std::vector<Node>& noder) : noder_(noder), plass_(1024) {}

    bool finnes(const Tilstand& linje, std::uint64_t h) const {
        const std::size_t maske = plass_.size() - 1;
        for (std::size_t i = h & maske;; i = (i + 1) & maske) {
            const Plass& p = plass_[i];
            if (p.node == 0) return false;
            if (p.hash == static_cast<std::uint32_t>(h >> 32) && noder_[p.node - 1].linje == linje)
                return true;
        }
    }

    // Node `i` holds a line not seen before.
    void leggtil(std::size_t i, std::uint64_t h) {
        if (2 * (antall_ + 1) > plass_.size()) voks();
        plasser(Plass{static_cast<std::uint32_t>(i + 1), static_cast<std::uint32_t>(h >> 32)}, h);
        ++antall_;
    }

private:
    struct Plass {
        std::uint32_t node = 0;  // index + 1; 0 is free
        std::uint32_t hash = 0;
    };

    void plasser(const Plass& p, std::uint64_t h) {
        const std::size_t maske = plass_.size() - 1;
        std::size_t i = h & maske;
        while (plass_[i].node != 0) i = (i + 1) & maske;
        plass_[i] = p;
    }

    void voks() {
        std::vector<Plass> gammel(plass_.size() * 2);
        gammel.swap(plass_);
        for (const Plass& p : gammel)
            if (p.node != 0) plasser(p, hash(noder_[p.node - 1].linje));
    }

    const std::vector<Node>& noder_;
    std::vector<Plass> plass_;
    std::size_t antall_ = 0;
};

enum class Runde { funnet, ikke_funnet, sprengt };

// Adding, subtracting, multiplying or dividing by a number and changing signs keep the
// solutions of a line; swapping keeps them while there is no root (the right root is ±).
bool beholder_loesningene(const Steg& steg, const Tilstand& foer) {
    switch (steg.operasjon) {
        case Operasjon::legg_til:
        case Operasjon::trekk_fra:
        case Operasjon::snu:
            return true;
        case Operasjon::gang:
        case Operasjon::del:
            return steg.potens == 0;
        case Operasjon::bytt:
            return foer.rotteller[0] == 0 && foer.rotteller[7] == 0;
        default:
            return false;
    }
}

// x = 0 solves a line without roots exactly when its constants are equal.
bool null_loeser(const Tilstand& s) {
    return veileder::broek(s.teller[3], s.nevner[3]) == veileder::broek(s.teller[6], s.nevner[6]);
}

class Soek {
public:
    Soek(const Loesningsmengde& maal, const Grense& grense) : maal_(maal), grense_(grense) {}

    Mengdesvar sammenlign(const Tilstand& linje) const {
        const Loesningsmengde m = veileder::linjemengde(linje);
        if (m.art == Loesningsmengde::Art::ukjent) return Mengdesvar::ukjent;
        return veileder::samme(m, maal_) ? Mengdesvar::samme : Mengdesvar::annen;
    }

    // What is known of the solutions after a step, by the same rules as the lower bound uses:
    // carried over a step that keeps them, worked out where multiplying or dividing by x must
    // have changed them, otherwise computed.
    Mengdesvar etter(const Node& foer, const Steg& steg, const Tilstand& ny) const {
        if (foer.mengde != Mengdesvar::ukjent && beholder_loesningene(steg, foer.linje))
            return foer.mengde;
        if (steg.potens == 1 &&
            (steg.operasjon == Operasjon::gang || steg.operasjon == Operasjon::del)) {
            const bool null_foer = null_loeser(foer.linje), null_etter = null_loeser(ny);
            if (null_foer && null_etter && foer.mengde != Mengdesvar::ukjent) return foer.mengde;
            if (foer.mengde == Mengdesvar::samme) return Mengdesvar::annen;
        }
        return sammenlign(ny);
    }

    // Breadth first from `start` for a way of at most `lengde` steps, leaving out every line
    // whose lower bound says it cannot be on one.
    Runde runde(const Tilstand& start, Mengdesvar start_mengde, int lengde) {
        noder_.clear();
        Sett sett(noder_);
        noder_.push_back(Node{start, -1, {}, start_mengde});
        sett.leggtil(0, hash(start));
        std::size_t lag_start = 0, lag_slutt = 1;
        for (int g = 0; g < lengde && lag_start < lag_slutt; ++g) {
            for (std::size_t i = lag_start; i < lag_slutt; ++i) {
                kladd_.kandidater(noder_[i].linje, kandidater_);
                for (const Steg& steg : kandidater_) {
                    if (regnet >= grense_.maks_linjer) return Runde::sprengt;
                    ++regnet;
                    const auto ny = kladd_.utfoer(noder_[i].linje, steg);
                    if (!ny) continue;
                    // A line that cannot be on a way this long is left out; met again, it is
                    // left out again, by the same bound. Most are left out by the bound for
                    // unknown solutions, before those are worked out and before the line is
                    // looked for among those seen. Not knowing the solutions allows every move
                    // that knowing them does, so that bound is never longer, except on a solved
                    // line with the exercise's solutions: 0 steps known, 1 unknown.
                    int uten_mengde = 0;
                    if (grense_.med_nedre_grense) {
                        uten_mengde = nedre_grense(*ny, Mengdesvar::ukjent);
                        const int tidlig = uten_mengde == 1 ? 0 : uten_mengde;
                        if (tidlig == ingen_vei || g + 1 + tidlig > lengde) continue;
                    }
                    const std::uint64_t h = hash(*ny);
                    if (sett.finnes(*ny, h)) continue;
                    const Mengdesvar mengde = etter(noder_[i], steg, *ny);
                    const int grense = !grense_.med_nedre_grense      ? (kladd_.loest() ? 0 : 1)
                                       : mengde == Mengdesvar::ukjent ? uten_mengde
                                                                      : nedre_grense(*ny, mengde);
                    if (grense == ingen_vei || g + 1 + grense > lengde) continue;
                    const bool loest = kladd_.loest();
                    noder_.push_back(Node{*ny, static_cast<std::int32_t>(i), steg, mengde});
                    sett.leggtil(noder_.size() - 1, h);
                    if (grense == 0 && loest &&
                        veileder::samme(veileder::linjemengde(*ny), maal_)) {
                        funnet_ = noder_.size() - 1;
                        return Runde::funnet;
                    }
                }
            }
            lag_start = lag_slutt;
            lag_slutt = noder_.size();
        }
        return Runde::ikke_funnet;
    }

    // The way to the line found, from the start.
    void vei(Veiledning& v) const {
        std::vector<std::size_t> kjede;
        for (auto i = static_cast<std::int32_t>(funnet_); i >= 0;
             i = noder_[static_cast<std::size_t>(i)].forelder)
            kjede.push_back(static_cast<std::size_t>(i));
        std::reverse(kjede.begin(), kjede.end());
        for (std::size_t k = 0; k < kjede.size(); ++k) {
            if (k == 0) continue;  // the start is there already
            v.steg.push_back(noder_[kjede[k]].steg);
            v.linjer.push_back(noder_[kjede[k]].linje);
        }
    }

    std::uint64_t regnet = 0;

private:
    const Loesningsmengde& maal_;
    const Grense& grense_;
    Kladd kladd_;
    std::vector<Steg> kandidater_;
    std::vector<Node> noder_;
    std::size_t funnet_ = 0;
};

}  // namespace

void forberedveileder() {
    nedre_grense(Tilstand{}, Mengdesvar::samme);
}

Loesningsmengde oppgavemengde(const Ark& ark) {
    return veileder::linjemengde(Tilstand::fra(ark, 0));
}

Veiledning veiled(const Ark& ark, int n, const Grense& grense) {
    using Art = Loesningsmengde::Art;
    Veiledning v;
    if (n < 0 || n > siste_linje) return v;
    const Tilstand start = Tilstand::fra(ark, n);
    v.linjer.push_back(start);
    const Loesningsmengde maal = oppgavemengde(ark);
    if (maal.art == Art::ingen) {
        v.utfall = Utfall::ingen_loesning;
        return v;
    }
    if (maal.art == Art::alle) {
        v.utfall = Utfall::alle_tall;
        return v;
    }
    if (maal.art == Art::ukjent) return v;

    if (loest(ark, n) && veileder::samme(veileder::linjemengde(start), maal)) {
        v.utfall = Utfall::vei;
        return v;
    }

    // A way must fit on the sheet: line 99 is the last.
    const int maks = std::min(grense.maks_steg, siste_linje - n);
    Soek soek(maal, grense);
    const Mengdesvar mengde = soek.sammenlign(start);
    const int h = grense.med_nedre_grense ? nedre_grense(start, mengde) : 1;
    for (int lengde = std::max(h, 1); h != ingen_vei && lengde <= maks; ++lengde) {
        const Runde r = soek.runde(start, mengde, lengde);
        if (r == Runde::funnet) {
            v.utfall = Utfall::vei;
            soek.vei(v);
            v.regnet = soek.regnet;
            return v;
        }
        if (r == Runde::sprengt) break;
    }
    v.regnet = soek.regnet;
    // A line whose solutions differ from the exercise's: an earlier step added or lost some.
    v.utfall = mengde == Mengdesvar::annen ? Utfall::ikke_fram : Utfall::ingen_kort_vei;
    return v;
}

}  // namespace balvo
