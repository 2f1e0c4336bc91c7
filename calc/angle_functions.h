// π, the angle-unit factors and the window's private angle functions.
#pragma once

namespace involute::calc {

// The double nearest to 3.14159265358979, not to π: every printed result
// depends on it in its last digits (the base pitch of the worked example ends
// in ...048 with it and in ...049 with the nearest double to π).
inline constexpr double kPi = 3.14159265358979;

// Computed afresh by every run, each one division between 180 and kPi.
[[nodiscard]] inline double radToDeg() {
    return 180.0 / kPi;
}
[[nodiscard]] inline double degToRad() {
    return kPi / 180.0;
}

// What the floating-point unit would flag for a step.
enum class ArithmeticFault {
    none,
    invalidOperation,    // NaN: 0/0, inf-inf, ...
    divisionByZero,      // a finite number divided by zero
    overflow,            // a finite result too large for a double
    negativeSquareRoot,  // the square root of a negative number
};

struct CheckedValue {
    double value = 0.0;
    ArithmeticFault fault = ArithmeticFault::none;

    [[nodiscard]] bool ok() const { return fault == ArithmeticFault::none; }
};

// Classifies a step's result; `divisor` tells a division by zero from an
// overflow when the step was a division.
[[nodiscard]] ArithmeticFault checkStep(double result, double divisor = 1.0);

// Arc sine in radians, as Atn(x / Sqr(1 - x·x)): for |x| < 1 the principal
// value; |x| = 1 divides by zero and |x| > 1 takes a negative square root.
[[nodiscard]] CheckedValue Asin(const double& x);

// Principal arc cosine in radians, 0 to π, for -1 <= x <= 1; |x| > 1 takes a
// negative square root.
[[nodiscard]] CheckedValue Acos(const double& x);

// The involute function of an angle in radians: tan a - a.
[[nodiscard]] CheckedValue inv(const double& a);

}  // namespace involute::calc
