// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

using namespace quendrix;
using namespace quendrix::test;

namespace {

// Writes the decimal point of a table text as the given separator.
std::string withSeparator(std::string_view text, std::string_view separator) {
    std::string out;
    for (char c : text) {
        if (c == '.')
            out += separator;
        else
            out += c;
    }
    return out;
}

std::string repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

struct FloatCase {
    std::string text; // '.' stands for the decimal separator
    Outcome expected;
};

const std::vector<FloatCase>& floatCases() {
    static const std::vector<FloatCase> cases = {
        {"0", ok(0.0)},
        {"-0", ok(-0.0)},
        {"+1.5", ok(0x1.8p+0)},
        {".5", ok(0.5)},
        {"5.", ok(5.0)},
        {"-.25e1", ok(-2.5)},
        {"2000", ok(2000.0)},
        {"0.1", ok(0x1.999999999999ap-4)},
        {"1e3", ok(1000.0)},
        {"1E+3", ok(1000.0)},
        {"1e-3", ok(0x1.0624dd2f1a9fcp-10)},
        {"007.50", ok(7.5)},
        // Halfway between two doubles: ties to even, unless any later digit
        // lifts it above the half.
        {"9007199254740993", ok(0x1p+53)},
        {"9007199254740995", ok(0x1.0000000000002p+53)},
        {"9007199254740993.0000000000000000000001", ok(0x1.0000000000001p+53)},
        // The double range's edges.
        {"1.7976931348623157e308", ok(DBL_MAX)},
        {"1.7976931348623158e308", ok(DBL_MAX)},
        {"2.2250738585072014e-308", ok(0x1p-1022)},
        {"2.2250738585072011e-308", ok(0x0.fffffffffffffp-1022)},
        {"4.9406564584124654e-324", ok(0x0.0000000000001p-1022)},
        {"2.4703282292062328e-324", ok(0x0.0000000000001p-1022)},
        // Too small: the signed zero it rounds to, quietly.
        {"2.4703282292062327e-324", ok(0.0)},
        {"1e-400", ok(0.0)},
        {"-1e-999", ok(-0.0)},
        {"1e-99999999999", ok(0.0)},
        {"0e99999999999", ok(0.0)},
        {"-0.000e-99999999999", ok(-0.0)},
        // Too large.
        {"1e400", overflow()},
        {"-1e400", overflow()},
        {"1e99999999999", overflow()},
        {"1.7976931348623159e308", overflow()},
        {repeat("9", 400), overflow()},
        // Long digit strings.
        {"0." + repeat("1", 800), ok(0x1.c71c71c71c71cp-4)},
        {"9007199254740993." + repeat("0", 800), ok(0x1p+53)},
        {"9007199254740993." + repeat("0", 800) + "1", ok(0x1.0000000000001p+53)},
        {"0." + repeat("0", 799) + "1e800", ok(1.0)},
        {repeat("0", 900) + "1.5", ok(1.5)},
    };
    return cases;
}

const std::vector<std::string>& malformedTexts() {
    static const std::vector<std::string> texts = {
        "",
        " ",
        "+",
        "-",
        ".",
        "+.",
        "e5",
        ".e5",
        "1e",
        "1e+",
        "1e-",
        "1..1",
        "1.2.3",
        "1ee1",
        "1e1e1",
        "--1",
        "+-1",
        "1 2",
        " 1",
        "1 ",
        "1e 5",
        "1\t",
        "\xC2\xA0"
        "1",
        "1\xC2\xA0",
        "inf",
        "-inf",
        "infinity",
        "nan",
        "NaN",
        "0x10",
        "1_000",
        "1e5.5",
        "1f",
        "1d",
        "١",
        std::string("1\0", 2),
    };
    return texts;
}

class ParseFloatTable : public LocaleTest {};

TEST_P(ParseFloatTable, ValuesWithEitherSeparator) {
    for (const char* separator : {".", ","}) {
        for (const auto& c : floatCases()) {
            const std::string text = withSeparator(c.text, separator);
            SCOPED_TRACE(text.substr(0, 60) + " with separator " + separator);
            EXPECT_EQ(outcome([&] { return ParseFloat(text, separator); }), c.expected);
        }
    }
}

TEST_P(ParseFloatTable, MalformedTextsNameTheText) {
    for (const char* separator : {".", ","}) {
        for (const auto& t : malformedTexts()) {
            const std::string text = withSeparator(t, separator);
            SCOPED_TRACE(text + " with separator " + separator);
            EXPECT_EQ(outcome([&] { return ParseFloat(text, separator); }), notAFloat(text));
        }
    }
}

TEST_P(ParseFloatTable, OnlyTheCallersSeparatorIsAccepted) {
    EXPECT_EQ(outcome([] { return ParseFloat("1,5", "."); }), notAFloat("1,5"));
    EXPECT_EQ(outcome([] { return ParseFloat("1.5", ","); }), notAFloat("1.5"));
    EXPECT_EQ(outcome([] { return ParseFloat("1,000.5", "."); }), notAFloat("1,000.5"));
    // Any text may be the separator, several bytes long included (U+066B).
    EXPECT_EQ(outcome([] {
                  return ParseFloat("1\xD9\xAB"
                                    "5",
                                    "\xD9\xAB");
              }),
              ok(1.5));
    EXPECT_EQ(outcome([] {
                  return ParseFloat("1\xD9"
                                    "5",
                                    "\xD9\xAB");
              }),
              notAFloat("1\xD9"
                        "5"));
    EXPECT_EQ(outcome([] { return ParseFloat("1.5", ""); }), notAFloat("1.5"));
    EXPECT_EQ(outcome([] { return ParseFloat("15", ""); }), ok(15.0));
}

QUENDRIX_IN_EVERY_LOCALE(ParseFloatTable);

TEST(ParseSingle, RoundsOnceFromTheDecimalText) {
    const struct {
        const char* text;
        Outcome expected;
    } cases[] = {
        {"0.1", ok(0x1.99999ap-4f)},
        {"-2.5", ok(-2.5f)},
        {"3.4028235e38", ok(FLT_MAX)},
        {"1e-45", ok(0x1p-149f)},
        {"1e-46", ok(0.0f)},
        {"-1e-46", ok(-0.0f)},
        {"1e-400", ok(0.0f)},
        // Halfway between 1 and the next float, as a double, but the text
        // itself lies above the half: rounding via double would give 1.
        {"1.0000000596046447753906251", ok(0x1.000002p+0f)},
        {"1.000000059604644775390625", ok(1.0f)},
        {"3.40282357e38", overflow()},
        {"1e39", overflow()},
        {"-1e39", overflow()},
        {"1e400", overflow()},
        {"1..0", notAFloat("1..0")},
        {"", notAFloat("")},
        {"inf", notAFloat("inf")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(outcome([&] { return ParseSingle(c.text, "."); }), c.expected);
    }
    EXPECT_EQ(outcome([] { return ParseSingle("0,5", ","); }), ok(0.5f));
}

TEST(Trim, DropsEveryControlAndBlankAtBothEnds) {
    EXPECT_EQ(Trim(std::string_view("\0\t\n\r \x1f"
                                    "12 3\x01 \x20",
                                    13)),
              "12 3");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    // Code 127 and non-breaking spaces are no blanks.
    EXPECT_EQ(Trim("\x7f"
                   "1\xC2\xA0"),
              "\x7f"
              "1\xC2\xA0");
}

TEST(ParseInt, DecimalAndHexadecimalTexts) {
    const struct {
        const char* text;
        Outcome expected;
    } cases[] = {
        {"0", ok(0)},
        {"-0", ok(0)},
        {"+12", ok(12)},
        {"007", ok(7)},
        {"2147483647", ok(2147483647)},
        {"-2147483648", ok(-2147483647.0 - 1)},
        {"00000000002147483647", ok(2147483647)},
        {"$FFFFFFFF", ok(-1)},
        {"0x80000000", ok(-2147483647.0 - 1)},
        {"0X7fffffff", ok(2147483647)},
        {"x1F", ok(31)},
        {"X1f", ok(31)},
        {"$000000001", ok(1)},
        {"-$10", ok(-16)},
        {"-$80000000", ok(-2147483647.0 - 1)},
        {"2147483648", notAnInteger("2147483648")},
        {"-2147483649", notAnInteger("-2147483649")},
        {"99999999999999999999", notAnInteger("99999999999999999999")},
        {"$100000000", notAnInteger("$100000000")},
        {"", notAnInteger("")},
        {"+", notAnInteger("+")},
        {"-", notAnInteger("-")},
        {"$", notAnInteger("$")},
        {"0x", notAnInteger("0x")},
        {"x", notAnInteger("x")},
        {"$-1", notAnInteger("$-1")},
        {"0x1G", notAnInteger("0x1G")},
        {"00x1", notAnInteger("00x1")},
        {"4.5", notAnInteger("4.5")},
        {"1e3", notAnInteger("1e3")},
        {"12a", notAnInteger("12a")},
        {" 1", notAnInteger(" 1")},
        {"1 ", notAnInteger("1 ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(outcome([&] { return ParseInt(c.text); }), c.expected);
    }
}

} // namespace
