// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckedMath.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace quendrix;
using namespace quendrix::test;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double tiny = std::numeric_limits<double>::denorm_min();

struct Case {
    const char* op;
    double a;
    double b;
    Outcome expected;
};

double apply(const Case& c) {
    switch (c.op[0]) {
    case '+':
        return checked::add(c.a, c.b);
    case '-':
        return checked::sub(c.a, c.b);
    case '*':
        return checked::mul(c.a, c.b);
    default:
        return checked::div(c.a, c.b);
    }
}

TEST(CheckedMath, ErrorsAndQuietResults) {
    const Case cases[] = {
        // Beyond the range: overflow; rounding and underflow: quiet.
        {"+", DBL_MAX, DBL_MAX, overflow()},
        {"+", DBL_MAX, 1, ok(DBL_MAX)},
        {"-", -DBL_MAX, DBL_MAX, overflow()},
        {"*", 1e200, 1e200, overflow()},
        {"*", -1e200, 1e200, overflow()},
        {"*", 1e-200, 1e-200, ok(0.0)},
        {"*", -1e-200, 1e-200, ok(-0.0)},
        {"*", tiny, 0.5, ok(0.0)},
        {"/", 1e300, 1e-10, overflow()},
        {"/", 1e-300, 1e300, ok(0.0)},
        // No defined value.
        {"+", inf, -inf, invalidOp()},
        {"-", inf, inf, invalidOp()},
        {"*", 0.0, inf, invalidOp()},
        {"*", -inf, 0.0, invalidOp()},
        {"/", inf, -inf, invalidOp()},
        {"/", 0.0, 0.0, invalidOp()},
        {"/", -0.0, 0.0, invalidOp()},
        {"+", nan, 1, invalidOp()},
        {"*", 1, nan, invalidOp()},
        {"/", nan, 0.0, invalidOp()},
        {"/", 1, nan, invalidOp()},
        // Division of a nonzero finite number by zero.
        {"/", 1, 0.0, zeroDivide()},
        {"/", -1, -0.0, zeroDivide()},
        {"/", tiny, 0.0, zeroDivide()},
        // Infinities that stay infinities, and finite over infinite.
        {"+", inf, 1, ok(inf)},
        {"-", 1, inf, ok(-inf)},
        {"*", inf, -2, ok(-inf)},
        {"/", inf, 3, ok(inf)},
        {"/", inf, 0.0, ok(inf)},
        {"/", -inf, 0.0, ok(-inf)},
        {"/", inf, -0.0, ok(-inf)},
        {"/", 2, inf, ok(0.0)},
        {"/", -2, inf, ok(-0.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << ' ' << c.op << ' ' << c.b);
        EXPECT_EQ(outcome([&] { return apply(c); }), c.expected);
    }
}

TEST(CheckedMath, PowersOfFactorsAreQuiet) {
    EXPECT_EQ(checked::quietPow(1000, 200), inf);
    EXPECT_EQ(checked::quietPow(1000, -200), 0.0);
    EXPECT_EQ(checked::quietPow(100, 155), inf);
    EXPECT_LT(checked::quietPow(100, 154), inf);
    EXPECT_EQ(checked::quietPow(1, 1e308), 1.0);
    EXPECT_EQ(checked::quietPow(1, -inf), 1.0);
}

} // namespace
