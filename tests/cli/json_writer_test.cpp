#include "json_writer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <regex>

#include <charconv>
#include <cmath>
#include <string>

#include "number_text.h"

namespace involute::cli {
namespace {

struct StringCase {
    const char* name;
    std::string text;
    std::string json;
};

void PrintTo(const StringCase& row, std::ostream* os) {
    *os << row.name;
}

class JsonString : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonString, IsEscaped) {
    std::string out;
    appendJsonString(out, GetParam().text);
    EXPECT_EQ(out, GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonString,
    ::testing::Values(
        StringCase{"Plain", "2.25", R"("2.25")"},
        StringCase{"Chinese", "模数 “2,25” 不是有效的数字", R"("模数 “2,25” 不是有效的数字")"},
        StringCase{"QuoteAndBackslash", R"(a"b\c)", R"("a\"b\\c")"},
        StringCase{"LineBreaksAndTab", "a\r\nb\tc", R"("a\r\nb\tc")"},
        StringCase{"OtherControlCharacters", std::string("\x01\x1f\x7f", 3),
                   "\"\\u0001\\u001f\x7f\""},
        StringCase{"Nul", std::string("a\0b", 3), R"("a\u0000b")"},
        StringCase{"FourByteCharacter", "\xF0\x9F\x94\xA7", "\"\xF0\x9F\x94\xA7\""},
        StringCase{"StrayContinuationByte", "a\x80z", "\"a\xEF\xBF\xBDz\""},
        StringCase{"GbkBytes", "\xD6\xD0", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},  // 中
        StringCase{"TruncatedSequence", "\xE6\xA8", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"OverlongSlash", "\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"Surrogate", "\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        StringCase{"BeyondUnicode", "\xF4\x90\x80\x80",
                   "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}),
    [](const auto& row) { return row.param.name; });

// The number grammar of RFC 8259.
const std::regex kJsonNumber(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");

struct NumberCase {
    const char* name;
    double value;
    const char* json;
};

void PrintTo(const NumberCase& row, std::ostream* os) {
    *os << row.name;
}

class JsonNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumber, IsValidAndReadsBackToThePrintedDigits) {
    std::string out;
    appendJsonNumber(out, GetParam().value);
    EXPECT_EQ(out, GetParam().json);
    EXPECT_TRUE(std::regex_match(out, kJsonNumber)) << out;

    // What a JSON reader gets, printed again, gives the same digits.
    double readBack = 0.0;
    const auto [stop, error] = std::from_chars(out.data(), out.data() + out.size(), readBack);
    ASSERT_EQ(error, std::errc{});
    ASSERT_EQ(stop, out.data() + out.size());
    EXPECT_EQ(calc::textFromNumber(readBack), out);
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonNumber,
    ::testing::Values(NumberCase{"Diameter", 62.06500794164009, "62.0650079416401"},
                      NumberCase{"Integer", 40.0, "40"}, NumberCase{"Zero", 0.0, "0"},
                      NumberCase{"NegativeZero", -0.0, "0"}, NumberCase{"Negative", -2.5, "-2.5"},
                      NumberCase{"FifteenDigits", 123456789012345.0, "123456789012345"},
                      NumberCase{"ExponentAbove", 1e15, "1E+15"},
                      NumberCase{"SmallPlain", 0.0001, "0.0001"},
                      NumberCase{"ExponentBelow", 1e-5, "1E-05"},
                      NumberCase{"Huge", 1.5e300, "1.5E+300"},
                      // Within 5e-15 of the largest double the 15 digits round
                      // beyond it, so only values below that are tested here.
                      NumberCase{"NearLargest", 1.7976931348623e308, "1.7976931348623E+308"},
                      NumberCase{"Subnormal", 5e-324, "4.94065645841247E-324"}),
    [](const auto& row) { return row.param.name; });

TEST(JsonNumber, AbsentIsNull) {
    std::string out;
    appendJsonNumber(out, std::nullopt);
    EXPECT_EQ(out, "null");
}

}  // namespace
}  // namespace involute::cli
