// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

using namespace quendrix;

namespace {

// Property: the shortest text that reads back as the same double (to_chars)
// reads back as that double here too, with either decimal separator.
TEST(ParseFloatProperty, ShortestTextsRoundTripWithEitherSeparator) {
    constexpr int count = 1'000'000;
    std::mt19937_64 random(20240611);
    int failures = 0;
    int tested = 0;
    while (tested < count) {
        const std::uint64_t bits = random();
        const double value = std::bit_cast<double>(bits);
        if (!std::isfinite(value))
            continue;
        ++tested;
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        std::string text(buffer, end);
        const bool pointBack = std::bit_cast<std::uint64_t>(ParseFloat(text, ".")) == bits;
        if (const auto dot = text.find('.'); dot != std::string::npos)
            text[dot] = ',';
        const bool commaBack = std::bit_cast<std::uint64_t>(ParseFloat(text, ",")) == bits;
        if ((!pointBack || !commaBack) && ++failures <= 10)
            ADD_FAILURE() << "did not round-trip: " << std::string(buffer, end);
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
