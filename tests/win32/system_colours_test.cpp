#include "system_colours.h"

#include <gtest/gtest.h>

namespace involute::ui::win32 {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(240, 240, 240);
constexpr COLORREF kBlue = RGB(0, 0, 128);

// Three colour schemes: menu, window and button face.
DWORD WINAPI distinct(int index) {
    return index == COLOR_MENU ? RGB(1, 2, 3) : index == COLOR_WINDOW ? kWhite : kGrey;
}
DWORD WINAPI menuLikeWindow(int index) {
    return index == COLOR_BTNFACE ? kGrey : kWhite;
}
DWORD WINAPI allWhite(int /*index*/) {
    return kWhite;
}
DWORD WINAPI allNavy(int /*index*/) {
    return kBlue;
}

TEST(ColourFromCode, SystemColoursComeFromTheScheme) {
    EXPECT_EQ(colourFromCode(0x80000004, &distinct), RGB(1, 2, 3));
    EXPECT_EQ(colourFromCode(0x80000005, &distinct), kWhite);
    EXPECT_EQ(colourFromCode(0x8000000F, &distinct), kGrey);
}

TEST(ColourFromCode, MenuColourEqualToTheWindowsStandsOutAsButtonFace) {
    EXPECT_EQ(colourFromCode(0x80000004, &menuLikeWindow), kGrey);
    EXPECT_EQ(colourFromCode(0x80000005, &menuLikeWindow), kWhite);
}

TEST(ColourFromCode, WithoutAnyOtherColourTheMenuColourIsShaded) {
    EXPECT_EQ(colourFromCode(0x80000004, &allWhite), RGB(224, 224, 224));
    EXPECT_EQ(colourFromCode(0x80000004, &allNavy), RGB(31, 31, 143));
}

TEST(ColourFromCode, RgbHasRedInTheLowByte) {
    EXPECT_EQ(colourFromCode(0x000000C0, &allWhite), RGB(0xC0, 0, 0));
    EXPECT_EQ(colourFromCode(0x7F00FF00, &allWhite), RGB(0, 0xFF, 0));
}

}  // namespace
}  // namespace involute::ui::win32
