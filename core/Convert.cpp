// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder arithmetic; the checked version replaces it.
#include "Convert.h"

#include "Errors.h"

#include <charconv>
#include <cmath>

namespace quendrix {

double ConvertCoefficient(double alpha, double c, const UnitFactors& f) {
    double r = std::pow(f.LengthIn, alpha) * c * f.ForceIn / f.ForceOut / std::pow(f.LengthOut, alpha);
    if (std::isnan(r))
        throw EInvalidOp();
    return r;
}

std::string ResultFormat(double value, std::string_view decimalSeparator) {
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buf[512];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 3);
    std::string s(buf, ptr);
    auto pos = s.find('.');
    if (pos != std::string::npos)
        s.replace(pos, 1, decimalSeparator);
    return s;
}

} // namespace quendrix
