// Character positions of the window contract as UTF-16 indexes.
#include "utf16_positions.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace involute::utf8 {
namespace {

// In place of a count: the index one character back.
constexpr int kOneBack = std::numeric_limits<int>::min();

struct PositionCase {
    const char* name;
    std::u16string_view text;
    std::size_t from;
    int characters;
    std::size_t index;
};

void PrintTo(const PositionCase& row, std::ostream* os) {
    *os << row.name;
}

class Utf16Positions : public ::testing::TestWithParam<PositionCase> {};

TEST_P(Utf16Positions, CountCodePoints) {
    const PositionCase& row = GetParam();
    EXPECT_EQ(row.characters == kOneBack ? utf16IndexBefore(row.text, row.from)
                                         : utf16IndexAfter(row.text, row.from, row.characters),
              row.index);
}

// U+1D7D0 MATHEMATICAL BOLD DIGIT TWO takes two UTF-16 units.
INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16Positions,
    ::testing::Values(PositionCase{"AsciiStart", u"65.7", 0, 0, 0},
                      PositionCase{"AsciiMiddle", u"65.7", 0, 2, 2},
                      PositionCase{"ChineseIsOneUnitEach", u"渐开线", 0, 2, 2},
                      PositionCase{"FullWidthDigits", u"２．２５", 1, 2, 3},
                      PositionCase{"PairCountsOnce", u"\U0001D7D0.5", 0, 1, 2},
                      PositionCase{"AfterPair", u"\U0001D7D0.5", 0, 2, 3},
                      PositionCase{"FromInsideText", u"a\U0001D7D0b", 1, 1, 3},
                      PositionCase{"ClampedToTheEnd", u"25", 0, 9, 2},
                      PositionCase{"FromBeyondTheEnd", u"25", 7, 1, 2},
                      PositionCase{"NegativeCountStays", u"65.7", 1, -5, 1},
                      PositionCase{"LoneHighSurrogateIsOne", u"\xD835x", 0, 1, 1},
                      PositionCase{"LoneLowSurrogateIsOne", u"\xDC00x", 0, 1, 1},
                      PositionCase{"EmptyText", u"", 0, 3, 0},
                      PositionCase{"BackOverAscii", u"65.7", 2, kOneBack, 1},
                      PositionCase{"BackOverPair", u"a\U0001D7D0b", 3, kOneBack, 1},
                      PositionCase{"BackOverLoneLow", u"a\xDC00", 2, kOneBack, 1},
                      PositionCase{"BackAtTheStart", u"25", 0, kOneBack, 0}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::utf8
