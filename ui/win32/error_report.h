// The report of a failed run: a modal box titled like the window, with a
// warning icon, the message and one button, kErrorReportButton
// (ui/window_look.h). Built from a dialog template
// of its own rather than MessageBoxW, whose button would speak the display
// language of Windows.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace involute::ui::win32 {

inline constexpr int kErrorReportMessageId = 100;
inline constexpr int kErrorReportIconId = 101;

// Returns once the user has closed the box. `face` is the window's font.
void showErrorReport(HWND owner, std::wstring_view title, std::wstring_view message,
                     const std::wstring& face);

}  // namespace involute::ui::win32
