// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Units.h"

#include <string>
#include <string_view>

namespace quendrix {

// C_out = C_in * (ForceIn / ForceOut) * (LengthIn / LengthOut)^alpha, under the
// checked arithmetic rule. May return an infinity.
double ConvertCoefficient(double alpha, double c, const UnitFactors& factors);

// "0.000", or the general scientific form from 1e18 on; "INF" / "-INF".
std::string ResultFormat(double value, std::string_view decimalSeparator);

} // namespace quendrix
