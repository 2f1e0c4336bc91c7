#include "angle_functions.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "exact_math.h"
#include "number_text.h"

namespace involute::calc {

using maths::exactAtan;
using maths::exactCos;
using maths::exactSin;
namespace {

TEST(Pi, IsTheDoubleNearestToFourteenDecimals) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(kPi), 0x400921FB54442D11u);
}

TEST(Pi, FixesTheLastDigitOfTheBasePitch) {
    // pbn = (m·π)·cos αn for the worked example, with each value of π.
    const double cosAlphaN = exactCos(20.0 * degToRad());
    EXPECT_EQ(textFromNumber((2.25 * kPi) * cosAlphaN), "6.64229572671048");
    EXPECT_EQ(textFromNumber((2.25 * 3.141592653589793) * cosAlphaN), "6.64229572671049");
}

TEST(AngleFactors, AreOneDivisionEach) {
    EXPECT_EQ(radToDeg(), 180.0 / 3.14159265358979);
    EXPECT_EQ(degToRad(), 3.14159265358979 / 180.0);
}

// The shortest text that reads back as the same double: equal texts are
// equal bits, and a failure shows the digits.
std::string exactText(double value) {
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), end};
}

struct AngleCase {
    const char* name;
    CheckedValue (*function)(const double&);
    double argument;
    const char* expected;  // the value's shortest exact text; ignored for a fault
    ArithmeticFault fault;
};

void PrintTo(const AngleCase& row, std::ostream* os) {
    *os << row.name;
}

class AngleFunction : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleFunction, GivesValueOrFault) {
    const AngleCase& row = GetParam();
    const CheckedValue result = row.function(row.argument);
    EXPECT_EQ(result.fault, row.fault);
    if (row.fault == ArithmeticFault::none) {
        EXPECT_EQ(exactText(result.value), row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AngleFunctions, AngleFunction,
    ::testing::Values(
        AngleCase{"AsinZero", &Asin, 0.0, "0", ArithmeticFault::none},
        // The principal formula's own double: one unit in the last place
        // above the double nearest to π/6.
        AngleCase{"AsinHalf", &Asin, 0.5, "0.5235987755982989", ArithmeticFault::none},
        AngleCase{"AsinNegative", &Asin, -0.5, "-0.5235987755982989", ArithmeticFault::none},
        AngleCase{"AsinOneDividesByZero", &Asin, 1.0, "0", ArithmeticFault::divisionByZero},
        AngleCase{"AsinMinusOneDividesByZero", &Asin, -1.0, "0", ArithmeticFault::divisionByZero},
        AngleCase{"AsinBeyondOne", &Asin, 1.5, "0", ArithmeticFault::negativeSquareRoot},
        AngleCase{"AsinHugeOverflows", &Asin, 1e200, "0", ArithmeticFault::overflow},
        AngleCase{"AcosOne", &Acos, 1.0, "0", ArithmeticFault::none},
        AngleCase{"AcosHalf", &Acos, 0.5, "1.0471975511965976", ArithmeticFault::none},
        AngleCase{"AcosZeroIsHalfPi", &Acos, 0.0, "1.5707963267948966", ArithmeticFault::none},
        AngleCase{"AcosNegativeIsPrincipal", &Acos, -0.5, "2.0943951023931957",
                  ArithmeticFault::none},
        AngleCase{"AcosMinusOneIsPi", &Acos, -1.0, "3.141592653589793", ArithmeticFault::none},
        AngleCase{"AcosBeyondOne", &Acos, -1.5, "0", ArithmeticFault::negativeSquareRoot},
        AngleCase{"InvoluteOfTwentyDegrees", &inv, 0.3490658503988659, "0.014904383867336446",
                  ArithmeticFault::none},
        AngleCase{"InvoluteOfZero", &inv, 0.0, "0", ArithmeticFault::none}),
    [](const auto& row) { return row.param.name; });

TEST(Asin, PrintsTheDigitsOfHalf) {
    EXPECT_EQ(textFromNumber(Asin(0.5).value), "0.523598775598299");
}

TEST(Asin, KeepsThePrincipalFormula) {
    // The formula Atn(x / Sqr(1 - x·x)) itself, not the library's asin: the
    // base helix angle's last digit follows from it.
    const double x = exactCos(20.0 * degToRad()) * exactSin(25.0 * degToRad());
    EXPECT_EQ(Asin(x).value, exactAtan(x / std::sqrt(1.0 - x * x)));
}

}  // namespace
}  // namespace involute::calc
