// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CheckedMath.h"
#include "Units.h"

#include <cmath>
#include <string>
#include <string_view>

namespace quendrix {

// C_out = C_in * (ForceIn / ForceOut) * (LengthIn / LengthOut)^alpha, under the
// checked arithmetic rule. May return an infinity.
double ConvertCoefficient(double alpha, double c, const UnitFactors& factors);

// "0.000", or the general scientific form from 1e18 on; "INF" / "-INF".
std::string ResultFormat(double value, std::string_view decimalSeparator);

// ConvertCoefficient with its two powers evaluated once, for converting many
// coefficients with the same exponent and units. Calling it gives exactly
// what ConvertCoefficient gives, bit for bit, and fails at the same step
// with the same error (the powers themselves never fail).
class PreparedConversion {
public:
    PreparedConversion(double alpha, const UnitFactors& f)
        : p1_(checked::quietPow(f.LengthIn, alpha)),  // step 1
          p2_(checked::quietPow(f.LengthOut, alpha)), // step 4 (never fails, so done up front)
          forceIn_(f.ForceIn), forceOut_(f.ForceOut), scale_(forceScale(f.ForceIn, f.ForceOut)) {}

    double operator()(double c) const {
        const double t1 = checked::mul(p1_, c); // step 2
        const double t2 = scaleForce(t1);       // step 3
        return checked::div(t2, p2_);           // step 5
    }

private:
    // How t1 * ForceIn / ForceOut is rounded once: with the unit tables the
    // force ratio is exactly 1, 1000 (ForceOut 1) or 1/1000 (ForceIn 1).
    enum class ForceScale {
        Same,     // equal finite nonzero factors: the exact quotient is t1
        Multiply, // ForceOut == 1: the quotient is the product, rounded once
        Divide,   // ForceIn == 1: the product is t1 itself, the quotient rounded once
        General,  // factors from outside the tables
    };

    static ForceScale forceScale(double forceIn, double forceOut) {
        if (forceIn == forceOut && std::isfinite(forceIn) && forceIn != 0)
            return ForceScale::Same;
        if (forceOut == 1)
            return ForceScale::Multiply;
        if (forceIn == 1)
            return ForceScale::Divide;
        return ForceScale::General;
    }

    double scaleForce(double t1) const {
        switch (scale_) {
        case ForceScale::Same:
            return t1;
        case ForceScale::Multiply:
            return checked::mul(t1, forceIn_);
        case ForceScale::Divide:
            return checked::div(t1, forceOut_);
        case ForceScale::General:
            break;
        }
        return scaleForceGeneral(t1, forceIn_, forceOut_);
    }
    static double scaleForceGeneral(double t1, double forceIn, double forceOut);

    double p1_;
    double p2_;
    double forceIn_;
    double forceOut_;
    ForceScale scale_;
};

} // namespace quendrix
