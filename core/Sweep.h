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
// MaxSweepPoints points: a step that is not above zero while Start < End, a
// step too small to move x somewhere on the way, or simply too many points.
// A start not below the end passes (no points). Exact: a range with a step
// that is a number passes if and only if its walk ends (reaching End, or
// failing) within the limit; a NaN step is refused like a zero one.
void CheckSweepRange(const SweepRange& range);

namespace detail {
[[noreturn]] void raiseSweepLimit();
} // namespace detail

// Hands every point (x, y) of the walk to receive(x, y), in order, after
// CheckSweepRange has passed the range. x starts at Start and grows by
// repeated checked addition of Step while it is below End; y is
// ConvertCoefficient(alpha, x, factors). A failing conversion or an overflow
// of x stops the walk with that error; the points handed over stay handed.
template <typename Receiver>
requires std::invocable<Receiver&, double, double>
void SweepPoints(const SweepRange& range, double alpha, const UnitFactors& factors,
                 Receiver&& receive);

} // namespace quendrix

#include "SweepImpl.h"
