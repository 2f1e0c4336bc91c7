#include "calc/angle_functions.h"

#include <cmath>

namespace involute::calc {

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
    return {std::atan(q)};
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
        return {std::atan(s / x)};
    }
    // Atn(s / x) would divide by zero at x = 0 and land in the wrong quadrant
    // (arccos - π) for negative x; atan2 takes the quadrant from the signs.
    return {std::atan2(s, x)};
}

CheckedValue inv(const double& a) {
    const double involute = std::tan(a) - a;
    return {involute, checkStep(involute)};
}

}  // namespace involute::calc
