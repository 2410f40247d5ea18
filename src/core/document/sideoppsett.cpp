// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/sideoppsett.h"

#include <algorithm>
#include <cmath>

namespace balvo {
namespace {

using namespace sideoppsett;

constexpr double mellomrom = radsteg - radhoeyde;

int kapasitet(double hoeyde) {
    return std::max(1, static_cast<int>(std::floor((hoeyde + mellomrom) / radsteg)));
}

}  // namespace

std::vector<Dokumentside> sider(int sistelinje, double hoeyde) {
    std::vector<Dokumentside> ut;
    int neste = 0;
    while (neste <= sistelinje) {
        const bool topp = ut.empty();
        const double plass = hoeyde - bunnhoeyde - (topp ? topphoeyde : 0);
        const int til = std::min(sistelinje, neste + kapasitet(plass) - 1);
        ut.push_back({neste, til, topp});
        neste = til + 1;
    }
    return ut;
}

double sidehoeyde(const Dokumentside& side) {
    const int linjer = side.til - side.fra + 1;
    return (side.topp ? topphoeyde : 0) + std::max(0, linjer) * radsteg - mellomrom;
}

std::vector<Radutvalg> tabellsider(const std::vector<double>& hoeyder, double foerste,
                                   double resten) {
    std::vector<Radutvalg> ut{{0, -1}};
    double plass = foerste;
    for (int i = 0; i < static_cast<int>(hoeyder.size()); ++i) {
        const double h = hoeyder[static_cast<std::size_t>(i)];
        Radutvalg& side = ut.back();
        if (side.til >= side.fra && h > plass) {
            ut.push_back({i, i - 1});
            plass = resten;
        }
        ut.back().til = i;
        plass -= h;
    }
    return ut;
}

}  // namespace balvo
