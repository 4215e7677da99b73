// SPDX-License-Identifier: GPL-3.0-or-later
#include "Units.h"

#include "Errors.h"

namespace quendrix {

namespace {
template <typename Table> double lookup(const Table& table, int index, const char* what) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        throw ERangeError(std::string(what) + " unit index out of range (" + std::to_string(index) +
                          ")");
    return table[static_cast<std::size_t>(index)].factor;
}
} // namespace

UnitFactors GetUnitFactors(int lengthIn, int forceIn, int lengthOut, int forceOut) {
    UnitFactors f{};
    f.LengthIn = lookup(LengthUnits, lengthIn, "Length");
    f.ForceIn = lookup(ForceUnits, forceIn, "Force");
    f.LengthOut = lookup(LengthUnits, lengthOut, "Length");
    f.ForceOut = lookup(ForceUnits, forceOut, "Force");
    return f;
}

std::string CoefficientUnitText(std::string_view force, std::string_view length) {
    std::string text;
    text.reserve(force.size() + length.size() + 11);
    text.append(force).append("*(s/").append(length).append(")^Cexp");
    return text;
}

} // namespace quendrix
