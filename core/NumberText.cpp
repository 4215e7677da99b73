// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "Errors.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace quendrix {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

[[noreturn]] void rejectFloat(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message.append("'").append(text).append("' is not a valid floating point value");
    throw EConvertError(std::move(message));
}

[[noreturn]] void rejectInteger(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message.append("''").append(text).append("'' is not a valid integer value");
    throw EConvertError(std::move(message));
}

// A number text that passed the grammar, rewritten for std::from_chars:
// no '+', '.' as the decimal point.
struct NumberSpelling {
    std::string plain;
    bool negative = false;
    // Decimal exponent of the first nonzero digit (saturated), when there is one.
    bool nonzero = false;
    std::int64_t leadingExponent = 0;
};

constexpr std::int64_t exponentCap = std::int64_t{1} << 50;

NumberSpelling spell(std::string_view text, std::string_view decimalSeparator) {
    NumberSpelling s;
    s.plain.reserve(text.size() + 1);
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        s.negative = text[i] == '-';
        if (s.negative)
            s.plain += '-';
        ++i;
    }
    std::int64_t integerDigits = 0;
    std::int64_t fractionDigits = 0;
    std::int64_t firstNonzeroInteger = -1;  // index among the integer digits
    std::int64_t firstNonzeroFraction = -1; // index among the fraction digits
    bool separatorSeen = false;
    while (i < n) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonzeroInteger < 0 && firstNonzeroFraction < 0) {
                if (separatorSeen)
                    firstNonzeroFraction = fractionDigits;
                else
                    firstNonzeroInteger = integerDigits;
            }
            (separatorSeen ? fractionDigits : integerDigits) += 1;
            s.plain += c;
            ++i;
        } else if (!separatorSeen && !decimalSeparator.empty() &&
                   text.substr(i).starts_with(decimalSeparator)) {
            separatorSeen = true;
            s.plain += '.';
            i += decimalSeparator.size();
        } else {
            break;
        }
    }
    if (integerDigits + fractionDigits == 0)
        rejectFloat(text);

    std::int64_t exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        s.plain += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            s.plain += text[i];
            ++i;
        }
        const std::size_t digitsFrom = i;
        while (i < n && isDigit(text[i])) {
            if (exponent < exponentCap)
                exponent = exponent * 10 + (text[i] - '0');
            s.plain += text[i];
            ++i;
        }
        if (i == digitsFrom)
            rejectFloat(text);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != n)
        rejectFloat(text);

    if (firstNonzeroInteger >= 0) {
        s.nonzero = true;
        s.leadingExponent = integerDigits - 1 - firstNonzeroInteger + exponent;
    } else if (firstNonzeroFraction >= 0) {
        s.nonzero = true;
        s.leadingExponent = -(firstNonzeroFraction + 1) + exponent;
    }
    return s;
}

// Correctly rounded binary value of a decimal text of the grammar above.
template <typename Real> Real parseReal(std::string_view text, std::string_view decimalSeparator) {
    const NumberSpelling s = spell(text, decimalSeparator);
    Real value = 0;
    const char* first = s.plain.data();
    const char* last = first + s.plain.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last)
        rejectFloat(text);
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either side: a text of magnitude 1 or more went
        // beyond the largest finite value, anything below 1 rounded to zero
        // (denormals come back as values, not as out of range).
        if (s.nonzero && s.leadingExponent >= 0)
            throw EOverflow();
        return s.negative ? -Real(0) : Real(0);
    }
    if (ec != std::errc())
        rejectFloat(text);
    return value;
}

} // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

double ParseFloat(std::string_view text, std::string_view decimalSeparator) {
    return parseReal<double>(text, decimalSeparator);
}

float ParseSingle(std::string_view text, std::string_view decimalSeparator) {
    return parseReal<float>(text, decimalSeparator);
}

std::int32_t ParseInt(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n)
        rejectInteger(text);

    std::uint32_t magnitude = 0;
    if (hex) {
        int significant = 0;
        for (; i < n; ++i) {
            const int digit = hexValue(text[i]);
            if (digit < 0)
                rejectInteger(text);
            if (significant > 0 || digit != 0)
                ++significant;
            if (significant > 8)
                rejectInteger(text);
            magnitude = (magnitude << 4) | static_cast<std::uint32_t>(digit);
        }
        // The digits are the 32-bit pattern; a sign negates it modulo 2^32.
    } else {
        const std::uint64_t limit = negative ? 0x80000000u : 0x7fffffffu;
        std::uint64_t value = 0;
        for (; i < n; ++i) {
            if (!isDigit(text[i]))
                rejectInteger(text);
            value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
            if (value > limit)
                rejectInteger(text);
        }
        magnitude = static_cast<std::uint32_t>(value);
    }
    const std::uint32_t pattern = negative ? 0u - magnitude : magnitude;
    return static_cast<std::int32_t>(pattern);
}

} // namespace quendrix
