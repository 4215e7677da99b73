// SPDX-License-Identifier: GPL-3.0-or-later
// The number grammar: every text either parses to a finite double that
// prints and parses back to itself, or fails with the text-naming message or
// an overflow; the single-precision parse agrees with it.
#include "Errors.h"
#include "FuzzCheck.h"
#include "NumberText.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace quendrix;
using namespace quendrix::fuzz;

namespace {

enum class Kind { Value, NotANumber, Overflow };

template <typename Real, typename Parse>
Kind attempt(Parse parse, std::string_view text, Real& value) {
    try {
        value = parse();
        return Kind::Value;
    } catch (const EConvertError& e) {
        FUZZ_CHECK(e.message() ==
                   "'" + std::string(text) + "' is not a valid floating point value");
        return Kind::NotANumber;
    } catch (const EOverflow& e) {
        FUZZ_CHECK(e.message() == "Floating point overflow");
        return Kind::Overflow;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view separator = separators[data[0] % std::size(separators)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    double value = 0;
    const Kind kind = attempt([&] { return ParseFloat(text, separator); }, text, value);
    float single = 0;
    const Kind singleKind = attempt([&] { return ParseSingle(text, separator); }, text, single);

    // One grammar for both; a float overflows wherever a double does.
    FUZZ_CHECK((kind == Kind::NotANumber) == (singleKind == Kind::NotANumber));
    if (kind == Kind::Overflow)
        FUZZ_CHECK(singleKind == Kind::Overflow);
    if (kind != Kind::Value)
        return 0;

    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(sameBits(ParseFloat(shortestText(value, separator), separator), value));
    // The same text with another separator reads the same.
    for (const std::string_view other : separators) {
        if (other == separator || text.find(other) != std::string_view::npos)
            continue;
        std::string swapped(text);
        if (const auto at = swapped.find(separator); at != std::string::npos)
            swapped.replace(at, separator.size(), other);
        FUZZ_CHECK(sameBits(ParseFloat(swapped, other), value));
    }

    // The float is the text rounded once: one of the two floats around the
    // double, and the double itself when that is a float.
    constexpr double floatOverflow = 0x1.ffffffp+127; // FLT_MAX plus half its spacing
    if (singleKind == Kind::Overflow) {
        FUZZ_CHECK(std::fabs(value) >= floatOverflow);
        return 0;
    }
    FUZZ_CHECK(std::isfinite(single));
    FUZZ_CHECK(std::fabs(value) <= floatOverflow);
    const float near = static_cast<float>(value);
    if (static_cast<double>(near) == value && std::isfinite(near))
        FUZZ_CHECK(sameBits(single, near));
    else
        FUZZ_CHECK(single == near || single == std::nextafter(near, INFINITY) ||
                   single == std::nextafter(near, -INFINITY));
    return 0;
}
