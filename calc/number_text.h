// Conversions between field text and doubles.
//
// Field text is UTF-8 as typed. Chinese input methods in full-width mode type
// full-width digits, signs and points, so those read like their ASCII forms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace involute::calc {

enum class NumberTextFault {
    none,
    empty,       // nothing but blanks
    notANumber,  // anything outside the number grammar
    tooLarge,    // beyond the largest double
};

struct NumberFromText {
    double value = 0.0;
    NumberTextFault fault = NumberTextFault::none;

    [[nodiscard]] bool ok() const { return fault == NumberTextFault::none; }
};

// Reads [blanks] [sign] digits [. [digits]] | . digits, then an optional
// exponent (e or E, [sign] digits), then [blanks]. Blanks are space, tab,
// carriage return, line feed and the ideographic space. The value is the double nearest to the
// decimal text; a value too small for a double rounds, to zero if need be. A value too large is an
// error, except up to 1.79769313486232E+308, the largest double as textFromNumber prints it, which
// reads as the largest double.
[[nodiscard]] NumberFromText numberFromText(std::string_view text);

// The characters numberFromText reads inside a number: digits, signs, the
// point and the exponent letter, ASCII or full width.
[[nodiscard]] bool isNumberCharacter(char32_t c);

// The run of number characters of UTF-16 field text that touches the
// position `index` (between two units), as [begin, end); empty when neither
// neighbour is one. A double click selects it, so that a copied number is
// never cut at its point, sign or exponent.
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};
[[nodiscard]] TextSpan numberAround(std::u16string_view text, std::size_t index);

// General form with at most 15 significant digits, trailing zeros dropped:
// plain when the decimal exponent is from -5 to 14, else "1.5E+300" or
// "1E-05". The point is always '.', whatever the locale; -0 prints "0".
// The value must be finite.
[[nodiscard]] std::string textFromNumber(double value);

}  // namespace involute::calc
