// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic rule of Quendrix, one operation at a time:
//  - a finite result beyond the double range        -> EOverflow
//  - an operation without a defined value
//    (0 * inf, inf - inf, inf / inf, 0 / 0, NaN in)  -> EInvalidOp
//  - a nonzero finite number divided by zero         -> EZeroDivide
//  - underflow (denormal or zero) and inexact results are quiet;
//  - an infinity operand that gives an infinity (inf * 2, inf / 3) and a
//    finite number divided by infinity (giving 0) are no errors.
// Everything is decided from the operands and the result: no hardware traps,
// no floating-point environment, and no division by zero is ever executed.

#include <cmath>

namespace quendrix::checked {

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseInvalidOp();
[[noreturn]] void raiseZeroDivide();

namespace detail {

// r is the IEEE result of a op b and is not finite.
[[gnu::cold]] double afterNonFinite(double a, double b, double r);
[[gnu::cold]] double divideByZero(double a, double b);

} // namespace detail

inline double add(double a, double b) {
    const double r = a + b;
    if (std::isfinite(r)) [[likely]]
        return r;
    return detail::afterNonFinite(a, b, r);
}

inline double sub(double a, double b) {
    const double r = a - b;
    if (std::isfinite(r)) [[likely]]
        return r;
    return detail::afterNonFinite(a, b, r);
}

inline double mul(double a, double b) {
    const double r = a * b;
    if (std::isfinite(r)) [[likely]]
        return r;
    return detail::afterNonFinite(a, b, r);
}

inline double div(double a, double b) {
    if (b == 0) [[unlikely]]
        return detail::divideByZero(a, b);
    const double r = a / b;
    if (std::isfinite(r)) [[likely]]
        return r;
    return detail::afterNonFinite(a, b, r);
}

// The power of a unit factor: never an error. Too large gives +infinity,
// too small gives 0, and the computation goes on with that value.
inline double quietPow(double base, double exponent) {
    return std::pow(base, exponent);
}

} // namespace quendrix::checked
