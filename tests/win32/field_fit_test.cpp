#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/platform/utf16_windows.h"
#include "tests/win32/window_driver.h"
#include "ui/win32/field_edit.h"
#include "ui/win32/system_colours.h"
#include "ui/window_states.h"

namespace involute::testing {
namespace {

using ui::Control;

// What the screen shows of a field, inside its border.
class FieldPicture {
  public:
    explicit FieldPicture(HWND edit)
        : edit_(edit), dc_(GetWindowDC(edit)), interior_(ui::win32::fieldInterior(edit)) {}
    ~FieldPicture() { ReleaseDC(edit_, dc_); }
    FieldPicture(const FieldPicture&) = delete;
    FieldPicture& operator=(const FieldPicture&) = delete;

    [[nodiscard]] COLORREF topLeftCorner() const {
        return GetPixel(dc_, interior_.left, interior_.top);
    }
    [[nodiscard]] COLORREF topRightCorner() const {
        return GetPixel(dc_, interior_.right - 2, interior_.top + 1);
    }

    // Rows above and below the ink of the text, where the field shows only
    // the colour of its top left corner.
    [[nodiscard]] std::pair<int, int> blankRowsAboveAndBelow() const {
        const COLORREF blank = topLeftCorner();
        int first = -1;
        int last = -1;
        for (int y = interior_.top; y < interior_.bottom; ++y) {
            for (int x = interior_.left; x < interior_.right; ++x) {
                if (GetPixel(dc_, x, y) != blank) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
            }
        }
        return {first - interior_.top, interior_.bottom - 1 - last};
    }

  private:
    HWND edit_;
    HDC dc_;
    RECT interior_;
};

std::string tooltipText(HWND tooltip, HWND owner, HWND field) {
    std::array<wchar_t, 80> text{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    return platform::utf8FromUtf16(text.data());
}

bool atDpi(UINT dpi) {
    const char* configured = std::getenv("INVOLUTE_TEST_DPI");
    return configured != nullptr && std::stoul(configured) == dpi;
}

using Win32WindowFit = Win32WindowTest;

TEST_F(Win32WindowFit, AResultCutEvenAtTheSmallestSizeIsMarkedAndWholeInItsTooltip) {
    // The base circle's square overflows after the first result is written.
    type(Control::Text1, "-1.23456789012345e300");
    type(Control::Text2, "1");
    type(Control::Text4, "0");
    click(Control::Command1);
    ASSERT_EQ(text(Control::Text9), "-1.23456789012345E+300");
    HWND field = of(Control::Text9);
    const COLORREF mark = ui::win32::colourFromCode(0x000000C0);
    EXPECT_TRUE(ui::win32::hasCutMark(field) || !atDpi(96))
        << "22 characters are wider than the field at 7 pt";
    // Every result that the overflow left cut carries the mark and its tooltip.
    const std::vector<std::string> cut = controlsCuttingTheirText();
    for (const Control result : ui::kResultFields) {
        HWND edit = of(result);
        const bool isCut = std::count(cut.begin(), cut.end(), ui::controlName(result)) != 0;
        EXPECT_EQ(ui::win32::hasCutMark(edit), isCut) << ui::controlName(result);
        if (isCut) {
            UpdateWindow(edit);
            EXPECT_EQ(FieldPicture(edit).topRightCorner(), mark) << ui::controlName(result);
            EXPECT_EQ(tooltipText(window().tooltip(), window().handle(), edit), text(result));
        }
    }

    type(Control::Text1, "2.25");
    type(Control::Text2, "25");
    type(Control::Text4, "25");
    click(Control::Command1);
    ASSERT_EQ(text(Control::Text9), "62.0650079416401");
    UpdateWindow(field);
    EXPECT_FALSE(ui::win32::hasCutMark(field));
    EXPECT_NE(FieldPicture(field).topRightCorner(), mark);
    EXPECT_EQ(SendMessageW(window().tooltip(), TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(Win32WindowFit, TextSitsVerticallyCentredAndTheFieldColourFillsTheField) {
    click(Control::Command1);
    contract().setBackColor(Control::Text10, ui::kResultsStale);
    pump();
    for (const Control field : {Control::Text1, Control::Text9, Control::Text10}) {
        UpdateWindow(of(field));
        const FieldPicture picture(of(field));
        const auto [above, below] = picture.blankRowsAboveAndBelow();
        EXPECT_EQ(picture.topLeftCorner(), background(field)) << ui::controlName(field);
        EXPECT_GE(above, 0);
        EXPECT_LE(std::abs(above - below), 1)
            << ui::controlName(field) << ": " << above << " above, " << below << " below";
    }
}

}  // namespace
}  // namespace involute::testing
