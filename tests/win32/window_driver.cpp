#include "window_driver.h"

#include <array>
#include <chrono>

#include "dpi_functions.h"
#include "error_report.h"
#include "run_window.h"
#include "utf16_windows.h"
#include "window_layout.h"

namespace involute::testing {

namespace {

using utf8::utf16FromUtf8;
using utf8::utf8FromUtf16;

std::string windowText(HWND window) {
    std::array<wchar_t, 512> buffer{};
    const int length = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    return utf8FromUtf16(std::wstring_view(buffer.data(), static_cast<std::size_t>(length)));
}

int iconWidth(HWND control) {
    auto* icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
    ICONINFO info{};
    if (icon == nullptr || GetIconInfo(icon, &info) == FALSE) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

int clientWidth(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return client.right;
}

}  // namespace

ErrorReportWatchdog::ErrorReportWatchdog() : thread_([this] { watch(); }) {}

ErrorReportWatchdog::~ErrorReportWatchdog() {
    stop_ = true;
    thread_.join();
}

std::vector<ErrorReportWatchdog::Report> ErrorReportWatchdog::reports() const {
    const std::lock_guard lock(mutex_);
    return reports_;
}

void ErrorReportWatchdog::watch() {
    const std::wstring title = utf16FromUtf8(ui::kWindowTitle);
    HWND answered = nullptr;
    while (!stop_) {
        HWND box = FindWindowW(L"#32770", title.c_str());
        if (box != nullptr && box != answered && IsWindowVisible(box) != FALSE) {
            HWND button = GetDlgItem(box, IDOK);
            HWND icon = GetDlgItem(box, ui::win32::kErrorReportIconId);
            {
                const std::lock_guard lock(mutex_);
                reports_.push_back({windowText(box),
                                    windowText(GetDlgItem(box, ui::win32::kErrorReportMessageId)),
                                    windowText(button), iconWidth(icon), clientWidth(icon)});
            }
            answered = box;
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void Win32WindowTest::SetUp() {
    window_ = ui::win32::Win32Window::create(GetModuleHandleW(nullptr));
    ASSERT_TRUE(window_ != nullptr);
    window_->show(SW_SHOWNORMAL);
    pump();
}

void Win32WindowTest::TearDown() {
    pump();
    window_.reset();
}

void Win32WindowTest::pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        ui::win32::deliver(*window_, message);
    }
}

std::string Win32WindowTest::text(ui::Control control) const {
    return windowText(of(control));
}

void Win32WindowTest::type(ui::Control field, std::string_view text) {
    SendMessageW(of(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(utf16FromUtf8(text).c_str()));
}

void Win32WindowTest::click(ui::Control button) {
    SendMessageW(of(button), BM_CLICK, 0, 0);
    pump();
}

void Win32WindowTest::clickInto(ui::Control field) {
    const LPARAM where = MAKELPARAM(20, 5);
    PostMessageW(of(field), WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(of(field), WM_LBUTTONUP, 0, where);
    pump();
}

void Win32WindowTest::press(WPARAM key, bool shift, bool extended) {
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    const BYTE shiftBefore = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys.data());
    HWND target = GetFocus();
    const LPARAM where = extended ? 0x01000000 : 0;
    PostMessageW(target, WM_KEYDOWN, key, where | 1);
    PostMessageW(target, WM_KEYUP, key, where | static_cast<LPARAM>(0xC0000001u));
    pump();
    keys[VK_SHIFT] = shiftBefore;
    SetKeyboardState(keys.data());
}

std::optional<ui::Control> Win32WindowTest::focus() const {
    const int id = GetDlgCtrlID(GetFocus()) - ui::win32::kControlIdBase;
    if (id <= 0 || id > static_cast<int>(ui::Control::Command2)) {
        return std::nullopt;
    }
    return static_cast<ui::Control>(id);
}

std::pair<DWORD, DWORD> Win32WindowTest::selection(ui::Control field) const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(of(field), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

COLORREF Win32WindowTest::background(ui::Control field) const {
    HWND edit = of(field);
    const bool readOnly = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window_->handle(), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                 reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    const COLORREF colour = GetBkColor(dc);
    DeleteDC(dc);
    return colour;
}

std::vector<std::string> Win32WindowTest::controlsCuttingTheirText() const {
    std::vector<std::string> cut;
    for (const ui::ControlRow& row : ui::kWindowLayout) {
        HWND control = of(row.name);
        const std::wstring caption = utf16FromUtf8(windowText(control));
        RECT room{};
        GetClientRect(control, &room);
        if (row.kind == ui::ControlKind::textBox) {
            const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
            room.right -= LOWORD(margins) + HIWORD(margins);
        } else if (row.kind == ui::ControlKind::commandButton ||
                   row.kind == ui::ControlKind::frame) {
            room.right -= 2 * ui::win32::systemMetricForDpi(SM_CXEDGE, window_->dpi());
        }
        HDC dc = GetDC(control);
        const HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        // A frame's caption sits on its top edge, outside the room inside; a
        // label centres its line, so only the characters' own height counts.
        const LONG height = row.kind == ui::ControlKind::label
                                ? metrics.tmHeight - metrics.tmInternalLeading
                                : metrics.tmHeight;
        const bool tallEnough = row.kind == ui::ControlKind::frame || height <= room.bottom;
        if (extent.cx > room.right || !tallEnough) {
            cut.emplace_back(ui::controlName(row.name));
        }
    }
    return cut;
}

}  // namespace involute::testing
