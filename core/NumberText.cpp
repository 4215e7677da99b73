// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder parse; the full grammar replaces it.
#include "NumberText.h"

#include "Errors.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quendrix {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

double ParseFloat(std::string_view text, std::string_view decimalSeparator) {
    std::string s(text);
    if (decimalSeparator != ".") {
        auto pos = s.find(decimalSeparator);
        if (pos != std::string::npos)
            s.replace(pos, decimalSeparator.size(), ".");
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ptr != s.data() + s.size())
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    if (ec == std::errc::result_out_of_range)
        throw EOverflow();
    return value;
}

float ParseSingle(std::string_view text, std::string_view decimalSeparator) {
    return static_cast<float>(ParseFloat(text, decimalSeparator));
}

std::int32_t ParseInt(std::string_view text) {
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
        throw EConvertError("''" + std::string(text) + "'' is not a valid integer value");
    return value;
}

} // namespace quendrix
