// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Template part of Sweep.h; include Sweep.h instead.

#include "CheckedMath.h"
#include "Convert.h"

#include <cstddef>
#include <functional>

namespace quendrix {

template <typename Receiver>
requires std::invocable<Receiver&, double, double>
void SweepPoints(const SweepRange& range, double alpha, const UnitFactors& factors,
                 Receiver&& receive) {
    // Copies, so that a receiver that changes the caller's range cannot
    // change the walk under way (and the loop keeps them in registers).
    const double start = range.Start;
    const double step = range.Step;
    const double end = range.End;
    CheckSweepRange(SweepRange{start, step, end});
    const PreparedConversion convert(alpha, factors);
    std::size_t count = 0;
    for (double x = start; x < end; x = checked::add(x, step)) {
        // Never reached after CheckSweepRange; kept so that no walk can ever
        // run past the limit.
        if (count == MaxSweepPoints) [[unlikely]]
            detail::raiseSweepLimit();
        ++count;
        const double y = convert(x);
        std::invoke(receive, x, y);
    }
}

} // namespace quendrix
