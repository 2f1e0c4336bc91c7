#include "error_report.h"

#include <algorithm>
#include <vector>

#include "dpi_functions.h"

namespace involute::ui::win32 {

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kFontPoints = 9;

// An in-memory dialog template (DLGTEMPLATE and its items): WORDs, with each
// item aligned on a DWORD.
class DialogTemplate {
  public:
    void header(DWORD style, WORD items, std::wstring_view title, std::wstring_view face) {
        dword(style);
        dword(0);  // extended style
        words_.push_back(items);
        for (int i = 0; i < 4; ++i) {
            words_.push_back(0);  // x, y, cx, cy: laid out when the box opens
        }
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the dialog class
        text(title);
        words_.push_back(kFontPoints);
        text(face);
    }

    void item(DWORD style, int id, WORD windowClass, std::wstring_view title) {
        if (words_.size() % 2 != 0) {
            words_.push_back(0);
        }
        dword(style | WS_CHILD | WS_VISIBLE);
        dword(0);
        for (int i = 0; i < 4; ++i) {
            words_.push_back(0);
        }
        words_.push_back(static_cast<WORD>(id));
        words_.push_back(0xFFFF);
        words_.push_back(windowClass);
        text(title);
        words_.push_back(0);  // no creation data
    }

    [[nodiscard]] const DLGTEMPLATE* get() const {
        return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
    }

  private:
    void dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void text(std::wstring_view value) {
        words_.insert(words_.end(), value.begin(), value.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

int scaled(int pixelsAt96, UINT dpi) {
    return MulDiv(pixelsAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

// Shows `icon`, which the box owns from now on: a static control leaves its
// icon to its owner.
void setIcon(HWND box, HICON icon) {
    auto* old = reinterpret_cast<HICON>(SendDlgItemMessageW(box, kErrorReportIconId, STM_SETICON,
                                                            reinterpret_cast<WPARAM>(icon), 0));
    if (old != nullptr) {
        DestroyIcon(old);
    }
}

// Sizes the box to its message, up to a comfortable line length, and centres
// it on its owner inside the owner's work area.
void layOut(HWND box) {
    const UINT dpi = dpiOfWindow(box);
    const int margin = scaled(12, dpi);
    const int iconSize = systemMetricForDpi(SM_CXICON, dpi);
    const int buttonWidth = scaled(88, dpi);
    const int buttonHeight = scaled(26, dpi);
    // The warning icon drawn at the box's DPI; LoadIconW would give the size
    // of the system DPI, stretched and blurred on a monitor of higher DPI.
    setIcon(box, static_cast<HICON>(
                     LoadImageW(nullptr, IDI_WARNING, IMAGE_ICON, iconSize, iconSize, 0)));

    HWND message = GetDlgItem(box, kErrorReportMessageId);
    const int length = GetWindowTextLengthW(message);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(message, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    RECT textRect{0, 0, scaled(360, dpi), 0};
    HDC dc = GetDC(message);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), length, &textRect,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(message, dc);

    const int textLeft = margin + iconSize + margin;
    const int bodyHeight = std::max<int>(textRect.bottom, iconSize);
    const int clientWidth =
        std::max<int>(textLeft + textRect.right + margin, buttonWidth + 2 * margin);
    const int clientHeight = margin + bodyHeight + margin + buttonHeight + margin;
    MoveWindow(GetDlgItem(box, kErrorReportIconId), margin, margin, iconSize, iconSize, FALSE);
    MoveWindow(message, textLeft, margin + (bodyHeight - textRect.bottom) / 2, textRect.right,
               textRect.bottom, FALSE);
    MoveWindow(GetDlgItem(box, IDOK), clientWidth - margin - buttonWidth,
               clientHeight - margin - buttonHeight, buttonWidth, buttonHeight, FALSE);

    RECT frame{0, 0, clientWidth, clientHeight};
    adjustFrameForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)),
                      static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)), dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HWND owner = GetWindow(box, GW_OWNER);
    RECT around{};
    GetWindowRect(owner != nullptr ? owner : GetDesktopWindow(), &around);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = std::clamp<int>((around.left + around.right - width) / 2, work.left,
                                     std::max<int>(work.left, work.right - width));
    const int top = std::clamp<int>((around.top + around.bottom - height) / 2, work.top,
                                    std::max<int>(work.top, work.bottom - height));
    SetWindowPos(box, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK reportProc(HWND box, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:  // TRUE: the focus goes to 确定
        case WM_DPICHANGED:
            layOut(box);
            return TRUE;
        case WM_DESTROY:
            setIcon(box, nullptr);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(box, IDOK);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void showErrorReport(HWND owner, std::wstring_view title, std::wstring_view message,
                     const std::wstring& face) {
    DialogTemplate report;
    report.header(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 3, title, face);
    report.item(SS_ICON, kErrorReportIconId, kStaticClass, L"");
    report.item(SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kErrorReportMessageId, kStaticClass,
                message);
    report.item(BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, kButtonClass, kErrorReportButton);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), report.get(), owner, &reportProc, 0);
}

}  // namespace involute::ui::win32
