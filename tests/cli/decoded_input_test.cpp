// DecodedInput on its own: characters cut by the 64 KiB pieces it reads in,
// and bytes that do not decode.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "decoded_input.h"
#include "text_encoding.h"

namespace involute::cli {
namespace {

constexpr std::size_t kPiece = std::size_t{1} << 16;

std::string decodedText(const std::string& bytes, std::optional<TextEncoding> encoding) {
    std::istringstream in(bytes);
    DecodedInput input(in, encoding);
    std::string text;
    std::string piece;
    while (input.read(piece)) {
        text += piece;
    }
    return text;
}

struct DecodeCase {
    const char* name;
    std::optional<TextEncoding> encoding;
    std::string bytes;
    std::string text;
    bool fourByteGb18030 = false;
};

// Windows systems without code page 54936 (wine among them) convert GBK, the
// two-byte part of GB18030, only.
bool systemHasFourByteGb18030() {
    platform::TextConverter converter(TextEncoding::gb18030, TextEncoding::utf8);
    std::string out;
    return !converter.convert("\x95\x32\x82\x36", out).undecodable;
}

void PrintTo(const DecodeCase& row, std::ostream* os) {
    *os << row.name;
}

class Decoded : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decoded, Text) {
    if (GetParam().fourByteGb18030 && !systemHasFourByteGb18030()) {
        GTEST_SKIP() << "this system's converter has GBK but not GB18030's four-byte characters";
    }
    // Compared as a truth value: a mismatch of 64 KiB would flood the log.
    const std::string text = decodedText(GetParam().bytes, GetParam().encoding);
    EXPECT_TRUE(text == GetParam().text)
        << "ends in " << text.substr(text.size() - std::min<std::size_t>(text.size(), 12));
}

const std::string kFiller(kPiece - 2, 'a');
const std::string kFillerUtf16(kPiece - 2, '\0');  // U+0000 up to two bytes before the cut

INSTANTIATE_TEST_SUITE_P(
    Input, Decoded,
    ::testing::Values(
        DecodeCase{"Utf8CharacterAcrossPieces", std::nullopt, kFiller + "中z", kFiller + "中z"},
        DecodeCase{"Gb18030FourBytesAcrossPieces", TextEncoding::gb18030,
                   kFiller + "\x95\x32\x82\x36z", kFiller + "𠀀z", true},
        DecodeCase{"GbkTwoBytesAcrossPieces", TextEncoding::gb18030, kFiller + "a\xD6\xD0z",
                   kFiller + "a中z"},
        DecodeCase{"Utf16SurrogatePairAcrossPieces", TextEncoding::utf16le,
                   kFillerUtf16 + std::string("\x00\xD8\x00\xDC", 4),
                   std::string((kPiece - 2) / 2, '\0') + "𐀀"},
        DecodeCase{"Utf8CutAtTheEnd", TextEncoding::utf8, "ab\xE4\xB8",
                   "ab\xFF"
                   "E4\xFF"
                   "B8"},
        DecodeCase{"Utf8Overlong", TextEncoding::utf8, "\xE0\x80\xB2",
                   "\xFF"
                   "E0\xFF"
                   "80\xFF"
                   "B2"},
        DecodeCase{"Utf8MarkByteItself", TextEncoding::utf8, "\xFF",
                   "\xFF"
                   "FF"},
        DecodeCase{"Gb18030StrayByte", TextEncoding::gb18030, "\xD6\xD0\xFFz",
                   "中\xFF"
                   "FFz"},
        // Code page 936's euro sign, as Chinese Excel writes it.
        DecodeCase{"GbkEuroSign", TextEncoding::gb18030, "\x80\xD6\xD0\x80", "€中€"},
        DecodeCase{"GbkWithEuroSignFound", std::nullopt, "\xD6\xD0,\x80", "中,€"},
        // A UTF-8 table with one stray byte stays UTF-8: only that byte is undecodable.
        DecodeCase{"Utf8WithAStrayByte", std::nullopt, "齿轮\nbad\x80x\n",
                   "齿轮\nbad\xFF"
                   "80x\n"},
        DecodeCase{"Utf16LoneSurrogate", TextEncoding::utf16le, std::string("\x00\xD8\x41\x00", 4),
                   "\xFF"
                   "00\xFF"
                   "D8A"},
        DecodeCase{"Utf16OddLastByte", TextEncoding::utf16be, std::string("\x00\x41\x00", 3),
                   std::string("A\xFF"
                               "00")},
        DecodeCase{"ByteOrderMarkOfAnotherEncodingIsText", TextEncoding::gb18030,
                   "\xEF\xBB\xBF\xBF", "锘靠"}),
    [](const auto& row) { return row.param.name; });

TEST(DecodedInput, MarksReadBack) {
    const std::string text = decodedText("x\x80", TextEncoding::utf8);
    const std::optional<UndecodableByte> found = firstUndecodable(text);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->position, 1U);
    EXPECT_EQ(found->value, 0x80);
    EXPECT_EQ(withUndecodableShown(text), "x\\x80");
}

}  // namespace
}  // namespace involute::cli
