// SPDX-License-Identifier: GPL-3.0-or-later
#include "Convert.h"

#include "TestSupport.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace quendrix;
using namespace quendrix::test;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

enum Length { m, cm, mm };
enum Force { N, KN };

struct Units {
    Length lengthIn;
    Force forceIn;
    Length lengthOut;
    Force forceOut;

    UnitFactors factors() const { return GetUnitFactors(lengthIn, forceIn, lengthOut, forceOut); }
};

TEST(GetUnitFactors, LooksUpEachIndexInItsTable) {
    const UnitFactors f = GetUnitFactors(0, 1, 2, 0);
    EXPECT_EQ(f.LengthIn, 1.0);
    EXPECT_EQ(f.ForceIn, 1000.0);
    EXPECT_EQ(f.LengthOut, 1000.0);
    EXPECT_EQ(f.ForceOut, 1.0);
    EXPECT_EQ(GetUnitFactors(1, 0, 1, 1).LengthIn, 100.0);
    EXPECT_EQ(outcome([] { return GetUnitFactors(3, 0, 0, 0).LengthIn; }),
              fails("ERangeError", "Length unit index out of range (3)"));
    EXPECT_EQ(outcome([] { return GetUnitFactors(0, 0, 0, -1).LengthIn; }),
              fails("ERangeError", "Force unit index out of range (-1)"));
}

TEST(ConvertCoefficient, WorkedValues) {
    const struct {
        Units units;
        double alpha;
        double c;
        const char* shown;
    } cases[] = {
        {{m, KN, mm, KN}, 0.4, 2000, "126.191"},
        {{m, N, mm, N}, 1, 1, "0.001"},
        {{mm, N, m, KN}, 0.3, 500, "3.972"},
        {{m, KN, m, KN}, 0.4, 2000, "2000.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(ResultFormat(ConvertCoefficient(c.alpha, c.c, c.units.factors()), "."), c.shown);
    }
    EXPECT_EQ(ConvertCoefficient(0.4, 2000, Units{m, KN, m, KN}.factors()), 2000.0);
    EXPECT_EQ(ConvertCoefficient(1, 1, Units{m, N, mm, N}.factors()), 0x1.0624dd2f1a9fcp-10);
}

TEST(ConvertCoefficient, FailuresAndInfinities) {
    const struct {
        Units units;
        double alpha;
        double c;
        Outcome expected;
    } cases[] = {
        // mm^200 is infinite.
        {{mm, N, m, N}, 200, 2000, ok(inf)},
        {{mm, N, m, N}, 200, -2000, ok(-inf)},
        {{mm, N, m, N}, 200, 0, invalidOp()},
        {{mm, N, mm, N}, 200, 2000, invalidOp()},
        // Only the output power infinite: 0 with the coefficient's sign.
        {{m, N, mm, N}, 200, 2000, ok(0.0)},
        {{m, N, mm, N}, 200, -2000, ok(-0.0)},
        // Powers that are zero.
        {{m, N, mm, N}, -200, 2000, zeroDivide()},
        {{m, N, mm, N}, -200, 0, invalidOp()},
        {{mm, N, m, N}, -200, 2000, ok(0.0)},
        {{mm, N, mm, N}, -200, 2000, invalidOp()},
        // A finite value beyond the range at steps 2, 3 and 5.
        {{mm, N, m, N}, 100, 1e10, overflow()},
        {{m, KN, m, N}, 0, 1e306, overflow()},
        {{m, N, mm, N}, -100, 1e10, overflow()},
        // Step 3 keeps the product unrounded: beyond the double range is fine
        // as long as the quotient is inside it.
        {{m, KN, m, KN}, 0, 1e306, ok(1e306)},
        {{cm, KN, cm, KN}, 0, -DBL_MAX, ok(-DBL_MAX)},
        {{m, KN, m, N}, 0, 1.7e305, ok(1.7e305 * 1000)},
        // Underflow is quiet.
        {{m, N, m, KN}, 0, 0x0.0000000000001p-1022, ok(0.0)},
        {{m, N, mm, N}, 102, 1e-300, ok(0.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "alpha " << c.alpha << " C " << c.c);
        EXPECT_EQ(outcome([&] { return ConvertCoefficient(c.alpha, c.c, c.units.factors()); }),
                  c.expected);
    }
}

TEST(ConvertCoefficient, ForceRatioIsRoundedOnce) {
    // t1 * 1000 / 1000 is t1 exactly, t1 * 1 / 1000 is the correctly rounded
    // quotient and t1 * 1000 / 1 the correctly rounded product, for every t1.
    const double values[] = {0.1, 1.0 / 3, 2000, 123456.789, 0x1.fffffffffffffp-1, 7e-320, 1.5e305};
    for (double v : values) {
        SCOPED_TRACE(v);
        EXPECT_EQ(ConvertCoefficient(0, v, Units{m, KN, m, KN}.factors()), v);
        EXPECT_EQ(ConvertCoefficient(0, v, Units{m, N, m, N}.factors()), v);
        EXPECT_EQ(ConvertCoefficient(0, v, Units{m, N, m, KN}.factors()), v / 1000);
        EXPECT_EQ(ConvertCoefficient(0, v, Units{m, KN, m, N}.factors()), v * 1000);
    }
}

TEST(ConvertCoefficient, UnitsAndSigns) {
    const UnitFactors cmToMm = Units{cm, KN, mm, N}.factors();
    EXPECT_EQ(ConvertCoefficient(0, 5, cmToMm), 5000.0); // alpha 0: only the forces count
    for (double alpha : {-3.5, -0.3, 0.0, 0.4, 1.0, 2.0, 7.25}) {
        SCOPED_TRACE(alpha);
        const UnitFactors there = Units{m, KN, mm, N}.factors();
        const UnitFactors back = Units{mm, N, m, KN}.factors();
        const double out = ConvertCoefficient(alpha, 2000, there);
        EXPECT_EQ(ConvertCoefficient(alpha, -2000, there), -out);
        EXPECT_DOUBLE_EQ(ConvertCoefficient(alpha, out, back), 2000);
        EXPECT_EQ(ConvertCoefficient(alpha, 0, there), 0.0);
    }
}

TEST(ConvertCoefficient, PreparedConversionIsTheSameComputation) {
    const UnitFactors f = Units{mm, N, m, KN}.factors();
    for (double alpha : {-200.0, -0.3, 0.0, 0.4, 150.0, 200.0}) {
        const PreparedConversion convert(alpha, f);
        for (double c : {-1e300, -2000.0, -0.0, 0.0, 1e-310, 0.1, 2000.0, 1e300}) {
            SCOPED_TRACE(::testing::Message() << "alpha " << alpha << " C " << c);
            EXPECT_EQ(outcome([&] { return convert(c); }),
                      outcome([&] { return ConvertCoefficient(alpha, c, f); }));
        }
    }
}

TEST(ConvertCoefficient, FactorsOutsideTheTables) {
    // Not produced by GetUnitFactors, but handled under the same rule.
    const UnitFactors f{1, 1, 3, 7};
    EXPECT_EQ(ConvertCoefficient(0, 1e308, f), 0x1.e83ea9c6fa112p+1021); // product beyond range
    EXPECT_EQ(ConvertCoefficient(0, 14, f), 6.0);
    EXPECT_EQ(outcome([] {
                  return ConvertCoefficient(0, 1e308, UnitFactors{1, 1, 7, 3});
              }),
              overflow());
    EXPECT_EQ(outcome([] {
                  return ConvertCoefficient(0, 1, UnitFactors{1, 1, 7, 0});
              }),
              zeroDivide());
    EXPECT_EQ(outcome([] {
                  return ConvertCoefficient(0, 1e308, UnitFactors{1, 1, 7, inf});
              }),
              ok(0.0));
    EXPECT_EQ(outcome([] {
                  return ConvertCoefficient(0, inf, UnitFactors{1, 1, 0, 3});
              }),
              invalidOp());
}

class ResultFormatTable : public LocaleTest {};

TEST_P(ResultFormatTable, FixedAndScientificForms) {
    const struct {
        double value;
        const char* shown; // '.' stands for the separator
    } cases[] = {
        {0.0, "0.000"},
        {-0.0, "0.000"},
        {126.19146, "126.191"},
        {2000, "2000.000"},
        {1234.5, "1234.500"},
        {0.9999, "1.000"},
        {999.9996, "1000.000"},
        // Exact ties round away from zero ...
        {0.0625, "0.063"},
        {-0.0625, "-0.063"},
        {0.1875, "0.188"},
        {2.9375, "2.938"},
        // ... while near-ties go by their exact binary value.
        {0.0005, "0.001"},      // 0.000500000000000000010...
        {1.0005, "1.000"},      // 1.000499999999999944...
        {999.9995, "1000.000"}, // 999.999500000000011...
        // Every value below zero keeps its sign.
        {-0.0001, "-0.000"},
        {-0.0005, "-0.001"},
        {-1e-320, "-0.000"},
        {1e-320, "0.000"},
        // Around 10^18: below it fixed (all integers there), from it on
        // the general scientific form with up to 15 significant digits.
        {999999999999999872.0, "999999999999999872.000"},
        {-999999999999999872.0, "-999999999999999872.000"},
        {1e18, "1E18"},
        {1000000000000000128.0, "1E18"},
        {-1e18, "-1E18"},
        {1e20, "1E20"},
        {1.5e20, "1.5E20"},
        {-1.5e20, "-1.5E20"},
        {1.23456789012345678e25, "1.23456789012346E25"},
        {9.999999999999999e22, "1E23"},
        {DBL_MAX, "1.79769313486232E308"},
        {inf, "INF"},
        {-inf, "-INF"},
    };
    for (const char* separator : {".", ",", "\xD9\xAB"}) {
        for (const auto& c : cases) {
            std::string expected;
            for (const char* p = c.shown; *p; ++p)
                expected += *p == '.' ? std::string(separator) : std::string(1, *p);
            SCOPED_TRACE(::testing::Message() << c.value << " with " << separator);
            EXPECT_EQ(ResultFormat(c.value, separator), expected);
        }
    }
}

QUENDRIX_IN_EVERY_LOCALE(ResultFormatTable);

} // namespace
