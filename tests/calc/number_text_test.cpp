#include "number_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>

namespace involute::calc {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    double value;
};

void PrintTo(const ReadCase& row, std::ostream* os) {
    *os << row.name;
}

class ReadsNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadsNumber, GivesTheNearestDouble) {
    const NumberFromText number = numberFromText(GetParam().text);
    ASSERT_TRUE(number.ok()) << GetParam().text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(number.value),
              std::bit_cast<std::uint64_t>(GetParam().value))
        << GetParam().text << " read as " << number.value;
}

INSTANTIATE_TEST_SUITE_P(
    NumberFromText, ReadsNumber,
    ::testing::Values(
        ReadCase{"Integer", "25", 25.0}, ReadCase{"Decimal", "2.25", 2.25},
        ReadCase{"TrailingPoint", "5.", 5.0}, ReadCase{"LeadingPoint", ".5", 0.5},
        ReadCase{"PlusSign", "+65.7", 65.7}, ReadCase{"MinusSign", "-57.9", -57.9},
        ReadCase{"NegativeZeroKeepsSign", "-0", -0.0}, ReadCase{"Exponent", "1e3", 1000.0},
        ReadCase{"UpperExponent", "2.5E-2", 0.025}, ReadCase{"SignedExponent", "1.e+2", 100.0},
        ReadCase{"LeadingZeros", "000.000125", 0.000125}, ReadCase{"Blanks", " \t 20 \t", 20.0},
        ReadCase{"IdeographicSpace", "\u300020\u3000", 20.0},
        ReadCase{"SpreadsheetCell", "2.25\r\n", 2.25},
        ReadCase{"LineEndsAround", "\n\r 65.7\n", 65.7},
        ReadCase{"FullWidthDigits", "２．２５", 2.25},
        ReadCase{"IdeographicFullStop", "６５。７", 65.7},
        ReadCase{"FullWidthSignAndExponent", "－１ｅ３", -1000.0},
        ReadCase{"FullWidthUpperExponent", "＋２Ｅ－１", 0.2},
        ReadCase{"MixedWidths", "2５.７", 25.7}, ReadCase{"RoundsCorrectly", "0.1", 0.1},
        ReadCase{"HalfwayRoundsToEven", "9007199254740993", 9007199254740992.0},
        ReadCase{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadCase{"PrintedLargestDouble", "1.79769313486232E+308",
                 std::numeric_limits<double>::max()},
        ReadCase{"PrintedLargestDoubleOtherwiseWritten",
                 "-０１７９７６９３１３４８６２３２０．e２９３",
                 -std::numeric_limits<double>::max()},
        ReadCase{"SmallestSubnormal", "4.9406564584124654e-324",
                 std::numeric_limits<double>::denorm_min()},
        ReadCase{"UnderflowRoundsToZero", "1e-400", 0.0},
        ReadCase{"NegativeUnderflowKeepsSign", "-2e-324", -0.0},
        ReadCase{"HugeNegativeExponent", "1e-99999999999999999999", 0.0},
        ReadCase{"ZeroWithHugeExponent", "0e99999", 0.0}),
    [](const auto& row) { return row.param.name; });

struct RejectCase {
    const char* name;
    const char* text;
    NumberTextFault fault;
};

void PrintTo(const RejectCase& row, std::ostream* os) {
    *os << row.name;
}

class RejectsText : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectsText, WithItsFault) {
    const NumberFromText number = numberFromText(GetParam().text);
    EXPECT_EQ(number.fault, GetParam().fault) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    NumberFromText, RejectsText,
    ::testing::Values(
        RejectCase{"Empty", "", NumberTextFault::empty},
        RejectCase{"OnlyBlanks", " \t\u3000", NumberTextFault::empty},
        RejectCase{"OnlyLineEnds", "\r\n", NumberTextFault::empty},
        RejectCase{"LineEndInside", "2\r\n25", NumberTextFault::notANumber},
        RejectCase{"LineEndInExponent", "1e\n3", NumberTextFault::notANumber},
        RejectCase{"Comma", "1,5", NumberTextFault::notANumber},
        RejectCase{"Hex", "0x10", NumberTextFault::notANumber},
        RejectCase{"Infinity", "inf", NumberTextFault::notANumber},
        RejectCase{"SignedInfinity", "-infinity", NumberTextFault::notANumber},
        RejectCase{"NaN", "nan", NumberTextFault::notANumber},
        RejectCase{"Unit", "2.25mm", NumberTextFault::notANumber},
        RejectCase{"Letters", "abc", NumberTextFault::notANumber},
        RejectCase{"LonePoint", ".", NumberTextFault::notANumber},
        RejectCase{"LoneSign", "-", NumberTextFault::notANumber},
        RejectCase{"DoubleSign", "+-1", NumberTextFault::notANumber},
        RejectCase{"TwoPoints", "1.2.3", NumberTextFault::notANumber},
        RejectCase{"ExponentWithoutDigits", "1e", NumberTextFault::notANumber},
        RejectCase{"ExponentWithoutMantissa", "e5", NumberTextFault::notANumber},
        RejectCase{"BlankInside", "2 25", NumberTextFault::notANumber},
        RejectCase{"IdeographicSpaceInside", "2\u300025", NumberTextFault::notANumber},
        RejectCase{"FullWidthComma", "1，5", NumberTextFault::notANumber},
        RejectCase{"ChineseNumeral", "二十", NumberTextFault::notANumber},
        RejectCase{"BrokenUtf8", "2\xE4\xB8", NumberTextFault::notANumber},
        RejectCase{"OverlongUtf8Digit", "\xC0\xB5", NumberTextFault::notANumber},
        RejectCase{"OverlongThreeByteDigit", "\xE0\x80\xB2", NumberTextFault::notANumber},
        RejectCase{"OverlongFourByteDigit", "\xF0\x80\x80\xB2", NumberTextFault::notANumber},
        RejectCase{"TooLarge", "1e309", NumberTextFault::tooLarge},
        RejectCase{"NegativeTooLarge", "-2e308", NumberTextFault::tooLarge},
        RejectCase{"JustAbovePrintedLargestDouble", "1.797693134862320001e308",
                   NumberTextFault::tooLarge},
        RejectCase{"AbovePrintedLargestDoubleByExponent", "1.79769313486232e309",
                   NumberTextFault::tooLarge},
        RejectCase{"HugeExponent", "1e99999999999999999999", NumberTextFault::tooLarge}),
    [](const auto& row) { return row.param.name; });

struct NumberAroundCase {
    const char16_t* text;
    std::size_t index;
    const char16_t* number;
};

class NumberAround : public ::testing::TestWithParam<NumberAroundCase> {};

TEST_P(NumberAround, SpansTheWholeNumber) {
    const std::u16string_view text = GetParam().text;
    const TextSpan span = numberAround(text, GetParam().index);
    EXPECT_EQ(text.substr(span.begin, span.end - span.begin), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, NumberAround,
    ::testing::Values(NumberAroundCase{u"56.2500000085674", 8, u"56.2500000085674"},
                      NumberAroundCase{u"-1.5E+300", 7, u"-1.5E+300"},
                      NumberAroundCase{u"９．３９Ｅ－０４", 0, u"９．３９Ｅ－０４"},
                      NumberAroundCase{u" 2.25 mm", 5, u"2.25"},
                      NumberAroundCase{u"2,25", 2, u"25"}, NumberAroundCase{u"模数", 1, u""},
                      NumberAroundCase{u"25", 9, u"25"}));

TEST(NumberFromText, RejectsEmbeddedNul) {
    EXPECT_EQ(numberFromText(std::string_view("5\0", 2)).fault, NumberTextFault::notANumber);
}

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const FormatCase& row, std::ostream* os) {
    *os << row.name;
}

class FormatsNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatsNumber, InGeneralFormWithFifteenDigits) {
    EXPECT_EQ(textFromNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    TextFromNumber, FormatsNumber,
    ::testing::Values(FormatCase{"ReferenceDiameter", 62.065007941640147, "62.0650079416401"},
                      FormatCase{"FifteenDigitInteger", 123456789012345.0, "123456789012345"},
                      FormatCase{"SixteenDigitsRound", 1234567890123456.0, "1.23456789012346E+15"},
                      FormatCase{"ExponentFifteen", 1e15, "1E+15"},
                      FormatCase{"RoundsUpToExponentForm", 999999999999999.9, "1E+15"},
                      FormatCase{"SmallestPlain", 0.0001, "0.0001"},
                      FormatCase{"ExponentMinusFive", 0.00001, "1E-05"},
                      FormatCase{"LargeExponent", 1.5e300, "1.5E+300"},
                      FormatCase{"LargestDouble", std::numeric_limits<double>::max(),
                                 "1.79769313486232E+308"},
                      FormatCase{"Subnormal", 4.9406564584124654e-324, "4.94065645841247E-324"},
                      FormatCase{"Negative", -2.5, "-2.5"}, FormatCase{"Zero", 0.0, "0"},
                      FormatCase{"NegativeZero", -0.0, "0"},
                      FormatCase{"TrailingZerosDropped", 6.5, "6.5"},
                      FormatCase{"Integer", 40.0, "40"}),
    [](const auto& row) { return row.param.name; });

TEST(TextFromNumber, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    // A German locale writes "2,25"; nothing here may follow it.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    const std::string text = textFromNumber(2.25);
    const NumberFromText number = numberFromText("2.25");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "2.25");
    EXPECT_EQ(number.value, 2.25);
}

TEST(TextFromNumber, ReadsBackToTheSameText) {
    for (const double value :
         {62.065007941640147, 1e-300, 6.02214076e23, -0.1, 1.0 / 3.0,
          std::numeric_limits<double>::max(), -std::numeric_limits<double>::denorm_min()}) {
        const std::string text = textFromNumber(value);
        const NumberFromText number = numberFromText(text);
        ASSERT_TRUE(number.ok()) << text;
        EXPECT_EQ(textFromNumber(number.value), text);
    }
}

}  // namespace
}  // namespace involute::calc
