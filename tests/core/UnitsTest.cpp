// SPDX-License-Identifier: GPL-3.0-or-later
#include "Units.h"

#include <gtest/gtest.h>

TEST(CoefficientUnitText, ForceFirstThenLength) {
    EXPECT_EQ(quendrix::CoefficientUnitText("KN", "mm"), "KN*(s/mm)^Cexp");
}
