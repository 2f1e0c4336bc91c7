// Fitting a text to its field and centring its digits, on a made-up face.
#include "text_fit.h"

#include <gtest/gtest.h>

#include <ostream>

namespace involute::ui {
namespace {

// Half-width characters (half the font's height wide) on a line 1.5 times
// the font's height.
class HalfWidthFace final : public TextMeasure {
  public:
    explicit HalfWidthFace(int characters) : characters_(characters) {}
    [[nodiscard]] int textWidth(int fontPixels) const override {
        return characters_ * fontPixels / 2;
    }
    [[nodiscard]] int lineHeight(int fontPixels) const override { return fontPixels * 3 / 2; }

  private:
    int characters_;
};

struct FitCase {
    const char* name;
    int characters;
    TextRoom room;
    bool readOnly;
    TextFit fit;
};

void PrintTo(const FitCase& row, std::ostream* os) {
    *os << row.name;
}

class FieldFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(FieldFit, TakesTheLargestSizeThatShowsTheTextWhole) {
    const FitCase& row = GetParam();
    const TextFit fit =
        fitText(HalfWidthFace(row.characters), row.room, fieldFontPixels(96), row.readOnly);
    EXPECT_EQ(fit.fontPixels, row.fit.fontPixels);
    EXPECT_EQ(fit.cut, row.fit.cut);
}

// At 96 DPI the sizes run from 12 pixels down to 9.
INSTANTIATE_TEST_SUITE_P(
    Texts, FieldFit,
    ::testing::Values(FitCase{"ShortAtFullSize", 2, {100, 18}, true, {12, false}},
                      FitCase{"ExactlyTheRoom", 16, {96, 18}, true, {12, false}},
                      FitCase{"OnePixelWider", 16, {95, 18}, true, {11, false}},
                      FitCase{"SmallestThatFits", 21, {94, 18}, true, {9, false}},
                      FitCase{"TooWideResultIsCut", 22, {94, 18}, true, {9, true}},
                      FitCase{"TooWideInputScrolls", 22, {94, 18}, false, {9, false}},
                      FitCase{"LineTooTallShrinks", 2, {100, 16}, false, {11, false}}),
    [](const auto& row) { return row.param.name; });

struct DpiCase {
    double dpi;
    FontPixels pixels;
};

class SizesAtDpi : public ::testing::TestWithParam<DpiCase> {};

// 9 points rounded; 7 points as 96 DPI shows them, scaled and rounded down.
TEST_P(SizesAtDpi, ScaleTheSmallestDown) {
    const FontPixels pixels = fieldFontPixels(GetParam().dpi);
    EXPECT_EQ(pixels.largest, GetParam().pixels.largest);
    EXPECT_EQ(pixels.smallest, GetParam().pixels.smallest);
}

INSTANTIATE_TEST_SUITE_P(Dpi, SizesAtDpi,
                         ::testing::Values(DpiCase{96, {12, 9}}, DpiCase{120, {15, 11}},
                                           DpiCase{144, {18, 13}}, DpiCase{192, {24, 18}}));

TEST(InkCentredLineTop, CentresTheDigitsNotTheLine) {
    // Ink 9 high, 3 below the line's top, in 16 rows: 3 above, 4 below.
    EXPECT_EQ(inkCentredLineTop(16, {3, 9}), 0);
    // A CJK face's line has much blank above its digits: it starts above the room.
    EXPECT_EQ(inkCentredLineTop(14, {7, 9}), -5);
    EXPECT_EQ(inkCentredLineTop(20, {0, 10}), 5);
}

}  // namespace
}  // namespace involute::ui
