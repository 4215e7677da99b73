// SPDX-License-Identifier: GPL-3.0-or-later
#include "Convert.h"

#include "CheckedMath.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quendrix {

// Factors that are not from the unit tables. Zeros, infinities and NaNs make
// the product exact (or invalid), so the plain checked sequence is right for
// them; for finite nonzero values the exponents are taken apart so that a
// product beyond the double range is no error when the quotient is inside it.
// The significands are rounded twice here (product, then quotient): only the
// table ratios 1, 1000 and 1/1000 are guaranteed a single rounding.
double PreparedConversion::scaleForceGeneral(double t1, double fi, double fo) {
    if (!std::isfinite(t1) || t1 == 0 || !std::isfinite(fi) || fi == 0)
        return checked::div(checked::mul(t1, fi), fo);
    // The product is finite and nonzero, possibly beyond the double range.
    if (std::isnan(fo))
        checked::raiseInvalidOp();
    if (fo == 0)
        checked::raiseZeroDivide();
    const bool negative = (std::signbit(t1) != std::signbit(fi)) != std::signbit(fo);
    if (std::isinf(fo))
        return negative ? -0.0 : 0.0;
    int ea = 0;
    int eb = 0;
    int ec = 0;
    const double a = std::frexp(t1, &ea);
    const double b = std::frexp(fi, &eb);
    const double c = std::frexp(fo, &ec);
    const double q = std::ldexp(a * b / c, ea + eb - ec);
    if (std::isinf(q))
        checked::raiseOverflow();
    return q;
}

double ConvertCoefficient(double alpha, double c, const UnitFactors& factors) {
    return PreparedConversion(alpha, factors)(c);
}

namespace {

void replaceDecimalPoint(std::string& text, std::string_view decimalSeparator) {
    const auto pos = text.find('.');
    if (pos != std::string::npos)
        text.replace(pos, 1, decimalSeparator);
}

// A value whose thousandths are an exact tie has 16 * value odd: those are
// the only binary fractions halfway between two thousandths.
bool isThousandthsTie(double magnitude) {
    const double sixteenths = magnitude * 16; // exact: a power-of-two scaling
    return sixteenths == std::trunc(sixteenths) && std::fmod(sixteenths, 2.0) == 1.0;
}

// Adds one unit in the last place of a decimal text of digits and one '.'.
void incrementLastDigit(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        char& c = digits[i];
        if (c == '.')
            continue;
        if (c != '9') {
            ++c;
            return;
        }
        c = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string fixedThousandths(double magnitude) {
    // magnitude < 1e18: at most 18 digits, the point and three decimals.
    char buffer[48];
    const bool tie = isThousandthsTie(magnitude);
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                         std::chars_format::fixed, tie ? 4 : 3);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (tie) {
        // Exactly "...d5": round the half away from zero.
        text.pop_back();
        incrementLastDigit(text);
    }
    return text;
}

std::string generalScientific(double magnitude) {
    // Fifteen significant digits: "d.dddddddddddddde+XXX".
    char buffer[48];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string_view all(
        buffer, static_cast<std::size_t>((ec == std::errc() ? end : buffer) - buffer));
    const auto e = all.find('e');
    std::string_view mantissa = all.substr(0, e);
    std::string_view exponent =
        e == std::string_view::npos ? std::string_view("0") : all.substr(e + 1);
    if (mantissa.find('.') != std::string_view::npos) {
        while (mantissa.ends_with('0'))
            mantissa.remove_suffix(1);
        if (mantissa.ends_with('.'))
            mantissa.remove_suffix(1);
    }
    std::string text(mantissa);
    text += 'E';
    if (exponent.starts_with('-')) {
        text += '-';
        exponent.remove_prefix(1);
    } else if (exponent.starts_with('+')) {
        exponent.remove_prefix(1);
    }
    while (exponent.size() > 1 && exponent.front() == '0')
        exponent.remove_prefix(1);
    text += exponent;
    return text;
}

} // namespace

std::string ResultFormat(double value, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    const double magnitude = std::fabs(value);
    std::string text =
        magnitude >= 1e18 ? generalScientific(magnitude) : fixedThousandths(magnitude);
    replaceDecimalPoint(text, decimalSeparator);
    // Every value below zero shows its sign, also when it rounds to 0.000;
    // negative zero does not.
    if (value < 0)
        text.insert(0, 1, '-');
    return text;
}

} // namespace quendrix
