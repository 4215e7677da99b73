// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sweep.h"

#include "Convert.h"
#include "TestSupport.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace quendrix;
using namespace quendrix::test;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

const std::string limitMessage = "The range start:step:end would give more than 1000000 points; "
                                 "choose a larger step or a shorter range";
const std::string stepMessage = "The range start:step:end never reaches its end: its step must "
                                "be greater than 0; a curve has at most 1000000 points";

// Shortest round-trip text, independent of any locale.
std::string shortest(double value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// The parse as one comparable text: "start step end" or the failure.
std::string parsed(std::string_view text, std::string_view separator = ".") {
    try {
        const SweepRange r = ParseSweepRange(text, separator);
        return shortest(r.Start) + ' ' + shortest(r.Step) + ' ' + shortest(r.End);
    } catch (const Exception& e) {
        return e.message();
    }
}

class ParseSweepRangeTable : public LocaleTest {};

TEST_P(ParseSweepRangeTable, FieldsAndErrors) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"2000:500:20000", "2000 500 20000"},
        {"2000 : 500 : 20000", "2000 500 20000"},
        {"2000 500 20000", "2000 500 20000"},
        {"2000\t500\n20000", "2000 500 20000"},
        {"  2000:500:20000", "2000 500 20000"},
        {"-2000:1e2:+5.5E1", "-2000 100 55"},
        {"2000:500:20000:99", "2000 500 20000"},
        {"2000:500:20000:abc", "2000 500 20000"},
        {"2000:500:20000:", "2000 500 20000"},
        {"\"2000\":\"500\":\"20000\"", "2000 500 20000"},
        {"\"2000\"500 20000", "2000 500 20000"},
        {std::string("1\0"
                     "2 3",
                     5),
         "1 2 3"},
        // Missing fields: the index of the first one missing.
        {"", "List index out of bounds (0)"},
        {"2000", "List index out of bounds (1)"},
        {"2000:500", "List index out of bounds (2)"},
        {"2000 500", "List index out of bounds (2)"},
        {"\"2000", "List index out of bounds (1)"},
        {"1: ", "List index out of bounds (1)"},
        // Empty fields: between two colons and after a final colon.
        {"1::2", "'' is not a valid floating point value"},
        {"1:", "'' is not a valid floating point value"},
        {"1:2:", "'' is not a valid floating point value"},
        {":1:2", "'' is not a valid floating point value"},
        // Fields are parsed in order, so the first problem is reported.
        {"2000:abc", "'abc' is not a valid floating point value"},
        {"abc:1e400", "'abc' is not a valid floating point value"},
        {"2000:1e400", "Floating point overflow"},
        {"2000:500:1e400", "Floating point overflow"},
        {"1:2:3e", "'3e' is not a valid floating point value"},
        // Quoted fields keep their blanks and colons; "" stands for ".
        {"\" 2000\":1:2", "' 2000' is not a valid floating point value"},
        {"\"1:2\":3:4", "'1:2' is not a valid floating point value"},
        {"\"20\"\"00\":1:2", "'20\"00' is not a valid floating point value"},
        {"\"\":1:2", "'' is not a valid floating point value"},
        {"2,5:1:2", "'2,5' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parsed(c.text), c.expected);
    }
    EXPECT_EQ(parsed("0,5 : 0,25 : 1", ","), "0.5 0.25 1");
    EXPECT_EQ(parsed("0.5:1:2", ","), "'0.5' is not a valid floating point value");
}

QUENDRIX_IN_EVERY_LOCALE(ParseSweepRangeTable);

using Points = std::vector<std::pair<double, double>>;

struct Walk {
    Points points;
    std::string error;
};

Walk walk(const SweepRange& range, double alpha, const UnitFactors& f) {
    Walk w;
    try {
        SweepPoints(range, alpha, f, [&](double x, double y) { w.points.emplace_back(x, y); });
    } catch (const Exception& e) {
        w.error = e.message();
    }
    return w;
}

const UnitFactors startUp = GetUnitFactors(0, 1, 2, 1); // m, KN -> mm, KN

TEST(SweepPoints, DefaultRangeGivesThirtySixConvertedPoints) {
    const Walk w = walk(ParseSweepRange("2000:500:20000", "."), 0.4, startUp);
    EXPECT_EQ(w.error, "");
    ASSERT_EQ(w.points.size(), 36u);
    for (std::size_t i = 0; i < w.points.size(); ++i) {
        const double x = 2000 + 500 * static_cast<double>(i);
        EXPECT_EQ(w.points[i].first, x);
        EXPECT_EQ(w.points[i].second, ConvertCoefficient(0.4, x, startUp));
    }
    EXPECT_EQ(w.points.back().first, 19500);
}

TEST(SweepPoints, AccumulatesTheStep) {
    const Walk w = walk({0, 0.1, 1}, 0, startUp);
    ASSERT_EQ(w.points.size(), 11u);
    EXPECT_EQ(w.points.back().first, 0x1.fffffffffffffp-1); // 0.9999999999999999
    EXPECT_EQ(walk({100, 100, 200}, 1, startUp).points, (Points{{100, 0.1}}));
    const Walk negative = walk({-3, 1, -1}, 0, startUp);
    EXPECT_EQ(negative.points, (Points{{-3, -3}, {-2, -2}}));
}

TEST(SweepPoints, NoPointsWhenStartIsNotBelowEnd) {
    for (const SweepRange r :
         {SweepRange{5, 1, 5}, SweepRange{5, 1, 4}, SweepRange{5, -1, 4}, SweepRange{5, 0, 5},
          SweepRange{nan, 1, 5}, SweepRange{0, 1, nan}, SweepRange{inf, 1, inf}}) {
        SCOPED_TRACE(::testing::Message() << r.Start << ':' << r.Step << ':' << r.End);
        bool called = false;
        EXPECT_NO_THROW(CheckSweepRange(r));
        SweepPoints(r, 0.4, startUp, [&](double, double) { called = true; });
        EXPECT_FALSE(called);
    }
}

TEST(SweepPoints, FailureKeepsThePointsBefore) {
    // mm^200 is infinite: the points are infinite until C = 0 is invalid.
    const Walk invalid = walk({-2, 1, 2}, 200, GetUnitFactors(2, 0, 0, 0));
    EXPECT_EQ(invalid.points, (Points{{-2, -inf}, {-1, -inf}}));
    EXPECT_EQ(invalid.error, "Invalid floating point operation");
    // mm^100 = 1e300: C * 1e300 overflows once C exceeds about 1.8e8.
    const Walk overflowing = walk({1e8, 1e7, 1e9}, 100, GetUnitFactors(2, 0, 0, 0));
    EXPECT_EQ(overflowing.points.size(), 8u);
    EXPECT_EQ(overflowing.points.back().first, 1.7e8);
    EXPECT_EQ(overflowing.error, "Floating point overflow");
    // The running value itself overflowing, also after the last point.
    const Walk running = walk({0, 1e308, 1.7e308}, 0, startUp);
    EXPECT_EQ(running.points, (Points{{0, 0}, {1e308, 1e308}}));
    EXPECT_EQ(running.error, "Floating point overflow");
    const Walk afterLast = walk({1.5e308, 1e308, 1.6e308}, 0, startUp);
    EXPECT_EQ(afterLast.points.size(), 1u);
    EXPECT_EQ(afterLast.error, "Floating point overflow");
}

TEST(SweepGuard, RefusesEveryRunawayRangeBeforeAnyPoint) {
    const struct {
        SweepRange range;
        const std::string& message;
    } cases[] = {
        {{0, 0, 1}, stepMessage},
        {{0, -1, 1}, stepMessage},
        {{2000, -500, 20000}, stepMessage},
        {{0, nan, 1}, stepMessage},
        {{1e16, 1, 2e16}, limitMessage},        // x + 1 == x on the way
        {{0, 1e-300, 1}, limitMessage},         // far too many points
        {{-1e308, 1e300, 1e308}, limitMessage}, // end - start overflows
        {{-1.7e308, 1e-300, 1.7e308}, limitMessage},
        {{0, 1, 1000000.5}, limitMessage}, // one point too many
        {{0, 1, 1000001}, limitMessage},
        {{0x1p53 - 4, 1, 0x1p53 + 8}, limitMessage}, // stalls at 2^53, a few points in
        {{-0x1p53 - 8, 1, -0x1p53 + 8}, limitMessage},
        {{5e-324, 5e-324, 1}, limitMessage},
        {{-inf, 1, 0}, limitMessage}, // -inf + 1 stays -inf
        {{0, 1, inf}, limitMessage},
        {{0, 1e300, inf}, limitMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.range.Start << ':' << c.range.Step << ':' << c.range.End);
        const Walk w = walk(c.range, 0.4, startUp);
        EXPECT_EQ(w.error, c.message);
        EXPECT_TRUE(w.points.empty());
        EXPECT_EQ(outcome([&] { return (CheckSweepRange(c.range), 0); }),
                  fails("ESweepLimit", c.message));
    }
}

TEST(SweepGuard, PassesEveryWalkThatEndsWithinTheLimit) {
    const struct {
        SweepRange range;
        std::size_t points;
    } cases[] = {
        {{0, 1, 1000000}, 1000000},
        {{0.5, 1, 1000000}, 1000000},
        {{-500000, 1, 500000}, 1000000},
        {{0, 1e-6, 1}, 1000000}, // 1e-6 * 1e6 lands just below 1: one more than exact
        {{1e16, 2, 1e16 + 100}, 50},
        {{1e16, 3, 1e16 + 100}, 25}, // each sum rounds to a multiple of 2
        // Ties to even that still move on: -(2^53 + 2) + 1 rounds to -2^53,
        // from where steps of 1 are exact.
        {{-0x1p53 - 2, 1, -0x1p53 + 5}, 6},
        {{0, inf, 1}, 1},
        {{-inf, inf, 0}, 1}, // the first addition is invalid
        {{0, 1e308, 1.7e308}, 2},
        {{5e-324, 5e-324, 1e-318}, 202401}, // denormal sums are exact
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.range.Start << ':' << c.range.Step << ':' << c.range.End);
        EXPECT_NO_THROW(CheckSweepRange(c.range));
        std::size_t count = 0;
        try {
            SweepPoints(c.range, 0, startUp, [&](double, double) { ++count; });
        } catch (const EMathError&) {
            // a walk that ends in a failure ended all the same
        }
        EXPECT_EQ(count, c.points);
    }
}

} // namespace
