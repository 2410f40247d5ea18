// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ark.h"

#include <gtest/gtest.h>

namespace balvo {
namespace {

TEST(Ark, NeverWrittenLineReadsAllZeros) {
    Ark ark;
    for (int j = 0; j < antall_kolonner; ++j) {
        EXPECT_EQ(ark.teller[50][j], 0);
        EXPECT_EQ(ark.nevner[50][j], 0);
        EXPECT_EQ(ark.rotteller[50][j], 0);
        EXPECT_EQ(ark.rotnevner[50][j], 0);
    }
}

TEST(Ark, ClearedLineIsZeroEqualsZeroWithRadicandsOne) {
    Ark ark;
    ark.teller[3][2] = 7;
    ark.rotteller[3][0] = 4;
    ark.linjeopr[3] = Operasjon::gang;
    ark.linjeteller[3] = 5;
    ark.linjenevner[3] = 2;
    toemlinje(ark, 3);
    for (int j = 0; j < antall_kolonner; ++j) {
        EXPECT_EQ(ark.teller[3][j], 0) << j;
        EXPECT_EQ(ark.nevner[3][j], 1) << j;
        EXPECT_EQ(ark.rotteller[3][j], (j == 3 || j == 6) ? 1 : 0) << j;
        EXPECT_EQ(ark.rotnevner[3][j], 1) << j;
    }
    EXPECT_EQ(ark.linjeopr[3], Operasjon::ingen);
    EXPECT_EQ(ark.linjeteller[3], 0);
    EXPECT_EQ(ark.linjenevner[3], 1);
}

}  // namespace
}  // namespace balvo
