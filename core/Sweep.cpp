// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sweep.h"

#include "Errors.h"
#include "NumberText.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace quendrix {

namespace {

bool isBlank(char c) {
    // Code 0 counts as a blank too, so that a stray NUL inside the text can
    // neither end the text early nor stop the splitting from moving on.
    return static_cast<unsigned char>(c) <= 32;
}

// Splits text into fields: a field in double quotes runs to its closing
// quote (two quotes inside stand for one), any other field up to the first
// ':' or blank; blanks around fields are skipped, one ':' between fields is
// stepped over, and a ':' as the very last character adds an empty field.
// Only the first `wanted` fields are collected: the rest are never read.
std::vector<std::string> splitFields(std::string_view text, std::size_t wanted) {
    std::vector<std::string> fields;
    const std::size_t n = text.size();
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < n && fields.size() < wanted) {
        std::string field;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i; // the closing quote
                    break;
                }
                field += text[i++];
            }
        } else {
            const std::size_t from = i;
            while (i < n && text[i] != ':' && !isBlank(text[i]))
                ++i;
            field.assign(text.substr(from, i - from));
        }
        fields.push_back(std::move(field));
        skipBlanks();
        if (i < n && text[i] == ':') {
            if (i == n - 1)
                fields.emplace_back();
            ++i;
            skipBlanks();
        }
    }
    return fields;
}

const std::string& limitMessage() {
    static const std::string message = "The range start:step:end would give more than " +
                                       std::to_string(MaxSweepPoints) +
                                       " points; choose a larger step or a shorter range";
    return message;
}

const std::string& stepMessage() {
    static const std::string message =
        "The range start:step:end never reaches its end: its step must be greater than 0; "
        "a curve has at most " +
        std::to_string(MaxSweepPoints) + " points";
    return message;
}

// Spacing of the doubles in the binade of m (m finite, > 0): every double of
// magnitude up to m is at most this far from its neighbours.
double spacingAt(double m) {
    if (m < std::numeric_limits<double>::min())
        return std::numeric_limits<double>::denorm_min();
    return std::ldexp(1.0, std::ilogb(m) - (std::numeric_limits<double>::digits - 1));
}

enum class Estimate { Within, Beyond, Unsure };

// Bounds the point count of a walk over finite start < end with a finite
// step > 0, without walking. With G the spacing at max(|start|, |end|), every
// sum x + step that stays in [start, end) is rounded by at most G/2, so while
// the walk goes on each x moves by at least step - G/2 and at most step + G/2:
//  - L * (step + G/2) < end - start: x after L additions is still below end,
//    so the walk has more than L points;
//  - L * (step - G/2) >= end - start (step > G/2): x after L additions is at
//    least end (or the walk has ended before), so it has at most L points.
// The margins below cover every rounding of these few operations many times
// over; quantities near the denormal range are left to the exact count.
Estimate estimateCount(double start, double step, double end) {
    constexpr double limit = static_cast<double>(MaxSweepPoints);
    constexpr double wide = 1 + 1e-12;
    constexpr double narrow = 1 - 1e-12;
    constexpr double tiny = 0x1p-900;
    const double g = spacingAt(std::fmax(std::fabs(start), std::fabs(end)));
    const double difference = end - start; // > 0; may round up to infinity
    // A rounded-up infinity means the exact difference exceeds the largest double.
    const double differenceLow =
        std::isinf(difference) ? std::numeric_limits<double>::max() : difference * narrow;

    const double fastest = limit * (step + g);
    if (fastest >= tiny && std::isfinite(fastest) && fastest * wide < differenceLow)
        return Estimate::Beyond;

    if (step > 2 * g && std::isfinite(difference) && difference >= tiny) {
        const double slowest = limit * (step - g);
        if (slowest >= tiny && slowest * narrow >= difference * wide)
            return Estimate::Within;
    }
    return Estimate::Unsure;
}

// Repeats the walk's additions (and nothing else) until x is no longer below
// end, at most MaxSweepPoints times. The same IEEE additions as the walk's,
// so the decision is exact.
bool endsWithinLimit(double start, double step, double end) {
    double x = start;
    for (std::size_t additions = 1; additions <= MaxSweepPoints; ++additions) {
        const double next = x + step;
        if (std::isnan(next))
            return true; // the walk stops here with an invalid operation
        if (!(next < end))
            return true; // reached the end, or overflowed (the walk fails there)
        if (next == x)
            return false; // x no longer moves: the walk would never end
        x = next;
    }
    return false;
}

} // namespace

namespace detail {

void raiseSweepLimit() {
    throw ESweepLimit(limitMessage());
}

} // namespace detail

SweepRange ParseSweepRange(std::string_view text, std::string_view decimalSeparator) {
    const std::vector<std::string> fields = splitFields(text, 3);
    // Fetched and parsed one at a time, so the first problem met is reported.
    auto field = [&](std::size_t index) {
        if (index >= fields.size())
            throw EListError("List index out of bounds (" + std::to_string(index) + ")");
        return ParseFloat(fields[index], decimalSeparator);
    };
    SweepRange range{};
    range.Start = field(0);
    range.Step = field(1);
    range.End = field(2);
    return range;
}

void CheckSweepRange(const SweepRange& range) {
    const double start = range.Start;
    const double step = range.Step;
    const double end = range.End;
    if (!(start < end))
        return; // no points at all
    if (!(step > 0))
        throw ESweepLimit(stepMessage());
    if (std::isfinite(start) && std::isfinite(step) && std::isfinite(end)) {
        switch (estimateCount(start, step, end)) {
        case Estimate::Within:
            return;
        case Estimate::Beyond:
            detail::raiseSweepLimit();
        case Estimate::Unsure:
            break;
        }
    }
    if (!endsWithinLimit(start, step, end))
        detail::raiseSweepLimit();
}

} // namespace quendrix
