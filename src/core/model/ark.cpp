// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ark.h"

namespace balvo {

void toemlinje(Ark& ark, int i) {
    for (int j = 0; j < antall_kolonner; ++j) {
        ark.teller[i][j] = 0;
        ark.nevner[i][j] = 1;
        ark.rotteller[i][j] = 0;
        ark.rotnevner[i][j] = 1;
    }
    ark.rotteller[i][3] = 1;
    ark.rotteller[i][6] = 1;
    ark.linjeopr[i] = Operasjon::ingen;
    ark.linjeteller[i] = 0;
    ark.linjenevner[i] = 1;
}

bool loest(const Ark& ark, int n) {
    const auto& t = ark.teller[n];
    const bool venstre_er_x =
        t[1] == 0 && t[2] == 1 && ark.nevner[n][2] == 1 && t[3] == 0 && ark.rotteller[n][0] == 0;
    const bool hoeyre_uten_x =
        t[4] == 0 && t[5] == 0 && ark.rotteller[n][4] == 0 && ark.rotteller[n][5] == 0;
    return venstre_er_x && hoeyre_uten_x;
}

}  // namespace balvo
