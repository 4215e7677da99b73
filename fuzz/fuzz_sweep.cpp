// SPDX-License-Identifier: GPL-3.0-or-later
// The walk and its guard: the guard passes a range exactly when its walk
// ends within MaxSweepPoints points; a passed walk hands over increasing x
// below the end, each with the conversion's own y, and never more points than
// the limit; a refused one hands over nothing.
#include "Errors.h"
#include "FuzzCheck.h"
#include "Sweep.h"
#include "Units.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace quendrix;
using namespace quendrix::fuzz;

namespace {

double takeDouble(const std::uint8_t*& data, std::size_t& size) {
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}

// Points of the walk without any guard, counted up to one past the limit.
std::size_t unguardedCount(const SweepRange& r) {
    std::size_t n = 0;
    for (double x = r.Start; x < r.End && n <= MaxSweepPoints; x += r.Step)
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int units = data[0] % 36;
    const bool fromText = (data[1] & 1) == 0;
    data += 2;
    size -= 2;
    const UnitFactors factors =
        GetUnitFactors(units % 3, units / 3 % 2, units / 6 % 3, units / 18 % 2);
    const double alpha = takeDouble(data, size);

    SweepRange range{};
    if (fromText) {
        try {
            range =
                ParseSweepRange(std::string_view(reinterpret_cast<const char*>(data), size), ".");
        } catch (const Exception&) {
            return 0;
        }
    } else {
        range.Start = takeDouble(data, size);
        range.Step = takeDouble(data, size);
        range.End = takeDouble(data, size);
    }

    bool passed = true;
    try {
        CheckSweepRange(range);
    } catch (const ESweepLimit&) {
        passed = false;
    }
    const std::size_t expected = unguardedCount(range);
    if (std::isnan(range.Step) && range.Start < range.End)
        FUZZ_CHECK(!passed); // refused outright, although its walk would fail at once
    else
        FUZZ_CHECK(passed == (expected <= MaxSweepPoints));

    std::size_t count = 0;
    double previous = -INFINITY;
    bool failed = false;
    try {
        SweepPoints(range, alpha, factors, [&](double x, double y) {
            FUZZ_CHECK(count < MaxSweepPoints);
            FUZZ_CHECK(x < range.End && (count == 0 || x > previous));
            FUZZ_CHECK(sameBits(y, ConvertCoefficient(alpha, x, factors)));
            previous = x;
            ++count;
        });
    } catch (const ESweepLimit&) {
        FUZZ_CHECK(!passed && count == 0);
        return 0;
    } catch (const EMathError&) {
        failed = true;
    }
    FUZZ_CHECK(passed);
    FUZZ_CHECK(failed ? count <= expected : count == expected);
    return 0;
}
