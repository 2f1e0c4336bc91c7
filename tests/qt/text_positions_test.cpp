#include "text_positions.h"

#include <gtest/gtest.h>

#include <ostream>

namespace involute {
namespace {

struct PositionCase {
    const char* name;
    const char16_t* text;
    qsizetype from;
    int characters;
    qsizetype index;
};

void PrintTo(const PositionCase& row, std::ostream* os) {
    *os << row.name;
}

class Utf16IndexAfter : public ::testing::TestWithParam<PositionCase> {};

TEST_P(Utf16IndexAfter, CountsCodePoints) {
    EXPECT_EQ(ui::qt::utf16IndexAfter(QString::fromUtf16(GetParam().text), GetParam().from,
                                      GetParam().characters),
              GetParam().index);
}

// U+1D7D0 MATHEMATICAL BOLD DIGIT TWO takes two UTF-16 units.
INSTANTIATE_TEST_SUITE_P(Texts, Utf16IndexAfter,
                         ::testing::Values(PositionCase{"AsciiStart", u"65.7", 0, 0, 0},
                                           PositionCase{"AsciiMiddle", u"65.7", 0, 2, 2},
                                           PositionCase{"ChineseIsOneUnitEach", u"渐开线", 0, 2, 2},
                                           PositionCase{"FullWidthDigits", u"２．２５", 1, 2, 3},
                                           PositionCase{"PairCountsOnce", u"\U0001D7D0.5", 0, 1, 2},
                                           PositionCase{"AfterPair", u"\U0001D7D0.5", 0, 2, 3},
                                           PositionCase{"FromInsideText", u"a\U0001D7D0b", 1, 1, 3},
                                           PositionCase{"ClampedToTheEnd", u"25", 0, 9, 2},
                                           PositionCase{"LoneHighSurrogateIsOne", u"\xD835x", 0, 1,
                                                        1},
                                           PositionCase{"EmptyText", u"", 0, 3, 0}),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute
