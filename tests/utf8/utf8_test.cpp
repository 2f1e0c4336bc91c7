// The one UTF-8 decoder and the escaping of user text in messages.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "printable_text.h"
#include "utf8.h"

namespace involute::utf8 {
namespace {

struct DecodeCase {
    const char* name;
    std::string_view text;
    std::size_t firstMalformed;  // npos when valid
    std::size_t characters;
};

class Decoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, FindsTheFirstMalformedByteAndCountsCharacters) {
    EXPECT_EQ(firstMalformed(GetParam().text), GetParam().firstMalformed);
    EXPECT_EQ(characterCount(GetParam().text), GetParam().characters);
}

constexpr std::size_t kValid = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(
    Utf8, Decoding,
    ::testing::Values(DecodeCase{"Ascii", "m=2", kValid, 3},
                      DecodeCase{"Chinese", "模数", kValid, 2},
                      DecodeCase{"Extremes", "\xC2\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF", kValid, 3},
                      DecodeCase{"OverlongTwoByte", "a\xC0\xB2", 1, 3},
                      DecodeCase{"OverlongThreeByte", "\xE0\x80\xB2", 0, 3},
                      DecodeCase{"OverlongFourByte", "\xF0\x8F\xBF\xBF", 0, 4},
                      DecodeCase{"Surrogate", "1\xED\xA0\x80", 1, 4},
                      DecodeCase{"BeyondU10FFFF", "\xF4\x90\x80\x80", 0, 4},
                      DecodeCase{"F5LeadByte", "\xF5\x80\x80\x80", 0, 4},
                      DecodeCase{"StrayContinuation", "\x84", 0, 1},
                      DecodeCase{"TruncatedAtEnd", "\xE6\xA8", 0, 2},
                      DecodeCase{"GbkBytes", "\xC4\xA3\xCA\xFD", 2, 3}),
    [](const auto& row) { return row.param.name; });

TEST(Decoding, GivesTheCodePoint) {
    const Character character = firstCharacter("\xF0\x9F\x94\xA7");
    EXPECT_TRUE(character.valid);
    EXPECT_EQ(character.codePoint, U'\U0001F527');
    EXPECT_EQ(character.length, 4U);
}

struct PrintableCase {
    const char* name;
    std::string_view text;
    std::size_t limit;
    std::string_view shown;
};

class Printable : public ::testing::TestWithParam<PrintableCase> {};

TEST_P(Printable, EscapesControlsAndBrokenBytes) {
    EXPECT_EQ(printableText(GetParam().text, GetParam().limit), GetParam().shown);
}

constexpr std::size_t kNoLimit = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(
    Utf8, Printable,
    ::testing::Values(PrintableCase{"PlainTextStays", "２．２５ mm", kNoLimit, "２．２５ mm"},
                      PrintableCase{"TerminalSequence", "\x1B[2J1", kNoLimit, "\\x1B[2J1"},
                      PrintableCase{"LineBreakAndDelete", "1\n\x7F", kNoLimit, "1\\x0A\\x7F"},
                      PrintableCase{"C1Control",
                                    "\xC2\x9B"
                                    "31m",
                                    kNoLimit, "\\xC2\\x9B31m"},
                      PrintableCase{"MalformedBytes", "3\x84\xE0\x80\xB2", kNoLimit,
                                    "3\\x84\\xE0\\x80\\xB2"},
                      PrintableCase{"CutAfterLimitCharacters", "一二三四五", 3, "一二三…"},
                      PrintableCase{"EscapeCountsAsFour", "12\x84\x84", 9, "12\\x84…"},
                      PrintableCase{"EscapeIsNeverSplit", "\x84\x84", 7, "\\x84…"},
                      PrintableCase{"ExactFitIsNotCut", "\x84", 4, "\\x84"}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::utf8
