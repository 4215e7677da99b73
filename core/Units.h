// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quendrix {

struct UnitEntry {
    std::string_view text;
    double factor;
};

// Number of the unit in one metre.
inline constexpr std::array<UnitEntry, 3> LengthUnits{{{"m", 1.0}, {"cm", 100.0}, {"mm", 1000.0}}};
// Newtons in one unit.
inline constexpr std::array<UnitEntry, 2> ForceUnits{{{"N", 1.0}, {"KN", 1000.0}}};

struct UnitFactors {
    double LengthIn;
    double LengthOut;
    double ForceIn;
    double ForceOut;
};

// Indexes in the order input length, input force, output length, output force.
// An index outside its table throws ERangeError.
UnitFactors GetUnitFactors(int lengthIn, int forceIn, int lengthOut, int forceOut);

// "KN" and "m" give "KN*(s/m)^Cexp".
std::string CoefficientUnitText(std::string_view force, std::string_view length);

} // namespace quendrix
