#include "exact_math.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "double_double.h"
#include "exact_math_slow.h"

namespace involute::maths {

namespace {

// Below 2^-27 the results are known without computing: sin x and atan x lie
// within |x|³/3 < |x| · 2^-54 / 3 of x, less than a quarter ulp of x even
// when x is a power of two (where the ulp below is half as wide), so they
// round to x; tan x exceeds x by less than |x|³/3 · 1.01, again under half an
// ulp; cos x lies within x²/2 < 2^-55 below 1, nearer 1 than the midpoint
// 1 - 2^-54. This also keeps subnormals away from the double-double steps.
constexpr double kTiny = 0x1p-27;

// Fraction words for the fast reduction: 128 bits, so the reduced angle is
// within 2^-101 relative (below).
constexpr int kFastReductionLimbs = 5;

// Relative error bounds of the fast results, derived beside each evaluation
// below and rounded up by at least a factor 4.
constexpr double kSinError = 0x1p-66;
constexpr double kCosError = 0x1p-66;
constexpr double kTanError = 0x1p-64;
constexpr double kAtanError = 0x1p-66;

// Ziv's rounding test: the exact value lies within relativeError · |r.hi|
// of r.hi + r.lo (|r.lo| <= ulp(r.hi)/2, r.hi a normal number). Then r.hi is
// the correctly rounded result when that whole interval lies strictly
// between the midpoints next to r.hi: half an ulp away from zero, and half
// an ulp towards zero unless r.hi is a power of two (a quarter then). The
// sums lo ± error round by at most 2^-53 of half an ulp; the factor
// 1 - 2^-20 on the limits covers that.
[[gnu::always_inline]] inline bool roundsToHigh(DoubleDouble r, double relativeError,
                                                double& result) {
    const double magnitude = std::fabs(r.hi);
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const double ulp = std::bit_cast<double>(bits & 0x7ff0000000000000u) * 0x1p-52;
    const bool powerOfTwo = (bits & 0x000fffffffffffffu) == 0;
    const double away = ulp * 0.5 * (1.0 - 0x1p-20);
    const double toward = powerOfTwo ? away * 0.5 : away;
    const double lo = r.hi < 0.0 ? -r.lo : r.lo;  // positive = away from zero
    const double error = relativeError * magnitude;
    if (lo + error < away && lo - error > -toward) {
        result = r.hi;
        return true;
    }
    return false;
}

[[nodiscard]] DoubleDouble negate(DoubleDouble x) {
    return {-x.hi, -x.lo};
}

// |x| = quadrant · π/2 + t, |t| <= π/4 + 2^-26, with t within 2^-80
// relative. An error δ in t moves sin t by at most δ·t·cot t <= δ relative,
// cos t by δ·t·tan t <= δ, tan t by δ · 2t / sin 2t <= δ · π/2: at most
// 2^-79.3, absorbed in the margins of the bounds above.
struct FastAngle {
    int quadrant = 0;
    bool negative = false;  // t < 0; `t` holds |t|
    DoubleDouble t;
};

// Below 2^26, Cody and Waite's reduction: k = round(|x| · 2/π) < 2^26, and
// r = |x| - k·C1 - k·C2 - k·C3 - k·C4 (kHalfPiParts). Every k·Ci is exact
// (twoProduct for C4), |x| - k·C1 is exact (Sterbenz: both lie within a
// factor 2), and the three twoSums are exact; what remains is the sum of
// their low parts, each below 2^-53 (|r| + k·2^-27), rounded three times:
// 2^-103 (|r| + k·2^-27), and π/2's own error k · 2^-135. So r is within
// 2^-103 |r| + k · 2^-129, below 2^-80 |r| when |r| >= k · 2^-48; smaller
// remainders take the reduction below. The double product |x| · 2/π errs by
// at most 2^-27 quarter turns, so |r| <= π/4 + 2^-26.
//
// Beyond, and for those few, the Payne-Hanek reduction gives the quarter-turn
// remainder within 2.25 · 2^-128 absolute of a value >= 1/2 (2^-125.8
// relative); cutting it to a double-double loses < 2^-105 and the product
// with π/2 (itself within 2^-107) < 2^-102: t is within 2^-101 relative.
[[gnu::always_inline]] inline FastAngle fastAngle(double absX) {
    if (absX < kBelowQuarterPi) {
        return {0, false, {absX, 0.0}};
    }
    if (absX < 0x1p26) {
        constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
        const auto& part = kHalfPiParts;
        const auto k = static_cast<double>(nearestIndex(absX * kTwoOverPi));
        const DoubleDouble first = twoSum(absX - k * part[0], -(k * part[1]));
        const DoubleDouble second = twoSum(first.hi, -(k * part[2]));
        const DoubleDouble last = twoProduct(k, part[3]);
        const DoubleDouble third = twoSum(second.hi, -last.hi);
        const DoubleDouble r = twoSum(third.hi, ((first.lo + second.lo) + third.lo) - last.lo);
        if (std::fabs(r.hi) >= k * 0x1p-48) {
            const int quadrant = static_cast<int>(static_cast<std::int64_t>(k) % 4);
            return r.hi < 0.0 ? FastAngle{quadrant, true, negate(r)}
                              : FastAngle{quadrant, false, r};
        }
    }
    const ReducedAngle reduced = reduceQuarterTurns(absX, kFastReductionLimbs);
    const auto& word = reduced.fraction.word;  // words 3 ... 0 hold the 128 fraction bits
    const std::uint64_t top = (std::uint64_t{word[3]} << 32) | word[2];
    const double hi = static_cast<double>(top >> 11) * 0x1p-53;
    const std::uint64_t next =
        ((top & 0x7ffu) << 42) | (std::uint64_t{word[1]} << 10) | (std::uint64_t{word[0]} >> 22);
    const double lo = static_cast<double>(next) * 0x1p-106;
    const DoubleDouble t = multiply(fastTwoSum(hi, lo), kHalfPi);
    // The remainder of a double is never below 2^-70 of a quarter turn, far
    // from any underflow, so scaling both parts is exact.
    return {reduced.quadrant,
            reduced.negative,
            {std::ldexp(t.hi, -reduced.scale), std::ldexp(t.lo, -reduced.scale)}};
}

// sin t and cos t for 0 <= t <= π/4 + 2^-26 from the table at j/256
// nearest to t: with u = t - j/256, |u| <= 2^-9,
//   sin t = S + C·u + (S·(cos u - 1) + C·(sin u - u)),
//   cos t = C - S·u + (C·(cos u - 1) - S·(sin u - u)),
// S, C = sin, cos (j/256) within 2^-106. t.hi - j/256 is exact (Sterbenz).
//
// Taylor tails in double: cos u - 1 = w·(-1/2 + w/24 - w²/720) with
// w = u² <= 2^-18, the first term left out (w⁴/8!) below 2^-87; sin u - u =
// u·w·(-1/6 + w/120 - w²/5040), the first left out below 2^-90 |u|. w is formed
// from both parts of u within 2^-52 relative, so cos u - 1 (<= 2^-19) is
// within about 3 · 2^-53 relative: 2^-70 absolute. sin u - u = u·w·(-1/6
// + ...) (<= 2^-29.6 |u|) is within 2^-79 |u| by its roundings and 2^-73
// |t| by the low part of u it leaves out of the leading u.
//
// Sine: the double-double C·u is within 2^-104; the two bracketed products,
// their sum and the additions of the low parts round by 2^-53 of at most
// 2^-18.9 |S| + 2^-52 (|S| + |C·u|): below 2^-70.5 (|S| + |C·u|). For j >= 1
// |S| + |C·u| <= 3 sin t, at j = 0 it is |u| = t: the relative error is at
// most 2^-70 (cos u - 1 through S, doubled) + 2^-68.9 + 2^-72: below 2^-68.
// Cosine: cos t >= 0.7 >= |S|, so the same terms give below 2^-68.5.
struct TableTerms {
    DoubleDouble s;
    DoubleDouble c;
    double uHi = 0.0;
    double uLo = 0.0;
    double sinTail = 0.0;  // sin u - u
    double cosTail = 0.0;  // cos u - 1
};

[[gnu::always_inline]] inline TableTerms tableTerms(DoubleDouble t) {
    const auto& tail = kSinTail;
    const auto& cosTail = kCosTail;
    const int j = nearestIndex(t.hi * kSinCosStepsPerRadian);
    const SineCosine& entry = kSinCosOfSteps[j];
    TableTerms terms{entry.sin, entry.cos};
    terms.uHi = t.hi - static_cast<double>(j) / kSinCosStepsPerRadian;
    terms.uLo = t.lo;
    const double w = terms.uHi * (terms.uHi + 2.0 * terms.uLo);
    terms.sinTail = terms.uHi * w * (tail[0] + w * (tail[1] + w * tail[2]));
    terms.cosTail = w * (cosTail[0] + w * (cosTail[1] + w * cosTail[2]));
    return terms;
}

[[gnu::always_inline]] inline DoubleDouble sinOfReduced(const TableTerms& k) {
    DoubleDouble cu = twoProduct(k.c.hi, k.uHi);
    cu.lo += k.c.hi * k.uLo + k.c.lo * k.uHi;
    const double small = k.s.hi * k.cosTail + k.c.hi * k.sinTail;
    const DoubleDouble sum = twoSum(k.s.hi, cu.hi);
    return fastTwoSum(sum.hi, sum.lo + (k.s.lo + (cu.lo + small)));
}

[[gnu::always_inline]] inline DoubleDouble cosOfReduced(const TableTerms& k) {
    DoubleDouble su = twoProduct(k.s.hi, k.uHi);
    su.lo += k.s.hi * k.uLo + k.s.lo * k.uHi;
    const double small = k.c.hi * k.cosTail - k.s.hi * k.sinTail;
    const DoubleDouble sum = twoSum(k.c.hi, -su.hi);
    return fastTwoSum(sum.hi, sum.lo + (k.c.lo + (small - su.lo)));
}

// atan c + atan(numerator / denominator) for c = j/256, j = 0 ... 256, where
// the quotient u is at most 2^-9 and the double-doubles are exact: u is
// within 2^-100 (divide). atan u - u = -u³/3 + u⁵/5 - u⁷/7 + u⁹/9 (the
// first term left out, u¹¹/11, below 2^-93 |u|) is evaluated in double from u.hi plus the
// first-order term -u²·u.lo of the low part; it is at most 2^-19.6 |u| and within 2^-50.7 of itself
// (five roundings): 2^-70.3 |u|. The additions round by 2^-53 of at most 2^-19 |u| + 2^-52 (|atan
// c| + |u|).
DoubleDouble atanFromTable(int j, DoubleDouble numerator, DoubleDouble denominator) {
    const auto& tail = kAtanTail;
    const DoubleDouble u = divide(numerator, denominator);
    const double w = u.hi * u.hi;
    const double p = tail[0] + w * (tail[1] + w * (tail[2] + w * tail[3]));
    const double atanTail = w * (u.hi * p - u.lo);
    const DoubleDouble& a = kAtanOfSteps[j];
    const DoubleDouble sum = twoSum(a.hi, u.hi);
    return fastTwoSum(sum.hi, sum.lo + (a.lo + (u.lo + atanTail)));
}

// atan x for 2^-27 <= x <= 1 with c = j/256 nearest to x: atan x = atan c +
// atan u, u = (x - c) / (1 + x·c), |u| <= 2^-9. x - c is exact (Sterbenz),
// 1 + x·c within 2^-104 (twoProduct and twoSum exact, their low parts
// added with one rounding). For j >= 1,
// |atan c| + |u| <= 3 atan x and |u| <= atan x; at j = 0, u = x: with the
// bound of atanFromTable, below 2^-69 relative.
DoubleDouble atanUpToOne(double x) {
    const int j = nearestIndex(x * kAtanStepsPerUnit);
    const double c = static_cast<double>(j) / kAtanStepsPerUnit;
    const DoubleDouble xc = twoProduct(x, c);
    const DoubleDouble one = twoSum(1.0, xc.hi);
    return atanFromTable(j, {x - c, 0.0}, fastTwoSum(one.hi, one.lo + xc.lo));
}

// atan(1/x) for 1 < x <= 2^60 with c = j/256 nearest to 1/x (j from the
// double 1/x): atan(1/x) = atan c + atan u, u = (1/x - c) / (1 + c/x) =
// (1 - c·x) / (x + c), |u| <= 2^-9. c·x is exact as twoProduct; for j >= 1
// it lies in [j/(j + 1/2), j/(j - 1/2)] within [2/3, 2], so 1 - c·x is exact
// (Sterbenz) and so is the twoSum with the low part; x + c is an exact
// twoSum. As in atanUpToOne, below 2^-69 relative to atan(1/x), itself at
// most π/4.
DoubleDouble atanOfReciprocal(double x) {
    const int j = nearestIndex(kAtanStepsPerUnit / x);
    const double c = static_cast<double>(j) / kAtanStepsPerUnit;
    const DoubleDouble cx = twoProduct(c, x);
    return atanFromTable(j, twoSum(1.0 - cx.hi, -cx.lo), twoSum(x, c));
}

}  // namespace

double exactSin(double x) {
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double absX = std::fabs(x);
    if (absX < kTiny) {
        return x;
    }
    const FastAngle angle = fastAngle(absX);
    const TableTerms terms = tableTerms(angle.t);
    // sin(|x|) = sin t, cos t, -sin t, -cos t by quadrant; sin t is odd.
    const bool even = angle.quadrant % 2 == 0;
    DoubleDouble r = even ? sinOfReduced(terms) : cosOfReduced(terms);
    if (((angle.quadrant >= 2) != (x < 0.0)) != (even && angle.negative)) {
        r = negate(r);
    }
    double result = 0.0;
    return roundsToHigh(r, kSinError, result) ? result : slowSin(x);
}

double exactCos(double x) {
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double absX = std::fabs(x);
    if (absX < kTiny) {
        return 1.0;
    }
    const FastAngle angle = fastAngle(absX);
    const TableTerms terms = tableTerms(angle.t);
    // cos(|x|) = cos t, -sin t, -cos t, sin t by quadrant; sin t is odd.
    const bool even = angle.quadrant % 2 == 0;
    DoubleDouble r = even ? cosOfReduced(terms) : sinOfReduced(terms);
    if ((angle.quadrant == 1 || angle.quadrant == 2) != (!even && angle.negative)) {
        r = negate(r);
    }
    double result = 0.0;
    return roundsToHigh(r, kCosError, result) ? result : slowCos(x);
}

// tan t = sin t / cos t, or -cos t / sin t in the odd quadrants: the
// quotient of two results within 2^-68 and 2^-68.5, divided within 2^-100,
// is within 2^-67.2 (the reduction adds 2^-79.3).
double exactTan(double x) {
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double absX = std::fabs(x);
    if (absX < kTiny) {
        return x;
    }
    const FastAngle angle = fastAngle(absX);
    const TableTerms terms = tableTerms(angle.t);
    const DoubleDouble s = sinOfReduced(terms);
    const DoubleDouble c = cosOfReduced(terms);
    // tan(|x|) = tan t or -cot t, both odd in t.
    const bool even = angle.quadrant % 2 == 0;
    DoubleDouble r = even ? divide(s, c) : divide(c, s);
    if (((x < 0.0) != !even) != angle.negative) {
        r = negate(r);
    }
    double result = 0.0;
    return roundsToHigh(r, kTanError, result) ? result : slowTan(x);
}

// For |x| > 1, atan |x| = π/2 - atan(1/|x|) >= π/4 >= atan(1/|x|), so the
// error stays below 2^-69 relative. Beyond 2^60 atan |x| = π/2 - 1/|x| +
// 1/(3|x|³) - ..., π/2 - 1/|x| being within 2^-100.
double exactAtan(double x) {
    if (std::isnan(x)) {
        return x;
    }
    const double absX = std::fabs(x);
    if (absX < kTiny) {
        return x;
    }
    DoubleDouble r;
    if (absX > 0x1p60) {
        r = fastTwoSum(kHalfPi.hi, kHalfPi.lo - 1.0 / absX);
    } else if (absX > 1.0) {
        const DoubleDouble a = atanOfReciprocal(absX);
        const DoubleDouble difference = twoSum(kHalfPi.hi, -a.hi);
        r = fastTwoSum(difference.hi, difference.lo + (kHalfPi.lo - a.lo));
    } else {
        r = atanUpToOne(absX);
    }
    if (x < 0.0) {
        r = negate(r);
    }
    double result = 0.0;
    return roundsToHigh(r, kAtanError, result) ? result : slowAtan(x);
}

}  // namespace involute::maths
