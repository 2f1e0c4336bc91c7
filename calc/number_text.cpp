#include "number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "utf8.h"

namespace involute::calc {

namespace {

// The ASCII character a typed character stands for in a number, or 0.
char asciiEquivalent(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    if (cp >= U'０' && cp <= U'９') {
        return static_cast<char>('0' + (cp - U'０'));
    }
    switch (cp) {
        case U'＋':
            return '+';
        case U'－':
            return '-';
        case U'ｅ':
            return 'e';
        case U'Ｅ':
            return 'E';
        case U'．':
        case U'。':
            return '.';
        case U'\u3000':
            return ' ';
        default:
            return 0;
    }
}

// A cell copied from a spreadsheet arrives with the line end after it, so
// line ends around the number are blanks too.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The largest double, 1.7976931348623157E+308, prints with fifteen digits as
// 1.79769313486232E+308, just above itself, where a double overflows. A
// mantissa of leading exponent 308 up to those printed digits reads as the
// largest double, so that every result text can be typed back in.
bool withinPrintedLargest(std::string_view mantissa, std::int64_t leadExponent) {
    if (leadExponent != 308) {
        return false;
    }
    std::string digits;
    for (const char c : mantissa) {
        if (isDigit(c) && !(digits.empty() && c == '0')) {
            digits.push_back(c);
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return digits <= "179769313486232";
}

}  // namespace

NumberFromText numberFromText(std::string_view text) {
    // Map to ASCII first; the number proper is then checked against the
    // grammar by hand, because from_chars would also take "inf", "nan" and
    // stop silently at trailing garbage.
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const utf8::Character character = utf8::firstCharacter(text.substr(pos));
        const char c = character.valid ? asciiEquivalent(character.codePoint) : '\0';
        if (c == 0) {
            return {0.0, NumberTextFault::notANumber};
        }
        ascii.push_back(c);
        pos += character.length;
    }

    std::size_t begin = 0;
    std::size_t end = ascii.size();
    while (begin < end && isBlank(ascii[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(ascii[end - 1])) {
        --end;
    }
    if (begin == end) {
        return {0.0, NumberTextFault::empty};
    }

    std::size_t pos = begin;
    bool negative = false;
    if (ascii[pos] == '+' || ascii[pos] == '-') {
        negative = ascii[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;

    // Decimal exponent of the leading significant digit, used only to tell an
    // underflow (rounds to zero) from an overflow (an error).
    std::int64_t leadExponent = 0;
    bool sawSignificant = false;
    std::size_t mantissaDigits = 0;
    std::int64_t digitsBeforePoint = 0;
    while (pos < end && isDigit(ascii[pos])) {
        if (ascii[pos] != '0' && !sawSignificant) {
            sawSignificant = true;
            digitsBeforePoint = 0;
        }
        if (sawSignificant) {
            ++digitsBeforePoint;
        }
        ++mantissaDigits;
        ++pos;
    }
    leadExponent = digitsBeforePoint - 1;
    if (pos < end && ascii[pos] == '.') {
        ++pos;
        std::int64_t zerosAfterPoint = 0;
        while (pos < end && isDigit(ascii[pos])) {
            if (!sawSignificant) {
                if (ascii[pos] == '0') {
                    ++zerosAfterPoint;
                } else {
                    sawSignificant = true;
                    leadExponent = -(zerosAfterPoint + 1);
                }
            }
            ++mantissaDigits;
            ++pos;
        }
    }
    if (mantissaDigits == 0) {
        return {0.0, NumberTextFault::notANumber};
    }
    const std::string_view mantissa(ascii.data() + numberStart, pos - numberStart);
    if (pos < end && (ascii[pos] == 'e' || ascii[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (ascii[pos] == '+' || ascii[pos] == '-')) {
            negativeExponent = ascii[pos] == '-';
            ++pos;
        }
        std::int64_t exponent = 0;
        const std::size_t exponentStart = pos;
        while (pos < end && isDigit(ascii[pos])) {
            // Saturate: anything this large is far outside a double anyway.
            exponent = std::min<std::int64_t>(exponent * 10 + (ascii[pos] - '0'), 1'000'000'000);
            ++pos;
        }
        if (pos == exponentStart) {
            return {0.0, NumberTextFault::notANumber};
        }
        leadExponent += negativeExponent ? -exponent : exponent;
    }
    if (pos != end) {
        return {0.0, NumberTextFault::notANumber};
    }

    double magnitude = 0.0;
    const auto [stop, error] =
        std::from_chars(ascii.data() + numberStart, ascii.data() + end, magnitude);
    if (error == std::errc::result_out_of_range) {
        if (!sawSignificant || leadExponent < 0) {
            magnitude = 0.0;
        } else if (withinPrintedLargest(mantissa, leadExponent)) {
            magnitude = std::numeric_limits<double>::max();
        } else {
            return {0.0, NumberTextFault::tooLarge};
        }
    } else if (error != std::errc{} || stop != ascii.data() + end) {
        return {0.0, NumberTextFault::notANumber};
    }
    return {negative ? -magnitude : magnitude, NumberTextFault::none};
}

bool isNumberCharacter(char32_t c) {
    const char ascii = asciiEquivalent(c);
    return isDigit(ascii) || ascii == '+' || ascii == '-' || ascii == '.' || ascii == 'e' ||
           ascii == 'E';
}

TextSpan numberAround(std::u16string_view text, std::size_t index) {
    TextSpan span{std::min(index, text.size()), std::min(index, text.size())};
    while (span.begin > 0 && isNumberCharacter(text[span.begin - 1])) {
        --span.begin;
    }
    while (span.end < text.size() && isNumberCharacter(text[span.end])) {
        ++span.end;
    }
    return span;
}

std::string textFromNumber(double value) {
    assert(std::isfinite(value));
    if (value == 0.0) {
        return "0";
    }
    std::array<char, 32> buffer{};
    const auto [stop, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                             std::chars_format::general, 15);
    assert(error == std::errc{});
    std::string text(buffer.data(), stop);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

}  // namespace involute::calc
