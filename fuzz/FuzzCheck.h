// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Invariant checks for the fuzz targets: a failed check prints itself and
// aborts, which libFuzzer reports as a crash with the input that caused it.

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #condition, __FILE__,           \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace quendrix::fuzz {

inline constexpr std::string_view separators[] = {".", ",", "\xD9\xAB"};

inline bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The shortest text that reads back as value, with the given separator.
inline std::string shortestText(double value, std::string_view separator) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, separator);
    return text;
}

} // namespace quendrix::fuzz
