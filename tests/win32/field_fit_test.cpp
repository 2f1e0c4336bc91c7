#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "field_edit.h"
#include "system_colours.h"
#include "utf16_windows.h"
#include "window_driver.h"
#include "window_states.h"

namespace involute::testing {
namespace {

using ui::Control;

// The colour the screen shows inside a field's border, from its top left.
COLORREF pixelInside(HWND field, int x, int y) {
    UpdateWindow(field);
    const RECT inside = ui::win32::fieldInterior(field);
    HDC dc = GetWindowDC(field);
    const COLORREF colour =
        GetPixel(dc, x < 0 ? inside.right + x : inside.left + x, inside.top + y);
    ReleaseDC(field, dc);
    return colour;
}

// The rows inside the border above and below the ink of the text.
std::pair<int, int> blankRowsAboveAndBelow(HWND field) {
    const RECT inside = ui::win32::fieldInterior(field);
    const int width = std::min<int>(inside.right - inside.left, 40);  // the first digits
    const int height = inside.bottom - inside.top;
    const COLORREF blank = pixelInside(field, 0, 0);
    int first = -1;
    int last = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixelInside(field, x, y) != blank) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, height - 1 - last};
}

std::string tooltipText(HWND tooltip, HWND owner, HWND field) {
    std::array<wchar_t, 80> text{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    return utf8::utf8FromUtf16(text.data());
}

using Win32WindowFit = Win32WindowTest;

TEST_F(Win32WindowFit, AResultCutEvenAtTheSmallestSizeIsMarkedAndWholeInItsTooltip) {
    // The base circle's square overflows after the first results are written.
    type(Control::Text1, "-1.23456789012345e300");
    type(Control::Text2, "1");
    type(Control::Text4, "0");
    click(Control::Command1);
    ASSERT_EQ(text(Control::Text9), "-1.23456789012345E+300");
    const COLORREF mark = ui::win32::colourFromCode(0x000000C0);
    if (window().dpi() == USER_DEFAULT_SCREEN_DPI) {
        EXPECT_TRUE(ui::win32::hasCutMark(of(Control::Text9))) << "22 characters at 7 pt";
    }
    const std::vector<std::string> cut = controlsCuttingTheirText();
    for (const Control result : ui::kResultFields) {
        const bool isCut = std::count(cut.begin(), cut.end(), ui::controlName(result)) != 0;
        EXPECT_EQ(ui::win32::hasCutMark(of(result)), isCut) << ui::controlName(result);
        if (isCut) {
            EXPECT_EQ(pixelInside(of(result), -2, 1), mark) << ui::controlName(result);
            EXPECT_EQ(tooltipText(window().tooltip(), window().handle(), of(result)), text(result));
        }
    }

    type(Control::Text1, "2.25");
    type(Control::Text2, "25");
    type(Control::Text4, "25");
    click(Control::Command1);
    ASSERT_EQ(text(Control::Text9), "62.0650079416401");
    EXPECT_FALSE(ui::win32::hasCutMark(of(Control::Text9)));
    EXPECT_NE(pixelInside(of(Control::Text9), -2, 1), mark);
    EXPECT_EQ(SendMessageW(window().tooltip(), TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(Win32WindowFit, DigitsSitVerticallyCentredAndTheFieldColourFillsTheField) {
    click(Control::Command1);
    contract().setBackColor(Control::Text10, ui::kResultsStale);
    pump();
    for (const Control field : {Control::Text1, Control::Text9, Control::Text10}) {
        EXPECT_EQ(pixelInside(of(field), 0, 0), background(field)) << ui::controlName(field);
        const auto [above, below] = blankRowsAboveAndBelow(of(field));
        EXPECT_GE(above, 0);
        EXPECT_LE(std::abs(above - below), 1)
            << ui::controlName(field) << ": " << above << " above, " << below << " below";
    }
}

class Win32WindowFitAtDpi : public Win32WindowTest, public ::testing::WithParamInterface<UINT> {};

// The longest plain decimals a result shows: 15 significant digits after
// four zeros, with a sign.
TEST_P(Win32WindowFitAtDpi, EveryPlainDecimalResultShowsWhole) {
    RECT suggested{};
    GetWindowRect(window().handle(), &suggested);
    const UINT dpi = GetParam();
    SendMessageW(window().handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    type(Control::Text4, "0.001");
    type(Control::Text6, "57.91");
    click(Control::Command1);
    ASSERT_EQ(text(Control::Text11), "0.000939692620780328");
    for (const char* result : {"-0.000939692620780328", "-0.000888888888888888",
                               "-0.000444444444444444", "-88888888888888.8"}) {
        for (const Control field : ui::kResultFields) {
            contract().setText(field, result);
        }
        pump();
        EXPECT_EQ(controlsCuttingTheirText(), std::vector<std::string>{}) << result;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, Win32WindowFitAtDpi, ::testing::Values(96U, 120U, 144U, 192U));

}  // namespace
}  // namespace involute::testing
