#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "dpi_functions.h"
#include "system_colours.h"
#include "twips.h"
#include "window_driver.h"
#include "window_fonts.h"
#include "window_layout.h"
#include "window_states.h"

namespace involute::testing {
namespace {

using ui::Control;
using ui::win32::colourFromCode;

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

TEST_F(Win32Window, StartsWithTheExampleAndStaleZeroResults) {
    const std::vector<std::pair<Control, const char*>> texts{
        {Control::Text1, "2.25"}, {Control::Text2, "25"},   {Control::Text3, "20"},
        {Control::Text4, "25"},   {Control::Text6, "65.7"}, {Control::Text8, "57.9"}};
    for (const auto& [field, expected] : texts) {
        EXPECT_EQ(text(field), expected) << nameOf(field);
    }
    for (const Control field : ui::kResultFields) {
        EXPECT_EQ(text(field), "0") << nameOf(field);
        EXPECT_EQ(background(field), colourFromCode(ui::kResultsStale)) << nameOf(field);
        EXPECT_NE(background(field), background(Control::Text1)) << "stale results must show";
    }
    EXPECT_EQ(text(Control::Command1), ui::kCaptionInitial);
    EXPECT_EQ(text(Control::Command2), "退    出");
    EXPECT_EQ(text(Control::JKX1), ui::kWindowTitle);
    EXPECT_EQ(nameOf(focus()), "Command1");
    EXPECT_TRUE(sameSize(clientSize(window().handle()), designClientSize(window().dpi())));

    const auto style = GetWindowLongPtrW(window().handle(), GWL_STYLE);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    for (const Control button : {Control::Command1, Control::Command2}) {
        EXPECT_EQ(GetWindowLongPtrW(of(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    }
}

TEST_F(Win32Window, TabVisitsButtonsInputsUpwardsThenResultsDownwards) {
    const std::vector<std::string> cycle{"Command2", "Text8",  "Text6",  "Text4",   "Text3",
                                         "Text2",    "Text1",  "Text9",  "Text10",  "Text11",
                                         "Text12",   "Text13", "Text14", "Command1"};
    std::vector<std::string> forwards;
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        press(VK_TAB);
        forwards.push_back(nameOf(focus()));
    }
    EXPECT_EQ(forwards, cycle);

    std::vector<std::string> backwards;
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        press(VK_TAB, true);
        backwards.push_back(nameOf(focus()));
    }
    std::vector<std::string> reversed(cycle.rbegin() + 1, cycle.rend());
    reversed.push_back(cycle.back());
    EXPECT_EQ(backwards, reversed);
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

TEST_F(Win32Window, AnInputFieldGettingTheFocusSelectsItWholeAndMarksResultsStale) {
    click(Control::Command1);
    ASSERT_EQ(text(Control::Command1), ui::kCaptionDone);
    ASSERT_EQ(background(Control::Text9), colourFromCode(ui::kResultsCurrent));

    press(VK_TAB);
    press(VK_TAB);  // Command2, then Text8
    EXPECT_EQ(nameOf(focus()), "Text8");
    EXPECT_EQ(selection(Control::Text8), std::make_pair(DWORD{0}, DWORD{4}));
    EXPECT_EQ(text(Control::Command1), ui::kCaptionEditing);
    EXPECT_EQ(background(Control::Text14), colourFromCode(ui::kResultsStale));
    EXPECT_EQ(text(Control::Text9), "62.0650079416401") << "results stay";

    // A click keeps the whole-text selection; a character beyond U+FFFF is
    // two UTF-16 units but one character.
    type(Control::Text4, "2\U0001F600");
    clickInto(Control::Text4);
    EXPECT_EQ(nameOf(focus()), "Text4");
    EXPECT_EQ(selection(Control::Text4), std::make_pair(DWORD{0}, DWORD{3}));
    type(Control::Text4, "25");

    contract().setFocus(Control::Text2);
    pump();
    EXPECT_EQ(selection(Control::Text2), std::make_pair(DWORD{0}, DWORD{2}));

    // A result field takes the focus and changes nothing.
    click(Control::Command1);
    contract().setFocus(Control::Text12);
    pump();
    EXPECT_EQ(nameOf(focus()), "Text12");
    EXPECT_EQ(text(Control::Command1), ui::kCaptionDone);
}

TEST_F(Win32Window, StartComputesTheWorkedExample) {
    click(Control::Command1);
    const std::vector<std::pair<Control, const char*>> results{
        {Control::Text9, "62.0650079416401"},  {Control::Text10, "57.5941477279766"},
        {Control::Text11, "23.3989618698559"}, {Control::Text12, "6.64229572671048"},
        {Control::Text13, "2.97170605410439"}, {Control::Text14, "12.8349709170999"}};
    for (const auto& [field, expected] : results) {
        EXPECT_EQ(text(field), expected) << nameOf(field);
        EXPECT_EQ(background(field), colourFromCode(ui::kResultsCurrent)) << nameOf(field);
    }
    EXPECT_EQ(text(Control::Command1), ui::kCaptionDone);
    EXPECT_TRUE(watchdog_.reports().empty());
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
    EXPECT_EQ(smallest.lfHeight, -ui::win32::smallestFieldFontPixels(window().dpi()));
}

struct FailureCase {
    const char* name;
    std::vector<std::pair<Control, const char*>> inputs;
    const char* message;
    Control fieldAtFault;
};

class Win32WindowFailure : public Win32WindowTest,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Win32WindowFailure, IsReportedOnceThenTheFieldAtFaultIsSelected) {
    for (const auto& [field, input] : GetParam().inputs) {
        type(field, input);
    }
    click(Control::Command1);
    const auto reports = watchdog_.reports();
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports[0].message, GetParam().message);
    EXPECT_EQ(reports[0].button, "确定");
    EXPECT_GE(reports[0].iconPlaceWidth, ui::win32::systemMetricForDpi(SM_CXICON, window().dpi()));
    EXPECT_EQ(reports[0].iconWidth, reports[0].iconPlaceWidth) << "the icon is stretched";

    const Control field = GetParam().fieldAtFault;
    EXPECT_EQ(nameOf(focus()), nameOf(field));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(of(field)));
    EXPECT_EQ(selection(field), std::make_pair(DWORD{0}, length));
    EXPECT_EQ(text(Control::Command1), ui::kCaptionEditing);
    for (const Control result : ui::kResultFields) {
        EXPECT_EQ(background(result), colourFromCode(ui::kResultsStale)) << nameOf(result);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, Win32WindowFailure,
                         ::testing::Values(FailureCase{"BadModule",
                                                       {{Control::Text1, "2,25"}},
                                                       "模数 “2,25” 不是有效的数字",
                                                       Control::Text1},
                                           FailureCase{
                                               "StartCircleInsideBaseCircle",
                                               {{Control::Text1, "2"},
                                                {Control::Text2, "20"},
                                                {Control::Text4, "0"},
                                                {Control::Text6, "44"},
                                                {Control::Text8, "37"}},
                                               "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，"
                                               "无法计算安装距离",
                                               Control::Text8}),
                         [](const auto& row) { return row.param.name; });

TEST_F(Win32Window, EnterAndSpaceClickTheFocusedButtonOnly) {
    contract().setFocus(Control::Text1);
    pump();
    press(VK_RETURN);
    EXPECT_EQ(text(Control::Command1), ui::kCaptionEditing) << "no default button";
    EXPECT_EQ(text(Control::Text1), "2.25");
    EXPECT_EQ(nameOf(focus()), "Text1");

    contract().setFocus(Control::Command1);
    pump();
    press(VK_RETURN);
    EXPECT_EQ(text(Control::Command1), ui::kCaptionDone);
    contract().setFocus(Control::Text1);
    pump();
    contract().setFocus(Control::Command1);
    pump();
    press(VK_SPACE);
    EXPECT_EQ(text(Control::Command1), ui::kCaptionDone);
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

// One cell copied from a spreadsheet comes with its line end.
TEST_F(Win32Window, APastedSpreadsheetCellIsTaken) {
    const std::wstring cell = L"2.25\r\n";
    ASSERT_NE(OpenClipboard(window().handle()), FALSE);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (cell.size() + 1) * sizeof(wchar_t));
    std::copy_n(cell.c_str(), cell.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    type(Control::Text1, "7");
    contract().setFocus(Control::Text1);
    pump();
    SendMessageW(of(Control::Text1), WM_PASTE, 0, 0);
    click(Control::Command1);
    EXPECT_EQ(text(Control::Text9), "62.0650079416401");
    EXPECT_TRUE(watchdog_.reports().empty());
}

struct DoubleClickCase {
    const char* name;
    Control field;
    const char* text;
    int clickedCharacter;
};

class Win32WindowDoubleClick : public Win32WindowTest,
                               public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(Win32WindowDoubleClick, SelectsTheWholeNumber) {
    const DoubleClickCase& row = GetParam();
    HWND edit = of(row.field);
    contract().setText(row.field, row.text);
    contract().setFocus(row.field);
    pump();
    const auto where = static_cast<DWORD>(
        SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(row.clickedCharacter), 0));
    const LPARAM point = MAKELPARAM(LOWORD(where) + 1, HIWORD(where) + 2);
    PostMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMessageW(edit, WM_LBUTTONUP, 0, point);
    pump();
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    EXPECT_EQ(selection(row.field), std::make_pair(DWORD{0}, length));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Win32WindowDoubleClick,
    ::testing::Values(DoubleClickCase{"ResultAfterItsPoint", Control::Text10, "56.2500000085674",
                                      6},
                      DoubleClickCase{"ResultInItsExponent", Control::Text9, "-1.2345E+300", 9},
                      DoubleClickCase{"SignedInput", Control::Text4, "-25", 2},
                      DoubleClickCase{"FullWidthInput", Control::Text1, "２．２５", 3}),
    [](const auto& row) { return row.param.name; });

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
