// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace quendrix {

// Drops every leading and trailing character of code 32 or below.
std::string_view Trim(std::string_view text);

// The locale-aware number parse. decimalSeparator is the user's regional
// setting ("." or ","; any UTF-8 text). Throws EConvertError
// "'<text>' is not a valid floating point value" or EOverflow.
double ParseFloat(std::string_view text, std::string_view decimalSeparator);

// The same grammar, rounded once to the nearest 32-bit float; EOverflow
// beyond the float range.
float ParseSingle(std::string_view text, std::string_view decimalSeparator);

// A 32-bit signed integer: decimal, or hexadecimal after "$", "x" or "0x".
// Throws EConvertError "''<text>'' is not a valid integer value".
std::int32_t ParseInt(std::string_view text);

} // namespace quendrix
