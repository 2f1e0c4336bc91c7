// Fixed-point numbers of a few hundred bits for the slow path of the
// correctly rounded functions: 32-bit words in 64-bit arithmetic, plain
// portable C++.
//
// A number of n words is two's complement: word n-1 is the integer part
// (signed), words n-2 ... 0 the fraction, 32 bits each, so one unit in the
// last place (ulp) is 2^-32(n-1). Sums and differences are exact (modulo
// 2^32 in the integer part); each product or quotient below truncates
// towards zero and so errs by less than one ulp.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "exact_math_tables.h"

namespace involute::maths {

struct Fixed {
    int limbs = 0;  // words in use, 2 ... kMaxLimbs
    std::array<std::uint32_t, kMaxLimbs> word{};

    // Fraction bits: the ulp is 2^-fractionBits().
    [[nodiscard]] int fractionBits() const { return 32 * (limbs - 1); }
    [[nodiscard]] bool negative() const { return (word[limbs - 1] >> 31) != 0; }
    [[nodiscard]] bool isZero() const;
    // Bit i counted from the least significant bit of word 0 (weight 2^(i - fractionBits())).
    [[nodiscard]] unsigned bit(int i) const;
    // Index of the highest set bit of a positive number; -1 for zero.
    [[nodiscard]] int topBit() const;
};

// Index of the highest set bit of little-endian 32-bit words; -1 when all are zero.
[[nodiscard]] int topBitOfWords(std::span<const std::uint32_t> words);

// Zero with `limbs` words.
[[nodiscard]] Fixed fixedZero(int limbs);
// A small integer.
[[nodiscard]] Fixed fixedInteger(std::uint32_t value, int limbs);
// A table constant given most significant word first, truncated to `limbs` words.
[[nodiscard]] Fixed fixedFromWords(const std::array<std::uint32_t, kMaxLimbs>& words, int limbs);
// A non-negative double below 2^31 whose bits all lie at or above the ulp: exact.
[[nodiscard]] Fixed fixedFromDouble(double value, int limbs);
// The double nearest to the top 53 bits of a positive number (within 2^-52).
[[nodiscard]] double approximateDouble(const Fixed& x);

[[nodiscard]] Fixed operator+(const Fixed& a, const Fixed& b);
[[nodiscard]] Fixed operator-(const Fixed& a, const Fixed& b);
[[nodiscard]] Fixed operator-(const Fixed& a);
[[nodiscard]] Fixed abs(const Fixed& a);
// Product, truncated towards zero.
[[nodiscard]] Fixed operator*(const Fixed& a, const Fixed& b);
// Exact product by a small integer (the caller keeps the result below 2^31).
[[nodiscard]] Fixed multiplySmall(const Fixed& a, std::uint32_t factor);
// Quotient of a non-negative number by a positive integer, truncated.
[[nodiscard]] Fixed divideSmall(const Fixed& a, std::uint32_t divisor);
// Non-negative numbers shifted by `bits` >= 0; shifting right truncates.
[[nodiscard]] Fixed shiftRight(const Fixed& a, int bits);
[[nodiscard]] Fixed shiftLeft(const Fixed& a, int bits);
// 1 / b for 1/4 <= b <= 4, within 6 · 2^-fractionBits() relative.
[[nodiscard]] Fixed reciprocal(const Fixed& b);

}  // namespace involute::maths
