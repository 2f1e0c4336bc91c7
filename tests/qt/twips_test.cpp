#include "qt_twips.h"

#include <gtest/gtest.h>

#include <ostream>

namespace involute {
namespace {

using ui::qt::clampedInto;
using ui::qt::pixelsFromTwips;

struct TwipsCase {
    const char* name;
    int twips;
    double dpi;
    int pixels;
};

void PrintTo(const TwipsCase& row, std::ostream* os) {
    *os << row.name;
}

class PixelsFromTwips : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(PixelsFromTwips, RoundsToTheNearestPixel) {
    EXPECT_EQ(pixelsFromTwips(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Dpi, PixelsFromTwips,
    ::testing::Values(TwipsCase{"ClientWidthAt96", 8055, 96, 537},
                      TwipsCase{"FieldHeightAt96", 270, 96, 18},
                      TwipsCase{"FieldWidthAt120RoundsDown", 1575, 120, 131},    // 131.25
                      TwipsCase{"FieldWidthAt144HalfRoundsUp", 1575, 144, 158},  // 157.5
                      TwipsCase{"LabelHeightAt72", 255, 72, 13},                 // 12.75
                      TwipsCase{"Zero", 0, 144, 0},
                      TwipsCase{"NegativeHalfAwayFromZero", -30, 72, -2}),  // -1.5
    [](const auto& row) { return row.param.name; });

TEST(PixelsFromTwips, ConvertsEachSideOfARectOnItsOwn) {
    EXPECT_EQ(pixelsFromTwips(ui::TwipsRect{1440, 480, 1575, 270}, QPointF(96, 120)),
              QRect(96, 40, 105, 23));
}

struct ClampCase {
    const char* name;
    QRect available;
    QPoint placed;
};

void PrintTo(const ClampCase& row, std::ostream* os) {
    *os << row.name;
}

class ClampedInto : public ::testing::TestWithParam<ClampCase> {};

// The window's client area at its design position, 96 DPI.
const QRect kDesign(100, 145, 537, 280);

TEST_P(ClampedInto, MovesTheLeastToFit) {
    const QRect placed = clampedInto(kDesign, GetParam().available);
    EXPECT_EQ(placed.topLeft(), GetParam().placed);
    EXPECT_EQ(placed.size(), kDesign.size());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ClampedInto,
    ::testing::Values(ClampCase{"FitsStaysPut", QRect(0, 0, 1920, 1080), QPoint(100, 145)},
                      ClampCase{"PanelOnTheLeft", QRect(200, 0, 1720, 1080), QPoint(200, 145)},
                      ClampCase{"ShortScreen", QRect(0, 0, 800, 400), QPoint(100, 120)},
                      ClampCase{"NarrowScreen", QRect(0, 0, 600, 600), QPoint(63, 145)},
                      ClampCase{"TooSmallGoesToTheCorner", QRect(10, 20, 400, 200), QPoint(10, 20)},
                      ClampCase{"SecondScreenToTheRight", QRect(1920, 0, 1280, 1024),
                                QPoint(1920, 145)}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute
