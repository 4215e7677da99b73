// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckedMath.h"

#include "Errors.h"

#include <limits>

namespace quendrix::checked {

void raiseOverflow() {
    throw EOverflow();
}

void raiseInvalidOp() {
    throw EInvalidOp();
}

void raiseZeroDivide() {
    throw EZeroDivide();
}

namespace detail {

double afterNonFinite(double a, double b, double r) {
    if (std::isnan(a) || std::isnan(b))
        raiseInvalidOp();
    if (std::isinf(a) || std::isinf(b)) {
        // inf - inf, 0 * inf, inf / inf have no value; anything else that
        // involves an infinity is that infinity.
        if (std::isnan(r))
            raiseInvalidOp();
        return r;
    }
    // Two finite operands and a result that is not finite: it went beyond
    // the double range (finite operands never give NaN for + - * /).
    raiseOverflow();
}

double divideByZero(double a, double b) {
    if (std::isnan(a) || std::isnan(b) || a == 0)
        raiseInvalidOp();
    if (std::isinf(a)) // infinity divided by a finite number stays infinite
        return std::signbit(a) != std::signbit(b) ? -std::numeric_limits<double>::infinity()
                                                  : std::numeric_limits<double>::infinity();
    raiseZeroDivide();
}

} // namespace detail

} // namespace quendrix::checked
