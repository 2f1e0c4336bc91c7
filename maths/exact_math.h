// Sine, cosine, tangent and arc tangent of our own, correctly rounded: each
// returns the double nearest to the exact value (ties cannot occur) for every
// finite double, as + - × ÷ and the square root do. The printed results then
// depend only on the inputs and the order of the operations, never on the
// machine's maths library.
//
// A fast path in double-double arithmetic with a proven error bound answers
// almost every argument; when its result lies too close to the midpoint of
// two doubles the slow path (maths/exact_math_slow.h) decides.
//
// Non-finite arguments give NaN (the arc tangent of ±infinity is ±π/2
// rounded); the calculation reports them as faults before printing.
#pragma once

namespace involute::maths {

[[nodiscard]] double exactSin(double x);
[[nodiscard]] double exactCos(double x);
[[nodiscard]] double exactTan(double x);
[[nodiscard]] double exactAtan(double x);

}  // namespace involute::maths
