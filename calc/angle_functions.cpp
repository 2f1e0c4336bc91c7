#include "angle_functions.h"

#include <cmath>

#include "exact_math.h"
#include "exact_math_tables.h"

namespace involute::calc {

using maths::exactAtan;
using maths::exactTan;

ArithmeticFault checkStep(double result, double divisor) {
    if (std::isnan(result)) {
        return ArithmeticFault::invalidOperation;
    }
    if (std::isinf(result)) {
        return divisor == 0.0 ? ArithmeticFault::divisionByZero : ArithmeticFault::overflow;
    }
    return ArithmeticFault::none;
}

CheckedValue Asin(const double& x) {
    const double t = 1.0 - x * x;
    if (const auto fault = checkStep(t); fault != ArithmeticFault::none) {
        return {0.0, fault};
    }
    if (t < 0.0) {
        return {0.0, ArithmeticFault::negativeSquareRoot};
    }
    const double s = std::sqrt(t);
    const double q = x / s;
    if (const auto fault = checkStep(q, s); fault != ArithmeticFault::none) {
        return {0.0, fault};
    }
    return {exactAtan(q)};
}

CheckedValue Acos(const double& x) {
    const double t = 1.0 - x * x;
    if (const auto fault = checkStep(t); fault != ArithmeticFault::none) {
        return {0.0, fault};
    }
    if (t < 0.0) {
        return {0.0, ArithmeticFault::negativeSquareRoot};
    }
    const double s = std::sqrt(t);
    if (x > 0.0) {
        return {exactAtan(s / x)};
    }
    // Atn(s / x) would divide by zero at x = 0 and land in the wrong quadrant
    // (arccos - π) for negative x: there arccos x = π - atan(s / -x), taken
    // with π as the double-double 2·(π/2) so that only the final sum rounds
    // (within an ulp; 0 gives π/2 and -1 gives π, each correctly rounded).
    const maths::DoubleDouble& halfPi = maths::kHalfPi;
    if (x == 0.0) {
        return {halfPi.hi};
    }
    return {(2.0 * halfPi.hi - exactAtan(s / -x)) + 2.0 * halfPi.lo};
}

CheckedValue inv(const double& a) {
    const double involute = exactTan(a) - a;
    return {involute, checkStep(involute)};
}

}  // namespace involute::calc
