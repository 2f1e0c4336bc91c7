// The window JKX1 on the Win32 API: the Windows binding of the window contract.
//
// One object owns the top-level window, its 29 controls (all children of the
// window, placed from the layout table in one loop; a group box draws a frame
// but holds nothing) and every GDI object it makes. One window procedure
// dispatches each message to a small member function: WM_COMMAND runs the
// handlers (Click of a button, GotFocus of an input field through
// EN_SETFOCUS), WM_CTLCOLOR* paints the colour codes, WM_DPICHANGED lays the
// window out again for the new DPI. Keys go through translateKey before the
// controls see them: Tab and Shift+Tab walk the tab stops, which are ordered
// by tab index, and Enter does nothing.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "accessible_names.h"
#include "gdi_object.h"
#include "window.h"
#include "window_fonts.h"
#include "window_layout.h"

namespace involute::ui::win32 {

// The control ID of a control: this base plus its ui::Control value, clear of
// IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
inline constexpr int kControlIdBase = 1000;
inline constexpr const wchar_t* kWindowClassName = L"InvoluteJKX1";

class Win32Window final : public ui::Window {
  public:
    // The window at its design position, not yet shown; nullptr when Windows
    // refuses to make it.
    [[nodiscard]] static std::unique_ptr<Win32Window> create(HINSTANCE instance);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Shows the window with the focus on the control with the lowest tab index.
    void show(int how);

    // Handles a key meant for the window or its controls the way a dialog
    // does; true when the message needs no dispatching.
    bool translateKey(MSG& message);

    [[nodiscard]] HWND handle() const { return window_; }
    // The window of a control; the top-level window for JKX1.
    [[nodiscard]] HWND control(Control name) const;
    [[nodiscard]] UINT dpi() const { return dpi_; }
    [[nodiscard]] const WindowFaces& faces() const { return faces_; }
    [[nodiscard]] HWND tooltip() const { return tooltip_; }

    [[nodiscard]] std::string text(Control field) const override;
    void setText(Control field, std::string_view text) override;
    void setCaption(Control button, std::string_view caption) override;
    void setBackColor(Control field, ColourCode colour) override;
    void setSelStart(Control field, int position) override;
    void setSelLength(Control field, int length) override;
    void setFocus(Control control) override;
    void reportError(std::string_view message) override;

  private:
    explicit Win32Window(WindowFaces faces);

    static bool registerWindowClass(HINSTANCE instance);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool createControls(HINSTANCE instance);
    void nameForScreenReaders();
    void orderTabsByIndex();
    void layOut();
    void placeAtDesignPosition();
    void sizeClientArea(int left, int top);
    void makeFonts();
    void fitFieldFont(Control field);
    void showCut(HWND edit, std::wstring text);

    void onCommand(int id, int notification);
    LRESULT onControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onActivate(bool active);

    [[nodiscard]] HBRUSH brushFor(COLORREF colour);
    [[nodiscard]] std::optional<Control> controlOf(HWND child) const;

    static constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Command2) + 1;

    WindowFaces faces_;
    AccessibleNames accessibleNames_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HWND window_ = nullptr;
    // Shows a cut result whole.
    HWND tooltip_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    std::array<std::optional<ColourCode>, kControlCount> backColours_{};
    // The focus the window had when it was last deactivated, handed back on
    // reactivation without a GotFocus: the field already had it.
    HWND focusWhenInactive_ = nullptr;
    bool restoringFocus_ = false;

    Font windowFont_;
    Font creditFont_;
    // Result field fonts smaller than the window font, by height in pixels,
    // for texts that would not fit otherwise.
    std::map<int, Font> shrunkFonts_;
    std::map<COLORREF, Brush> brushes_;
};

}  // namespace involute::ui::win32
