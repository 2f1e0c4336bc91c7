#include "exact_math_slow.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "double_double.h"

namespace involute::maths {

namespace {

// The precisions of the Ziv loop, in words: 128, 224 and 800 fraction bits.
// The fast path hands over results within about 2^-13 ulp of a midpoint;
// 128 bits decide all but those within about 2^-64 ulp, 224 bits all but
// those within 2^-160 ulp. The hardest doubles for these functions need
// about 53 + 70 bits, so the last level is the safety net for any argument
// whose result lies closer still to a midpoint (none is exact: sin, cos,
// tan and atan of a nonzero rational are irrational).
constexpr std::array<int, 3> kZivLimbs{5, 8, kMaxLimbs};

// 32 bits of the little-endian word array `p` from bit `from` up (bits below
// 0 or past the end read as 0).
std::uint32_t bitsFrom(const std::array<std::uint32_t, kTwoOverPiWords + 2>& p, int words,
                       int from) {
    std::uint64_t value = 0;
    for (int k = 0; k < 2; ++k) {
        const int index = (from >= 0 ? from / 32 : (from - 31) / 32) + k;
        if (index >= 0 && index < words) {
            value |= std::uint64_t{p[index]} << (32 * k);
        }
    }
    const int shift = from - 32 * (from >= 0 ? from / 32 : (from - 31) / 32);
    return static_cast<std::uint32_t>(value >> shift);
}

// Rounds ±m · 2^-scale (m > 0, within 2^errorLog2 ulps of the true value) to
// the nearest double, or returns false when the error bound straddles a
// midpoint between two doubles.
//
// With the half-ulp bit at index h, the bits below it tell the distance to
// the midpoint: unless the next d = h - errorLog2 - 1 bits all differ from
// the half bit, |rest - 1/2| >= 2^-(d+1) ulp of the result, which exceeds
// the error 2^errorLog2 · 2^-(h+1) ulp. A result just below a power of two
// rounds up to it correctly because the error is below a quarter ulp.
bool roundToDouble(const SlowValue& value, double& result) {
    const Fixed& m = value.m;
    const int scale = value.scale;
    const int errorLog2 = value.errorLog2;
    const bool negative = value.negative;
    const int top = m.topBit();
    const int exponent =
        top - m.fractionBits() - scale;  // m·2^-scale in [2^exponent, 2^(exponent+1))
    const int precision = exponent < -1022 ? exponent + 1075 : 53;  // subnormal results keep fewer
    if (top < 0 || precision < 1) {
        return false;  // no nonzero argument comes near 2^-1075 (see the callers)
    }
    const int halfBit = top - precision;
    const int depth = halfBit - errorLog2 - 1;
    if (depth < 1) {
        return false;
    }
    const unsigned half = m.bit(halfBit);
    bool decided = false;
    for (int i = halfBit - 1; i >= halfBit - depth && !decided; --i) {
        decided = m.bit(i) == half;
    }
    if (!decided) {
        return false;
    }
    std::uint64_t significand = 0;
    for (int i = top; i > halfBit; --i) {
        significand = (significand << 1) | m.bit(i);
    }
    significand += half;
    const double magnitude = std::ldexp(static_cast<double>(significand), exponent - precision + 1);
    result = negative ? -magnitude : magnitude;
    return true;
}

// Σ (-1)^k w^k / (2k+1)! for 0 <= w <= 0.62 (sin θ / θ with w = θ²). Each
// term comes from the last by one product and one division, each truncating
// (< 1 ulp): with w within 6 ulps, term k errs by at most
// (0.62·E(k-1) + 6 + 1)/6 + 1 <= 2.5 ulps, and the sum of K <= 110 terms
// (enough for 800 bits) plus the first term left out by < 3.5 ulps.
Fixed sineSeries(const Fixed& w) {
    Fixed term = fixedInteger(1, w.limbs);
    Fixed sum = term;
    for (std::uint32_t k = 1; !term.isZero(); ++k) {
        term = divideSmall(term * w, (2 * k) * (2 * k + 1));
        sum = (k % 2 == 1) ? sum - term : sum + term;
    }
    return sum;
}

// Σ (-1)^k w^k / (2k)! (cos θ with w = θ²): the same bound as sineSeries.
Fixed cosineSeries(const Fixed& w) {
    Fixed term = fixedInteger(1, w.limbs);
    Fixed sum = term;
    for (std::uint32_t k = 1; !term.isZero(); ++k) {
        term = divideSmall(term * w, (2 * k - 1) * (2 * k));
        sum = (k % 2 == 1) ? sum - term : sum + term;
    }
    return sum;
}

// Σ (-1)^k w^k / (2k+1) for 0 <= w <= 2^-10 (atan u / u with w = u²). The
// power w^k errs by at most w·E(k-1) + 3 ulps (w within 3), the term by 2,
// and K <= F/10 + 1 terms add at most 2K + 4 ulps.
Fixed arcTangentSeries(const Fixed& w) {
    Fixed power = fixedInteger(1, w.limbs);
    Fixed sum = power;
    for (std::uint32_t k = 1; !power.isZero(); ++k) {
        power = power * w;
        const Fixed term = divideSmall(power, 2 * k + 1);
        sum = (k % 2 == 1) ? sum - term : sum + term;
    }
    return sum;
}

// θ = ±tau · 2^-scale for |θ| <= π/4, plus the quadrant of |x|.
struct SlowAngle {
    int quadrant = 0;
    bool negative = false;
    Fixed tau;
    int scale = 0;
};

// For |x| < π/4 tau is |x|'s significand in [1/2, 1), exact. Otherwise
// tau = fraction · π/2 in [0.785, 1.571): the fraction's 2.25 ulps times π/2,
// π/2's truncation (< 1 ulp) and the product's (< 1 ulp) leave tau within
// 5.6 ulps; the reduction gives scale >= 1.
SlowAngle slowAngle(double absX, int limbs) {
    if (absX < kBelowQuarterPi) {
        int exponent = 0;
        const double significand = std::frexp(absX, &exponent);
        return {0, false, fixedFromDouble(significand, limbs), -exponent};
    }
    const ReducedAngle reduced = reduceQuarterTurns(absX, limbs);
    return {reduced.quadrant, reduced.negative,
            reduced.fraction * fixedFromWords(kHalfPiWords, limbs), reduced.scale};
}

// sin θ / θ and cos θ for the angle come from w = tau² · 2^-2scale: tau²
// errs by at most 2 · 1.571 · 5.6 + 1 < 19 ulps, quartered or better by the
// shift (scale >= 1 after a reduction; exact tau otherwise), plus 1: w is
// within 6 ulps, and each series within 280.
Fixed squaredAngle(const SlowAngle& angle) {
    return shiftRight(angle.tau * angle.tau, 2 * angle.scale);
}

// sin θ = tau · S · 2^-scale: the product of tau (<= 1.571, 5.6 ulps) and S
// (<= 1, 280 ulps) errs by at most 1.571 · 280 + 5.6 + 1 < 2^9 ulps.
constexpr int kSinErrorLog2 = 10;
// cos θ = C: 280 ulps < 2^9.
constexpr int kCosErrorLog2 = 10;
// tan θ = (tau·S / C) · 2^-scale or -cot θ = -(C / (tau·S)) · 2^scale. The
// numerator and denominator carry at most 2^9 / 0.69 and 280 / 0.70 ulps
// relative, the reciprocal 6 more, the quotient <= 2.23 one truncation:
// 2.23 · (742 + 400 + 6) + 1 < 2^12 ulps.
constexpr int kTanErrorLog2 = 12;

SlowValue trigValue(SlowFunction function, double x, int limbs) {
    const SlowAngle angle = slowAngle(std::fabs(x), limbs);
    const Fixed w = squaredAngle(angle);
    const bool xNegative = std::signbit(x);
    const bool odd = angle.quadrant % 2 == 1;
    // sin θ = ±sinTau · 2^-scale.
    const auto sinTau = [&angle, &w] { return angle.tau * sineSeries(w); };
    switch (function) {
        case SlowFunction::sin: {
            // sin(|x|) = sin θ, cos θ, -sin θ, -cos θ by quadrant; sine is odd.
            const bool negative = ((angle.quadrant >= 2) != (!odd && angle.negative)) != xNegative;
            return odd ? SlowValue{cosineSeries(w), 0, kCosErrorLog2, negative}
                       : SlowValue{sinTau(), angle.scale, kSinErrorLog2, negative};
        }
        case SlowFunction::cos: {
            // cos(|x|) = cos θ, -sin θ, -cos θ, sin θ by quadrant; cosine is even.
            const bool negative =
                odd ? ((angle.quadrant == 1) != angle.negative) : angle.quadrant == 2;
            return odd ? SlowValue{sinTau(), angle.scale, kSinErrorLog2, negative}
                       : SlowValue{cosineSeries(w), 0, kCosErrorLog2, negative};
        }
        case SlowFunction::tan: {
            // tan(|x|) = tan θ or -cot θ (odd quadrants), both with θ's sign
            // reversed for -cot; tangent is odd.
            const bool negative = (odd != angle.negative) != xNegative;
            const Fixed s = sinTau();
            const Fixed c = cosineSeries(w);
            if (odd) {
                return SlowValue{c * reciprocal(s), -angle.scale, kTanErrorLog2, negative};
            }
            return SlowValue{s * reciprocal(c), angle.scale, kTanErrorLog2, negative};
        }
        case SlowFunction::atan:
            break;
    }
    return {};
}

// atan |x| with |x| = ν · 2^-s after taking the reciprocal of |x| > 1
// (ν in [1/2, 2], within 12 ulps; exact for |x| <= 1).
//
// Small v (s >= 6, v <= 2^-5): atan v = ν · S · 2^-s with S the series of
// w = ν² · 2^-2s <= 2^-10 (2 ulps after the shift): S within 2·81 + 4 ulps,
// the product within 2 · 166 + 12 + 1 < 2^9.
// Otherwise atan v = atan(k/16) + atan u with u = (v - k/16) / (1 + v·k/16),
// |u| <= 1/32: v within 25 ulps, the quotient within 28, u·S within 35, the
// table 1 more. For |x| > 1 the result is π/2 minus this (1 ulp more).
constexpr int kAtanErrorLog2 = 10;

SlowValue atanValue(double x, int limbs) {
    const double absX = std::fabs(x);
    const bool negative = std::signbit(x);
    int exponent = 0;
    const double significand = std::frexp(absX, &exponent);  // |x| = significand · 2^exponent
    const bool inverted = absX > 1.0;
    Fixed nu = fixedFromDouble(significand, limbs);
    int scale = -exponent;
    if (inverted) {
        nu = reciprocal(nu);
        scale = exponent;
    }
    const Fixed halfPi = fixedFromWords(kHalfPiWords, limbs);
    if (scale >= 6) {
        const Fixed w = shiftRight(nu * nu, 2 * scale);
        const Fixed m = nu * arcTangentSeries(w);
        if (!inverted) {
            return SlowValue{m, scale, kAtanErrorLog2, negative};
        }
        return SlowValue{halfPi - shiftRight(m, scale), 0, kAtanErrorLog2, negative};
    }
    const Fixed v = scale >= 0 ? shiftRight(nu, scale) : shiftLeft(nu, -scale);
    const auto k = static_cast<std::uint32_t>(nearestIndex(approximateDouble(v) * kAtanTableSteps));
    const Fixed c = shiftRight(fixedInteger(k, limbs), 4);  // k/16, exact
    const Fixed one = fixedInteger(1, limbs);
    const Fixed u = (v - c) * reciprocal(one + shiftRight(multiplySmall(v, k), 4));
    const Fixed atanU = u * arcTangentSeries(u * u);
    const Fixed atanV = fixedFromWords(kAtanOfSixteenthsWords[k], limbs) + atanU;
    return SlowValue{inverted ? halfPi - atanV : atanV, 0, kAtanErrorLog2, negative};
}

double zivLoop(SlowFunction function, double x) {
    double result = 0.0;
    for (const int limbs : kZivLimbs) {
        if (roundToDouble(slowValue(function, x, limbs), result)) {
            return result;
        }
    }
    return result;  // unreachable: see kZivLimbs
}

}  // namespace

SlowValue slowValue(SlowFunction function, double x, int limbs) {
    return function == SlowFunction::atan ? atanValue(x, limbs) : trigValue(function, x, limbs);
}

ReducedAngle reduceQuarterTurns(double absX, int limbs) {
    int exponent = 0;
    const double significand = std::frexp(absX, &exponent);
    const auto m = static_cast<std::uint64_t>(std::ldexp(significand, 53));
    const int e = exponent - 53;  // |x| = m · 2^e, m < 2^53
    const int fractionBits = 32 * (limbs - 1);
    // Bit i of 2/π (weight 2^-i) adds m · 2^(e-i): a multiple of 4 quarter
    // turns once i <= e - 2, so the words before firstWord change nothing.
    const int firstWord = e >= 2 ? (e - 2) / 32 : 0;
    // The window of 2/π's words firstWord ... firstWord + window - 1 makes
    // P = m · Z with s fraction bits; the words left out add less than
    // m · 2^(e - 32(firstWord + window)) < 2^(53 - s) quarter turns. Start
    // with 64 bits to spare for cancellation near a multiple of π/2, and widen
    // while the remainder's top bit b leaves less than 2^-(F+2) of the
    // fraction to that error (b >= F + 54).
    int window = (fractionBits + 121 + e + 31) / 32 - firstWord;
    for (;;) {
        window = std::min(window, kTwoOverPiWords - firstWord);
        const int s = 32 * (firstWord + window) - e;
        std::array<std::uint32_t, kTwoOverPiWords + 2> p{};
        const std::array<std::uint64_t, 2> mWords{m & 0xffffffffu, m >> 32};
        for (int i = 0; i < window; ++i) {
            const std::uint64_t z = kTwoOverPi[firstWord + window - 1 - i];
            std::uint64_t carry = 0;
            for (int j = 0; j < 2; ++j) {
                const std::uint64_t t = z * mWords[j] + p[i + j] + carry;
                p[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            p[i + 2] = static_cast<std::uint32_t>(carry);
        }
        const int words = window + 2;
        ReducedAngle reduced;
        reduced.quadrant = static_cast<int>(bitsFrom(p, words, s) & 3u);
        // The fraction f in [0, 1) is P's low s bits; f >= 1/2 belongs to the
        // next quadrant with the remainder f - 1.
        for (int i = s / 32 + 1; i < words; ++i) {
            p[i] = 0;
        }
        p[s / 32] &= (std::uint32_t{1} << (s % 32)) - 1u;
        if ((bitsFrom(p, words, s - 1) & 1u) != 0) {
            reduced.quadrant = (reduced.quadrant + 1) % 4;
            reduced.negative = true;
            std::uint64_t borrow = 0;  // p <- 2^s - p
            for (int i = 0; i < words; ++i) {
                const std::uint64_t t = 0 - std::uint64_t{p[i]} - borrow;
                p[i] = static_cast<std::uint32_t>(t);
                borrow = (t >> 32) != 0 ? 1 : 0;
            }
            for (int i = s / 32 + 1; i < words; ++i) {
                p[i] = 0;
            }
            p[s / 32] &= (std::uint32_t{1} << (s % 32)) - 1u;
        }
        const int b = topBitOfWords({p.data(), static_cast<std::size_t>(words)});
        if (b < fractionBits + 54 && firstWord + window < kTwoOverPiWords) {
            window += 2;
            continue;
        }
        // |r| = P·2^-s in [2^(b-s), 2^(b-s+1)): fraction = |r| · 2^(s-b-1),
        // whose bit of weight 2^-1 is P's bit b. Truncating below its ulp
        // adds < 1 ulp to the < 2^(52-b) <= 2^-(F+2) of the window.
        reduced.scale = s - b - 1;
        reduced.fraction = fixedZero(limbs);
        for (int j = 0; j < limbs - 1; ++j) {
            reduced.fraction.word[j] = bitsFrom(p, words, b + 1 - fractionBits + 32 * j);
        }
        return reduced;
    }
}

double slowSin(double x) {
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x == 0.0) {
        return x;
    }
    return zivLoop(SlowFunction::sin, x);
}

double slowCos(double x) {
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x == 0.0) {
        return 1.0;
    }
    return zivLoop(SlowFunction::cos, x);
}

double slowTan(double x) {
    if (!std::isfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x == 0.0) {
        return x;
    }
    return zivLoop(SlowFunction::tan, x);
}

double slowAtan(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::isinf(x)) {
        return std::copysign(kHalfPi.hi, x);
    }
    if (x == 0.0) {
        return x;
    }
    return zivLoop(SlowFunction::atan, x);
}

}  // namespace involute::maths
