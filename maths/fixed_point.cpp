#include "fixed_point.h"

#include <bit>
#include <cmath>

namespace involute::maths {

bool Fixed::isZero() const {
    for (int i = 0; i < limbs; ++i) {
        if (word[i] != 0) {
            return false;
        }
    }
    return true;
}

unsigned Fixed::bit(int i) const {
    if (i < 0 || i >= 32 * limbs) {
        return 0;
    }
    return (word[i / 32] >> (i % 32)) & 1u;
}

int topBitOfWords(std::span<const std::uint32_t> words) {
    for (auto i = static_cast<int>(words.size()) - 1; i >= 0; --i) {
        if (words[i] != 0) {
            return 32 * i + 31 - std::countl_zero(words[i]);
        }
    }
    return -1;
}

int Fixed::topBit() const {
    return topBitOfWords({word.data(), static_cast<std::size_t>(limbs)});
}

Fixed fixedZero(int limbs) {
    Fixed x;
    x.limbs = limbs;
    return x;
}

Fixed fixedInteger(std::uint32_t value, int limbs) {
    Fixed x = fixedZero(limbs);
    x.word[limbs - 1] = value;
    return x;
}

Fixed fixedFromWords(const std::array<std::uint32_t, kMaxLimbs>& words, int limbs) {
    Fixed x = fixedZero(limbs);
    for (int i = 0; i < limbs; ++i) {
        x.word[limbs - 1 - i] = words[i];
    }
    return x;
}

Fixed fixedFromDouble(double value, int limbs) {
    Fixed x = fixedZero(limbs);
    int exponent = 0;
    const double significand = std::frexp(value, &exponent);  // value = significand · 2^exponent
    // The 53-bit integer m = significand · 2^53, placed with its lowest bit
    // at 2^(exponent - 53).
    auto m = static_cast<std::uint64_t>(std::ldexp(significand, 53));
    const int lowest = exponent - 53 + x.fractionBits();  // bit index of m's lowest bit
    for (int i = 0; i < 53; ++i) {
        if (((m >> i) & 1u) != 0 && lowest + i >= 0) {
            const int index = lowest + i;
            x.word[index / 32] |= 1u << (index % 32);
        }
    }
    return x;
}

double approximateDouble(const Fixed& x) {
    const int top = x.topBit();
    std::uint64_t m = 0;
    for (int i = 0; i < 53; ++i) {
        m = (m << 1) | x.bit(top - i);
    }
    return std::ldexp(static_cast<double>(m), top - 52 - x.fractionBits());
}

Fixed operator+(const Fixed& a, const Fixed& b) {
    Fixed r = fixedZero(a.limbs);
    std::uint64_t carry = 0;
    for (int i = 0; i < a.limbs; ++i) {
        const std::uint64_t sum = std::uint64_t{a.word[i]} + b.word[i] + carry;
        r.word[i] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
    }
    return r;
}

Fixed operator-(const Fixed& a) {
    Fixed r = fixedZero(a.limbs);
    std::uint64_t carry = 1;
    for (int i = 0; i < a.limbs; ++i) {
        const std::uint64_t sum = std::uint64_t{static_cast<std::uint32_t>(~a.word[i])} + carry;
        r.word[i] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
    }
    return r;
}

Fixed operator-(const Fixed& a, const Fixed& b) {
    return a + (-b);
}

Fixed abs(const Fixed& a) {
    return a.negative() ? -a : a;
}

Fixed operator*(const Fixed& a, const Fixed& b) {
    const int n = a.limbs;
    const Fixed x = abs(a);
    const Fixed y = abs(b);
    // The full product has 2n words and 2(n-1) fraction words; keep words
    // n-1 ... 2n-2.
    std::array<std::uint32_t, static_cast<std::size_t>(2 * kMaxLimbs)> product{};
    for (int i = 0; i < n; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < n; ++j) {
            const std::uint64_t t = std::uint64_t{x.word[i]} * y.word[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[i + n] = static_cast<std::uint32_t>(carry);
    }
    Fixed r = fixedZero(n);
    for (int i = 0; i < n; ++i) {
        r.word[i] = product[i + n - 1];
    }
    return a.negative() != b.negative() ? -r : r;
}

Fixed multiplySmall(const Fixed& a, std::uint32_t factor) {
    const Fixed x = abs(a);
    Fixed r = fixedZero(a.limbs);
    std::uint64_t carry = 0;
    for (int i = 0; i < a.limbs; ++i) {
        const std::uint64_t t = std::uint64_t{x.word[i]} * factor + carry;
        r.word[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    return a.negative() ? -r : r;
}

Fixed divideSmall(const Fixed& a, std::uint32_t divisor) {
    Fixed r = fixedZero(a.limbs);
    std::uint64_t remainder = 0;
    for (int i = a.limbs - 1; i >= 0; --i) {
        const std::uint64_t t = (remainder << 32) | a.word[i];
        r.word[i] = static_cast<std::uint32_t>(t / divisor);
        remainder = t % divisor;
    }
    return r;
}

Fixed shiftRight(const Fixed& a, int bits) {
    Fixed r = fixedZero(a.limbs);
    const int words = bits / 32;
    const int rest = bits % 32;
    for (int i = 0; i + words < a.limbs; ++i) {
        std::uint64_t pair = a.word[i + words];
        if (i + words + 1 < a.limbs) {
            pair |= std::uint64_t{a.word[i + words + 1]} << 32;
        }
        r.word[i] = static_cast<std::uint32_t>(pair >> rest);
    }
    return r;
}

Fixed shiftLeft(const Fixed& a, int bits) {
    Fixed r = fixedZero(a.limbs);
    const int words = bits / 32;
    const int rest = bits % 32;
    for (int i = a.limbs - 1; i - words >= 0; --i) {
        std::uint64_t pair = std::uint64_t{a.word[i - words]} << 32;
        if (i - words - 1 >= 0) {
            pair |= a.word[i - words - 1];
        }
        r.word[i] = static_cast<std::uint32_t>(pair >> (32 - rest));
    }
    return r;
}

Fixed reciprocal(const Fixed& b) {
    // Newton's iteration y <- y + y·(1 - b·y). With y = (1 - ε)/b it gives
    // (1 - ε²)/b plus the truncations: 1 ulp in b·y and 1 ulp in the product
    // y·(1 - b·y), which are at most 4 + 1 ulps relative for b <= 4, so
    // ε' <= ε² + 5 · 2^-F. The start, the double 1/b of b's top 53 bits, has
    // ε <= 2^-51; the loop runs until ε² <= 2^-F, leaving ε <= 6 · 2^-F.
    const Fixed one = fixedInteger(1, b.limbs);
    Fixed y = fixedFromDouble(1.0 / approximateDouble(b), b.limbs);
    for (int bits = 51; bits < b.fractionBits(); bits *= 2) {
        y = y + y * (one - b * y);
    }
    return y;
}

}  // namespace involute::maths
