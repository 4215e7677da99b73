// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Template part of Sweep.h; include Sweep.h instead.

namespace quendrix {

template <typename Receiver>
    requires std::invocable<Receiver&, double, double>
void SweepPoints(const SweepRange& range, double alpha, const UnitFactors& factors,
                 Receiver&& receive) {
    // Placeholder walk; the checked, prepared version replaces it.
    CheckSweepRange(range);
    for (double x = range.Start; x < range.End; x += range.Step)
        receive(x, ConvertCoefficient(alpha, x, factors));
}

} // namespace quendrix
