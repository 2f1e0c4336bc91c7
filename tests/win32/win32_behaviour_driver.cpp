// The behaviour rows' driver for the Win32 window, through window messages.
#include <windows.h>

#include <algorithm>

#include "behaviour_driver.h"
#include "system_colours.h"
#include "utf16_windows.h"
#include "window_driver.h"
#include "window_states.h"

namespace involute::testing {
namespace {

using ui::Control;

// Borrows the window fixture's start, end and messages; its test body is
// the shared row's.
class Win32BehaviourDriver final : public BehaviourDriver, private Win32WindowTest {
  public:
    void open() override { SetUp(); }
    void close() override { TearDown(); }

    std::string text(Control control) override { return Win32WindowTest::text(control); }

    std::string focus() override {
        const std::optional<Control> focused = Win32WindowTest::focus();
        return focused ? std::string(ui::controlName(*focused)) : std::string();
    }

    bool wholeTextSelected(Control field) override {
        const auto length = static_cast<DWORD>(GetWindowTextLengthW(of(field)));
        return selection(field) == std::make_pair(DWORD{0}, length);
    }

    std::string resultShading() override {
        const COLORREF stale = ui::win32::colourFromCode(ui::kResultsStale);
        EXPECT_NE(stale, background(Control::Text1)) << "stale results must show";
        std::string shading;
        for (const Control result : ui::kResultFields) {
            const COLORREF shown = background(result);
            const std::string each = shown == stale ? "stale"
                                     : shown == ui::win32::colourFromCode(ui::kResultsCurrent)
                                         ? "current"
                                         : "mixed";
            if (!shading.empty() && each != shading) {
                return "mixed";
            }
            shading = each;
        }
        return shading;
    }

    std::vector<ErrorReport> takeReports() override {
        const auto all = watchdog_.reports();
        std::vector<ErrorReport> reports;
        for (std::size_t i = taken_; i < all.size(); ++i) {
            reports.push_back({all[i].title, all[i].message, all[i].button});
        }
        taken_ = all.size();
        return reports;
    }

    void setText(Control field, std::string_view text) override {
        contract().setText(field, text);
        pump();
    }
    void setFocus(Control control) override {
        contract().setFocus(control);
        pump();
    }

    void click(Control control) override {
        if (control == Control::Command1 || control == Control::Command2) {
            Win32WindowTest::click(control);
        } else {
            clickInto(control);
        }
    }

    void press(Key key) override {
        switch (key) {
            case Key::tab:
                return Win32WindowTest::press(VK_TAB);
            case Key::shiftTab:
                return Win32WindowTest::press(VK_TAB, true);
            case Key::enter:
                return Win32WindowTest::press(VK_RETURN);
            case Key::keypadEnter:
                return Win32WindowTest::press(VK_RETURN, false, true);
            case Key::space:
                return Win32WindowTest::press(VK_SPACE);
            case Key::del:
                return Win32WindowTest::press(VK_DELETE, false, true);
        }
    }

    // Each UTF-16 unit as the keyboard's character message.
    void type(std::string_view characters) override {
        HWND target = GetFocus();
        for (const wchar_t unit : utf8::utf16FromUtf8(characters)) {
            PostMessageW(target, WM_CHAR, unit, 1);
        }
        pump();
    }

    void paste(std::string_view clipboard) override {
        const std::wstring text = utf8::utf16FromUtf8(clipboard);
        ASSERT_NE(OpenClipboard(window().handle()), FALSE);
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendMessageW(GetFocus(), WM_PASTE, 0, 0);
        pump();
    }

    // The first click of the two focuses the field.
    void doubleClick(Control field, int character) override {
        HWND edit = of(field);
        setFocus(field);
        const auto where = static_cast<DWORD>(
            SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(character), 0));
        const LPARAM point = MAKELPARAM(LOWORD(where) + 1, HIWORD(where) + 2);
        PostMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        PostMessageW(edit, WM_LBUTTONUP, 0, point);
        pump();
    }

  private:
    void TestBody() override {}

    std::size_t taken_ = 0;
};

}  // namespace

std::unique_ptr<BehaviourDriver> makeBehaviourDriver() {
    return std::make_unique<Win32BehaviourDriver>();
}

}  // namespace involute::testing
