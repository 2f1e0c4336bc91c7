// The constants of the correctly rounded sine, cosine, tangent and arc
// tangent. tools/generate_exact_math_tables.cpp computes them with MPFR and
// writes maths/exact_math_tables.cpp; the program never links MPFR.
#pragma once

#include <array>
#include <cstdint>

#include "double_double.h"

namespace involute::maths {

// The slow path's fixed-point numbers hold at most this many 32-bit words:
// one integer word and 25 fraction words (800 bits).
inline constexpr int kMaxLimbs = 26;

// Bits of 2/π: word i holds bits 32i + 1 to 32i + 32 after the binary point.
// The largest double, below 2^1024, needs bits from 2^-969 on (the earlier
// ones only add multiples of 4 quadrants), then 800 fraction bits, 53 for the
// product with the significand and 200 of guard: 2022 bits. 80 words (2560
// bits) leave room for the guard to grow.
inline constexpr int kTwoOverPiWords = 80;
extern const std::array<std::uint32_t, kTwoOverPiWords> kTwoOverPi;

// π/2 in kMaxLimbs words, most significant (the integer part 1) first, truncated.
extern const std::array<std::uint32_t, kMaxLimbs> kHalfPiWords;

// atan(k/16) for k = 0 ... 16 in kMaxLimbs words, truncated.
inline constexpr int kAtanTableSteps = 16;
extern const std::array<std::array<std::uint32_t, kMaxLimbs>, kAtanTableSteps + 1>
    kAtanOfSixteenthsWords;

// π/2 as a double-double; its error is below 2^-107 · π/2.
extern const DoubleDouble kHalfPi;

// π/2 = C1 + C2 + C3 + C4 within 2^-135: C1, C2, C3 of 27 significant bits
// each (so k·Ci is exact for k < 2^26), C4 the double nearest to the rest.
extern const std::array<double, 4> kHalfPiParts;

// sin(j/256) and cos(j/256) for j = 0 ... 201 (201/256 > π/4), each a
// double-double within 2^-106 of the true value (relative).
inline constexpr int kSinCosStepsPerRadian = 256;
inline constexpr int kSinCosEntries = 202;
struct SineCosine {
    DoubleDouble sin;
    DoubleDouble cos;
};
extern const std::array<SineCosine, kSinCosEntries> kSinCosOfSteps;

// atan(j/256) for j = 0 ... 256, double-doubles within 2^-106 (relative).
inline constexpr int kAtanStepsPerUnit = 256;
extern const std::array<DoubleDouble, kAtanStepsPerUnit + 1> kAtanOfSteps;

// Doubles nearest to the Taylor coefficients after the leading ones:
// -1/3!, 1/5!, -1/7! (sine); -1/2!, 1/4!, -1/6! (cosine); -1/3, 1/5, -1/7,
// 1/9 (arc tangent).
extern const std::array<double, 3> kSinTail;
extern const std::array<double, 3> kCosTail;
extern const std::array<double, 4> kAtanTail;

}  // namespace involute::maths
