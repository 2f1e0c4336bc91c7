#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "dpi_functions.h"
#include "text_fit.h"
#include "twips.h"
#include "window_driver.h"
#include "window_fonts.h"
#include "window_layout.h"
#include "window_states.h"

namespace involute::testing {
namespace {

using ui::Control;

// The window's own record of a control's name, for readable failures.
std::string nameOf(std::optional<Control> control) {
    return control ? std::string(ui::controlName(*control)) : "(none)";
}

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

bool sameSize(SIZE a, SIZE b) {
    return a.cx == b.cx && a.cy == b.cy;
}

SIZE designClientSize(UINT dpi) {
    return {ui::pixelsFromTwips(ui::kDesignClientArea.width, dpi),
            ui::pixelsFromTwips(ui::kDesignClientArea.height, dpi)};
}

using Win32Window = Win32WindowTest;

// The texts, results and focus it opens with are rows of the shared
// behaviour suite (tests/window_behaviour).
TEST_F(Win32Window, OpensAtTheDesignSizeWithAMinimizeBoxOnly) {
    EXPECT_EQ(text(Control::JKX1), ui::kWindowTitle);
    EXPECT_TRUE(sameSize(clientSize(window().handle()), designClientSize(window().dpi())));

    const auto style = GetWindowLongPtrW(window().handle(), GWL_STYLE);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    for (const Control button : {Control::Command1, Control::Command2}) {
        EXPECT_EQ(GetWindowLongPtrW(of(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    }
}

// Screen readers name a field by the label just before it among the children.
TEST_F(Win32Window, EachLabelComesJustBeforeItsField) {
    for (const ui::ControlRow& row : ui::kWindowLayout) {
        if (row.extras.labelFor) {
            EXPECT_EQ(GetWindow(of(*row.extras.labelFor), GW_HWNDPREV), of(row.name))
                << ui::controlName(row.name);
        }
    }
}

TEST_F(Win32Window, ResultsShrinkTheirFontToShowWhole) {
    click(Control::Command1);
    EXPECT_EQ(controlsCuttingTheirText(), std::vector<std::string>{});

    // The longest text a result can have takes the smallest size; the base
    // circle's square then overflows, which is reported.
    type(Control::Text1, "-1.23456789012345e300");
    type(Control::Text2, "1");
    type(Control::Text4, "0");
    click(Control::Command1);
    EXPECT_EQ(text(Control::Text9), "-1.23456789012345E+300");
    EXPECT_EQ(watchdog_.reports().size(), 1U);
    auto* font = reinterpret_cast<HFONT>(SendMessageW(of(Control::Text9), WM_GETFONT, 0, 0));
    LOGFONTW smallest{};
    GetObjectW(font, sizeof smallest, &smallest);
    EXPECT_EQ(smallest.lfHeight, -ui::fieldFontPixels(window().dpi()).smallest);
}

// The report's texts and what follows it are rows of the shared behaviour
// suite; its icon is the system's, at the size of the DPI.
TEST_F(Win32Window, ErrorReportShowsTheWarningIconUnstretched) {
    type(Control::Text1, "2,25");
    click(Control::Command1);
    const auto reports = watchdog_.reports();
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_GE(reports[0].iconPlaceWidth, ui::win32::systemMetricForDpi(SM_CXICON, window().dpi()));
    EXPECT_EQ(reports[0].iconWidth, reports[0].iconPlaceWidth) << "the icon is stretched";
}

// Windows starts a program launched by the mouse with the focus frames
// hidden until a key is pressed.
TEST_F(Win32Window, TheFocusedButtonShowsItsFocusFrameFromTheStart) {
    SendMessageW(window().handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    window().show(SW_SHOWNORMAL);
    pump();
    ASSERT_EQ(nameOf(focus()), "Command1");
    const auto state =
        static_cast<UINT>(SendMessageW(of(Control::Command1), WM_QUERYUISTATE, 0, 0));
    EXPECT_EQ(state & UISF_HIDEFOCUS, 0U);
}

class Win32WindowDpi : public Win32WindowTest, public ::testing::WithParamInterface<UINT> {};

TEST_P(Win32WindowDpi, LaysItselfOutAgainWhenTheDpiChanges) {
    const UINT dpi = GetParam();
    RECT suggested{};
    GetWindowRect(window().handle(), &suggested);
    SendMessageW(window().handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    pump();
    EXPECT_EQ(window().dpi(), dpi);
    EXPECT_TRUE(sameSize(clientSize(window().handle()), designClientSize(dpi)));
    RECT field{};
    GetWindowRect(of(Control::Text9), &field);
    EXPECT_EQ(field.right - field.left, ui::pixelsFromTwips(1575, dpi));
    EXPECT_EQ(controlsCuttingTheirText(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Dpi, Win32WindowDpi, ::testing::Values(96U, 144U, 192U));

TEST_F(Win32Window, StartsAtTheSystemDpiWithCaptionsWhole) {
    EXPECT_EQ(window().dpi(), ui::win32::systemDpi());
    // The DPI the test's wine prefix was given.
    if (const char* configured = std::getenv("INVOLUTE_TEST_DPI")) {
        EXPECT_EQ(window().dpi(), static_cast<UINT>(std::stoul(configured)));
    }
    EXPECT_EQ(controlsCuttingTheirText(), std::vector<std::string>{});
}

TEST_F(Win32Window, FontsAreTheFacesGdiReallyChose) {
    const ui::win32::WindowFaces& faces = window().faces();
    ASSERT_FALSE(faces.ui.empty()) << "no CJK UI face installed";
    auto* windowFont = reinterpret_cast<HFONT>(SendMessageW(of(Control::Label1), WM_GETFONT, 0, 0));
    EXPECT_EQ(ui::win32::actualFace(windowFont), faces.ui);
    auto* creditFont = reinterpret_cast<HFONT>(SendMessageW(of(Control::Label9), WM_GETFONT, 0, 0));
    EXPECT_EQ(ui::win32::actualFace(creditFont), faces.credit);
    EXPECT_NE(faces.credit, faces.ui) << "no Kai face found for the credit line";
    LOGFONTW credit{};
    GetObjectW(creditFont, sizeof credit, &credit);
    EXPECT_EQ(credit.lfHeight, -MulDiv(1575, static_cast<int>(window().dpi()), 7200));
    EXPECT_EQ(credit.lfWeight, FW_NORMAL);
    EXPECT_EQ(credit.lfCharSet, GB2312_CHARSET);
}

}  // namespace
}  // namespace involute::testing
