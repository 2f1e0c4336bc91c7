// The system's text converter (iconv here, MultiByteToWideChar on Windows) on
// byte sequences written out by hand, so that each system's converter is held
// to the same bytes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text_encoding.h"

namespace involute::platform {
namespace {

struct ConversionCase {
    const char* name;
    TextEncoding from;
    TextEncoding to;
    std::string bytes;
    std::string expected;  // what is appended
    std::size_t converted;
    bool undecodable;
};

void PrintTo(const ConversionCase& row, std::ostream* out) {
    *out << row.name;
}

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, TakesWholeCharactersAndStopsAtBytesThatAreNoText) {
    const ConversionCase& row = GetParam();
    TextConverter converter(row.from, row.to);
    std::string out = "<";
    const TextConverter::Stop stop = converter.convert(row.bytes, out);
    EXPECT_EQ(out, "<" + row.expected);
    EXPECT_EQ(stop.converted, row.converted);
    EXPECT_EQ(stop.undecodable, row.undecodable);
}

using enum TextEncoding;

// 齿轮 is B3 DD C2 D6 in GBK and GB18030.
INSTANTIATE_TEST_SUITE_P(
    System, Conversion,
    ::testing::Values(
        ConversionCase{"GbkToUtf8", gb18030, utf8, "m=\xB3\xDD\xC2\xD6", "m=齿轮", 6, false},
        ConversionCase{"Utf8ToGb18030", utf8, gb18030, "齿轮 ", "\xB3\xDD\xC2\xD6 ", 7, false},
        ConversionCase{"GbkLeadByteCutOffWaits", gb18030, utf8, "a\xB3", "a", 1, false},
        ConversionCase{"GbkByteThatLeadsNothing", gb18030, utf8, "a\x80z", "a", 1, true},
        ConversionCase{"GbkLeadWithoutTrail", gb18030, utf8, "\xB3\xDD\xB3\x20", "齿", 2, true},
        ConversionCase{"Utf16LittleEndianToUtf8", utf16le, utf8, std::string("\x7F\x9F\x6E\x8F", 4),
                       "齿轮", 4, false},
        ConversionCase{"Utf16BigEndianSurrogatePair", utf16be, utf8,
                       std::string("\xD8\x40\xDC\x00", 4), "𠀀", 4, false},
        ConversionCase{"Utf16HalfUnitWaits", utf16le, utf8, std::string("a\0b", 3), "a", 2, false},
        ConversionCase{"Utf16LoneLowSurrogate", utf16le, utf8, std::string("a\0\x00\xDC", 4), "a",
                       2, true},
        ConversionCase{"Utf8ToUtf16LittleEndian", utf8, utf16le, "齿", std::string("\x7F\x9F", 2),
                       3, false},
        ConversionCase{"Utf8OverlongIsNoText", utf8, gb18030, "2\xE0\x80\xB2", "2", 1, true},
        ConversionCase{"Utf8CutOffWaits", utf8, gb18030, "2\xE9\xBD", "2", 1, false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace involute::platform
