// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Convert.h"
#include "Units.h"

#include <concepts>
#include <cstddef>
#include <string_view>

namespace quendrix {

struct SweepRange {
    double Start;
    double Step;
    double End;
};

// No walk produces more points than this.
inline constexpr std::size_t MaxSweepPoints = 1'000'000;

// "start:step:end" (already trimmed) into its three numbers.
SweepRange ParseSweepRange(std::string_view text, std::string_view decimalSeparator);

// Throws ESweepLimit when the walk over range would not end within
// MaxSweepPoints points. A start not below the end passes (no points).
void CheckSweepRange(const SweepRange& range);

// Hands every point (x, y) of the walk to receive(x, y), in order.
template <typename Receiver>
    requires std::invocable<Receiver&, double, double>
void SweepPoints(const SweepRange& range, double alpha, const UnitFactors& factors,
                 Receiver&& receive);

} // namespace quendrix

#include "SweepImpl.h"
