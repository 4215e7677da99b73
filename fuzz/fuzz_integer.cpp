// SPDX-License-Identifier: GPL-3.0-or-later
// The integer grammar: a success prints back to the digits it came from
// (decimal, or the 32-bit pattern in hexadecimal); short plain numbers always
// succeed; a failure names the text.
#include "Errors.h"
#include "FuzzCheck.h"
#include "NumberText.h"

#include <cctype>
#include <cstddef>
#include <cstdint>

using namespace quendrix;

namespace {

std::string lowerWithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    std::string out;
    for (char c : digits)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = 0;
    try {
        value = ParseInt(text);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(e.message() == "''" + std::string(text) + "'' is not a valid integer value");
        bool shortDecimal = !text.empty() && text.size() <= 9;
        for (char c : text)
            shortDecimal = shortDecimal && c >= '0' && c <= '9';
        FUZZ_CHECK(!shortDecimal);
        return 0;
    }

    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    bool hex = false;
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        hex = true;
        rest.remove_prefix(2);
    } else if (rest.starts_with("$") || rest.starts_with("x") || rest.starts_with("X")) {
        hex = true;
        rest.remove_prefix(1);
    }
    FUZZ_CHECK(!rest.empty());
    const std::uint32_t pattern = static_cast<std::uint32_t>(value);
    if (hex) {
        const std::uint32_t digits = negative ? 0u - pattern : pattern;
        char buffer[16];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, digits, 16).ptr;
        FUZZ_CHECK(lowerWithoutLeadingZeros(rest) == std::string(buffer, end));
    } else {
        const std::int64_t wide = value;
        FUZZ_CHECK(wide == 0 || (wide < 0) == negative);
        FUZZ_CHECK(lowerWithoutLeadingZeros(rest) == std::to_string(wide < 0 ? -wide : wide));
    }
    return 0;
}
