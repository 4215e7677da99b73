// SPDX-License-Identifier: GPL-3.0-or-later
#include "Units.h"

#include <gtest/gtest.h>

using namespace quendrix;

TEST(CoefficientUnitText, ForceFirstThenLength) {
    EXPECT_EQ(CoefficientUnitText("KN", "mm"), "KN*(s/mm)^Cexp");
    EXPECT_EQ(CoefficientUnitText("KN", "m"), "KN*(s/m)^Cexp");
    EXPECT_EQ(CoefficientUnitText("N", "mm"), "N*(s/mm)^Cexp");
}

TEST(UnitTables, TextsAndFactors) {
    EXPECT_EQ(LengthUnits[0].text, "m");
    EXPECT_EQ(LengthUnits[1].factor, 100.0);
    EXPECT_EQ(LengthUnits[2].text, "mm");
    EXPECT_EQ(LengthUnits[2].factor, 1000.0);
    EXPECT_EQ(ForceUnits[1].text, "KN");
    EXPECT_EQ(ForceUnits[1].factor, 1000.0);
}
