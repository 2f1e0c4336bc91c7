#include "win32_window.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "dpi_functions.h"
#include "error_report.h"
#include "field_edit.h"
#include "input_focus.h"
#include "resource_ids.h"
#include "start_command.h"
#include "system_colours.h"
#include "text_positions.h"
#include "twips.h"
#include "utf16_windows.h"

namespace involute::ui::win32 {

namespace {

using utf8::utf16FromUtf8;
using utf8::utf8FromUtf16;

static_assert(static_cast<std::size_t>(Control::JKX1) == 0);

// A fixed frame: minimise, but neither maximise nor resize. Not
// WS_CLIPCHILDREN: a group box draws only its frame and caption, and the
// window's own background must show inside it.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

std::size_t indexOf(Control control) {
    return static_cast<std::size_t>(control);
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::textBox || kind == ControlKind::commandButton;
}

// Every control starts a group of its own, so that the arrow keys, which a
// dialog uses to move within a group, stay with the control.
DWORD styleOf(const ControlRow& row) {
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_CLIPSIBLINGS;
    switch (row.kind) {
        case ControlKind::frame:
            return common | BS_GROUPBOX;
        case ControlKind::label:
            // Centred on the label's height: a CJK face's line can be a pixel
            // taller than the 255-twip label, and the blank above and below
            // its characters then shares the loss.
            return common | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
        case ControlKind::textBox:
            // A one-pixel border (field_edit.h) leaves a CJK face's line
            // height room in the 270-twip field, which a sunken 3-D edge would not.
            return common | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL |
                   (row.extras.readOnly ? ES_READONLY : 0);
        case ControlKind::commandButton:
            return common | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return common;
}

const wchar_t* classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::frame:
        case ControlKind::commandButton:
            return WC_BUTTONW;
        case ControlKind::label:
            return WC_STATICW;
        case ControlKind::textBox:
            return WC_EDITW;
    }
    return WC_STATICW;
}

// The row's rectangle in the window's client area: labels and fields are
// placed relative to their frame.
TwipsRect inClientArea(const ControlRow& row) {
    TwipsRect rect = row.geometry;
    if (const ControlRow* container = findLayoutRow(row.parent)) {
        rect.left += container->geometry.left;
        rect.top += container->geometry.top;
    }
    return rect;
}

RECT pixelsFromTwips(const TwipsRect& rect, UINT dpi) {
    const double dotsPerInch = dpi;
    const int left = ui::pixelsFromTwips(rect.left, dotsPerInch);
    const int top = ui::pixelsFromTwips(rect.top, dotsPerInch);
    return {left, top, left + ui::pixelsFromTwips(rect.width, dotsPerInch),
            top + ui::pixelsFromTwips(rect.height, dotsPerInch)};
}

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace

// Registers the window class once per process.
bool Win32Window::registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kWindowClassName, &windowClass) != FALSE) {
        return true;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Win32Window::windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClassName;
    return RegisterClassExW(&windowClass) != 0;
}

Win32Window::Win32Window(WindowFaces faces) : faces_(std::move(faces)) {}

std::unique_ptr<Win32Window> Win32Window::create(HINSTANCE instance) {
    if (!registerWindowClass(instance)) {
        return nullptr;
    }
    std::unique_ptr<Win32Window> window(new Win32Window(chooseWindowFaces()));
    const std::wstring title = utf16FromUtf8(kWindowTitle);
    // Made at the system DPI and moved and sized for its own monitor's below.
    if (CreateWindowExW(kWindowExStyle, kWindowClassName, title.c_str(), kWindowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                        nullptr, instance, window.get()) == nullptr) {
        return nullptr;
    }
    if (!window->createControls(instance)) {
        return nullptr;
    }
    window->nameForScreenReaders();
    window->orderTabsByIndex();
    window->placeAtDesignPosition();
    return window;
}

Win32Window::~Win32Window() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool Win32Window::createControls(HINSTANCE instance) {
    controls_[indexOf(Control::JKX1)] = window_;
    for (const ControlRow& row : kWindowLayout) {
        const std::wstring caption = utf16FromUtf8(row.caption);
        HWND child = CreateWindowExW(
            0, classOf(row.kind), caption.c_str(), styleOf(row), 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(
                static_cast<INT_PTR>(kControlIdBase + static_cast<int>(row.name))),
            instance, nullptr);
        if (child == nullptr) {
            return false;
        }
        if (row.kind == ControlKind::textBox) {
            makeFieldEdit(child);
        }
        controls_[indexOf(row.name)] = child;
        backColours_[indexOf(row.name)] = row.extras.backColour;
    }
    // Without a tooltip a cut result still shows its mark.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    return true;
}

void Win32Window::nameForScreenReaders() {
    for (const ControlRow& row : kWindowLayout) {
        const std::string name = spokenName(row);
        if (!name.empty()) {
            accessibleNames_.name(control(row.name), utf16FromUtf8(name));
        }
    }
}

// The dialog manager walks the tab stops in the order of the children, so the
// children go in the order of their tab index, the frames last so that they
// draw beneath the fields they surround. Each field's label goes just before
// it: screen readers name a field by the label before it.
void Win32Window::orderTabsByIndex() {
    std::vector<const ControlRow*> sorted;
    sorted.reserve(kWindowLayout.size());
    for (const ControlRow& row : kWindowLayout) {
        sorted.push_back(&row);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const ControlRow* a, const ControlRow* b) {
        const bool aFrame = a->kind == ControlKind::frame;
        const bool bFrame = b->kind == ControlKind::frame;
        return aFrame != bFrame ? bFrame : a->tabIndex < b->tabIndex;
    });
    std::vector<const ControlRow*> rows;
    for (const ControlRow* row : sorted) {
        if (row->extras.labelFor) {
            continue;
        }
        for (const ControlRow& label : kWindowLayout) {
            if (label.extras.labelFor == row->name) {
                rows.push_back(&label);
            }
        }
        rows.push_back(row);
    }
    HWND after = HWND_TOP;
    for (const ControlRow* row : rows) {
        HWND child = control(row->name);
        SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = child;
    }
    const auto first = std::find_if(rows.begin(), rows.end(),
                                    [](const ControlRow* row) { return takesFocus(row->kind); });
    focusWhenInactive_ = first != rows.end() ? control((*first)->name) : nullptr;
}

void Win32Window::makeFonts() {
    windowFont_ = createFont(faces_.ui, kWindowFontHundredths, dpi_);
    creditFont_ = createFont(faces_.credit, kCreditFontHundredths, dpi_);
    shrunkFonts_.clear();
}

// Places every control for the current DPI with its fonts.
void Win32Window::layOut() {
    // The old fonts go only once no control uses them any more.
    Font oldWindowFont = std::move(windowFont_);
    Font oldCreditFont = std::move(creditFont_);
    std::map<int, Font> oldShrunkFonts = std::move(shrunkFonts_);
    makeFonts();
    for (const ControlRow& row : kWindowLayout) {
        HWND child = control(row.name);
        const RECT place = pixelsFromTwips(inClientArea(row), dpi_);
        MoveWindow(child, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   FALSE);
        HFONT font = row.extras.font == FontRole::credit ? creditFont_.get() : windowFont_.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.kind == ControlKind::textBox) {
            fitFieldFont(row.name);
        }
    }
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Gives the window the design client area at `left`, `top`: the frame is
// measured once more after sizing, since a system that does not scale its
// frames with the DPI does not match the frame computed for it.
void Win32Window::sizeClientArea(int left, int top) {
    const RECT design = pixelsFromTwips(kDesignClientArea, dpi_);
    RECT frame = design;
    adjustFrameForDpi(frame, kWindowStyle, kWindowExStyle, dpi_);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right != design.right - design.left || client.bottom != design.bottom - design.top) {
        width += design.right - design.left - client.right;
        height += design.bottom - design.top - client.bottom;
        SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32Window::placeAtDesignPosition() {
    dpi_ = dpiOfWindow(window_);
    const RECT design = pixelsFromTwips(kDesignClientArea, dpi_);
    RECT frame = design;
    adjustFrameForDpi(frame, kWindowStyle, kWindowExStyle, dpi_);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = clampedStart(frame.left, width, work.left, work.right - work.left);
    const int top = clampedStart(frame.top, height, work.top, work.bottom - work.top);
    sizeClientArea(left, top);
    // The monitor found at the design position may have another DPI.
    const UINT there = dpiOfWindow(window_);
    if (there != dpi_) {
        dpi_ = there;
        placeAtDesignPosition();
        return;
    }
    layOut();
}

void Win32Window::show(int how) {
    // Windows hides the focus frame of a program started by the mouse until
    // a key is pressed; the window shows from the start where the focus is.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ShowWindow(window_, how);
    UpdateWindow(window_);
    if (focusWhenInactive_ != nullptr) {
        SetFocus(focusWhenInactive_);
    }
}

bool Win32Window::translateKey(MSG& message) {
    if (window_ == nullptr ||
        (message.hwnd != window_ && IsChild(window_, message.hwnd) == FALSE)) {
        return false;
    }
    // There is no default button: Enter in a field does nothing, and on a
    // button clicks it, as Space does; held down, it clicks once.
    if ((message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
        message.wParam == VK_RETURN) {
        const std::optional<Control> name = controlOf(message.hwnd);
        const bool repeated = (message.lParam & (LPARAM{1} << 30)) != 0;
        if (message.message == WM_KEYDOWN && !repeated && name &&
            findLayoutRow(*name)->kind == ControlKind::commandButton) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

HWND Win32Window::control(Control name) const {
    return controls_[indexOf(name)];
}

std::optional<Control> Win32Window::controlOf(HWND child) const {
    const auto found = std::find(controls_.begin(), controls_.end(), child);
    if (child == nullptr || found == controls_.end()) {
        return std::nullopt;
    }
    return static_cast<Control>(found - controls_.begin());
}

LRESULT CALLBACK Win32Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}

LRESULT Win32Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return onControlColour(message, wParam, lParam);
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            onActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SYSCOLORCHANGE:
            brushes_.clear();
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case WM_DESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            for (const ControlRow& row : kWindowLayout) {
                accessibleNames_.forget(control(row.name));
            }
            window_ = nullptr;
            tooltip_ = nullptr;
            controls_.fill(nullptr);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32Window::onCommand(int id, int notification) {
    const int index = id - kControlIdBase;
    if (index <= 0 || index >= static_cast<int>(kControlCount)) {
        return;  // IDOK and IDCANCEL for Enter and Escape: no default or cancel button
    }
    const ControlRow* row = findLayoutRow(static_cast<Control>(index));
    if (row->kind == ControlKind::textBox && notification == EN_CHANGE) {
        fitFieldFont(row->name);
    }
    switch (row->extras.handler) {
        case Handler::none:
            break;
        case Handler::startCommand:
            if (notification == BN_CLICKED) {
                calc::runStartCommand(*this);
            }
            break;
        case Handler::exitProgram:
            if (notification == BN_CLICKED) {
                DestroyWindow(window_);
            }
            break;
        case Handler::inputFocus:
            if (notification == EN_SETFOCUS && !restoringFocus_) {
                onInputFieldGotFocus(*this, row->name);
            }
            break;
    }
}

LRESULT Win32Window::onControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT standard = DefWindowProcW(window_, message, wParam, lParam);
    const std::optional<Control> name = controlOf(reinterpret_cast<HWND>(lParam));
    const ControlRow* row = name ? findLayoutRow(*name) : nullptr;
    if (row == nullptr) {
        return standard;
    }
    auto* dc = reinterpret_cast<HDC>(wParam);
    if (row->extras.foreColour) {
        SetTextColor(dc, colourFromCode(*row->extras.foreColour));
    }
    if (const std::optional<ColourCode> back = backColours_[indexOf(*name)]) {
        const COLORREF colour = colourFromCode(*back);
        SetBkColor(dc, colour);
        return reinterpret_cast<LRESULT>(brushFor(colour));
    }
    return standard;
}

HBRUSH Win32Window::brushFor(COLORREF colour) {
    auto found = brushes_.find(colour);
    if (found == brushes_.end()) {
        found = brushes_.emplace(colour, Brush(CreateSolidBrush(colour))).first;
    }
    return found->second.get();
}

void Win32Window::onDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    sizeClientArea(suggested.left, suggested.top);
    layOut();
}

void Win32Window::onActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus) != FALSE) {
            focusWhenInactive_ = focus;
        }
        return;
    }
    if (focusWhenInactive_ != nullptr && IsIconic(window_) == FALSE) {
        restoringFocus_ = true;
        SetFocus(focusWhenInactive_);
        restoringFocus_ = false;
    }
}

// A text wider or a line taller than its field is shown in the largest size,
// in steps of a pixel down to smallestFieldFontPixels, that shows it whole; a result
// that does not fit even then is marked as cut and shown whole in its tooltip.
// Runs on every change of a field's text.
void Win32Window::fitFieldFont(Control field) {
    HWND edit = control(field);
    const std::wstring text = windowText(edit);
    RECT client{};
    GetClientRect(edit, &client);
    const RECT interior = fieldInterior(edit);
    const auto margins = static_cast<DWORD>(SendMessageW(edit, EM_GETMARGINS, 0, 0));
    // The border is outside the client area (field_edit.h).
    const int room = client.right - LOWORD(margins) - HIWORD(margins);
    HDC dc = GetDC(edit);
    HFONT chosen = windowFont_.get();
    bool fits = false;
    const int fullPixels = fontPixels(kWindowFontHundredths, dpi_);
    for (int pixels = fullPixels; pixels >= smallestFieldFontPixels(dpi_); --pixels) {
        HFONT font = windowFont_.get();
        if (pixels != fullPixels) {
            auto& shrunk = shrunkFonts_[pixels];
            if (!shrunk) {
                shrunk = createFontOfPixels(faces_.ui, pixels);
            }
            font = shrunk.get();
        }
        chosen = font;
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        fits = extent.cx <= room && metrics.tmHeight <= interior.bottom - interior.top;
        if (fits) {
            break;
        }
    }
    ReleaseDC(edit, dc);
    if (findLayoutRow(field)->extras.readOnly) {
        showCut(edit, fits ? std::wstring() : text);
    }
    if (reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)) != chosen) {
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    }
}

// The tooltip of a result field holds its whole text while the field cuts it.
void Win32Window::showCut(HWND edit, std::wstring text) {
    setCutMark(edit, !text.empty());
    if (tooltip_ == nullptr) {
        return;
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) {
        tool.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::string Win32Window::text(Control field) const {
    return utf8FromUtf16(windowText(control(field)));
}

void Win32Window::setText(Control field, std::string_view text) {
    HWND edit = control(field);
    SetWindowTextW(edit, utf16FromUtf8(text).c_str());
    // Shown from its start, so a long result keeps its leading digits in view.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void Win32Window::setCaption(Control button, std::string_view caption) {
    SetWindowTextW(control(button), utf16FromUtf8(caption).c_str());
    accessibleNames_.name(control(button), utf16FromUtf8(withoutBlanks(caption)));
}

void Win32Window::setBackColor(Control field, ColourCode colour) {
    backColours_[indexOf(field)] = colour;
    // The band around the line of text is the field's frame.
    RedrawWindow(control(field), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void Win32Window::setSelStart(Control field, int position) {
    HWND edit = control(field);
    const auto index = static_cast<WPARAM>(utf16IndexAfter(windowText(edit), 0, position));
    SendMessageW(edit, EM_SETSEL, index, static_cast<LPARAM>(index));
}

void Win32Window::setSelLength(Control field, int length) {
    HWND edit = control(field);
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const std::size_t end = utf16IndexAfter(windowText(edit), start, std::max(length, 0));
    SendMessageW(edit, EM_SETSEL, start, static_cast<LPARAM>(end));
}

void Win32Window::setFocus(Control name) {
    SetFocus(control(name));
}

void Win32Window::reportError(std::string_view message) {
    showErrorReport(window_, utf16FromUtf8(kWindowTitle), utf16FromUtf8(message), faces_.ui);
}

}  // namespace involute::ui::win32
