// The Windows window. involute.exe is a GUI-subsystem program, so Windows
// opens no console for it.
#include <windows.h>

#include "run_window.h"
#include "window_start.h"

namespace involute::ui {

int startWindow(int /*argc*/, char** /*argv*/) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show =
        (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
    return win32::runWindow(GetModuleHandleW(nullptr), show);
}

}  // namespace involute::ui
