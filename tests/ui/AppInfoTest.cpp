// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppInfo.h"

#include <gtest/gtest.h>

TEST(ApplicationTitle, CutAtFirstDotRestLowerCase) {
    EXPECT_EQ(quendrix::applicationTitleFor("/opt/q/Quendrix"), "Quendrix");
    EXPECT_EQ(quendrix::applicationTitleFor("C:/x/QUENDRIX.EXE"), "Quendrix");
    EXPECT_EQ(quendrix::applicationTitleFor("/a/my.App.bin"), "my");
}
