// The slow path of the correctly rounded functions: fixed-point evaluation
// with a proven error bound, repeated at a higher precision while the result
// is too close to a rounding boundary (Ziv's strategy). Exposed so the fast
// path can reduce huge arguments with it and tests can call it directly.
#pragma once

#include "fixed_point.h"

namespace involute::maths {

// The largest double below π/4: smaller |x| needs no reduction.
inline constexpr double kBelowQuarterPi = 0x1.921fb54442d18p-1;

// |x| = (4k + quadrant)·π/2 + θ with θ = ±fraction · 2^-scale · π/2 quarter
// turns' worth: fraction lies in [1/2, 1) and |θ| <= π/4 (to within the
// error below).
struct ReducedAngle {
    int quadrant = 0;
    bool negative = false;  // θ < 0
    Fixed fraction;
    int scale = 0;
};

// Reduces a finite |x| >= π/4 with the bits of 2/π (Payne and Hanek). The
// quadrant is exact; fraction is within 2^-(F+1) + 2^-F of the true value,
// F = 32·(limbs - 1) however close |x| lies to a multiple of π/2, as long as
// the table of 2/π reaches (for every double it does, with room to spare).
[[nodiscard]] ReducedAngle reduceQuarterTurns(double absX, int limbs);

enum class SlowFunction { sin, cos, tan, atan };

// A result before rounding: ±m · 2^-scale, m within 2^errorLog2 ulps
// (2^-m.fractionBits()) of the exact value's.
struct SlowValue {
    Fixed m;
    int scale = 0;
    int errorLog2 = 0;
    bool negative = false;
};

// The function at a finite nonzero x with `limbs` words (5 ... kMaxLimbs).
[[nodiscard]] SlowValue slowValue(SlowFunction function, double x, int limbs);

// Correctly rounded (to nearest) for every finite double; NaN for the rest
// (the arc tangent of ±infinity is ±π/2 rounded).
[[nodiscard]] double slowSin(double x);
[[nodiscard]] double slowCos(double x);
[[nodiscard]] double slowTan(double x);
[[nodiscard]] double slowAtan(double x);

}  // namespace involute::maths
