// Double-double arithmetic: exact sums and products of two doubles as the
// unevaluated sum of two doubles, with nothing but IEEE double operations
// (no fused multiply-add, so the same bits come from every compiler).
//
// Bounds quoted for the compound operations are relative to the exact result
// and hold while no intermediate overflows or underflows: inputs here stay
// within 2^-1000 ... 2^900 in magnitude.
#pragma once

namespace involute::maths {

// A double-double: the unevaluated sum hi + lo, |lo| <= ulp(hi) / 2.
struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// An integer within 1/2 + 2^-53 of v >= 0 (truncating v + 1/2, no library
// call): the table lookups accept either neighbour when v lies that close to
// a half, as their bounds allow |v - index| slightly above 1/2.
[[nodiscard]] inline int nearestIndex(double v) {
    return static_cast<int>(v + 0.5);  // NOLINT(bugprone-incorrect-roundings): see above
}

// a + b = s + e exactly (Knuth's TwoSum, no condition on the magnitudes).
[[nodiscard]] inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    const double e = (a - (s - bb)) + (b - bb);
    return {s, e};
}

// a + b = s + e exactly when |a| >= |b| or a = 0 (Dekker's FastTwoSum).
[[nodiscard]] inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a · b = p + e exactly (Dekker's product; the 2^27 + 1 split is exact for
// |a|, |b| < 2^996).
[[nodiscard]] inline DoubleDouble twoProduct(double a, double b) {
    constexpr double kSplitter = 0x1.0000002p+27;  // 2^27 + 1
    const double ca = kSplitter * a;
    const double aHi = ca - (ca - a);
    const double aLo = a - aHi;
    const double cb = kSplitter * b;
    const double bHi = cb - (cb - b);
    const double bLo = b - bHi;
    const double p = a * b;
    const double e = (((aHi * bHi - p) + aHi * bLo) + aLo * bHi) + aLo * bLo;
    return {p, e};
}

// x · y within 2^-102: the dropped x.lo · y.lo is below 2^-106 and the three
// roundings of the low part below 3 · 2^-106 of the product.
[[nodiscard]] inline DoubleDouble multiply(DoubleDouble x, DoubleDouble y) {
    DoubleDouble p = twoProduct(x.hi, y.hi);
    p.lo += x.hi * y.lo + x.lo * y.hi;
    return fastTwoSum(p.hi, p.lo);
}

// x / y within 2^-100: q = x.hi / y.hi is within 2^-52, the remainder
// x - q·y is formed exactly up to the roundings of its low parts (2^-104 of
// x), and its product with 1/y.hi (itself within 2^-53, computed beside q
// rather than after it) adds the neglected y.lo / y.hi (2^-53) and that
// 2^-53 times the remainder (2^-52): 2^-104 in all, 2^-100 with margin.
[[nodiscard]] inline DoubleDouble divide(DoubleDouble x, DoubleDouble y) {
    const double q = x.hi / y.hi;
    const double inverse = 1.0 / y.hi;
    const DoubleDouble p = twoProduct(q, y.hi);
    const double remainder = (((x.hi - p.hi) - p.lo) + x.lo) - q * y.lo;
    return fastTwoSum(q, remainder * inverse);
}

}  // namespace involute::maths
