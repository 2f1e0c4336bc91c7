// The Windows window. involute.exe is a console program, so that `involute
// calc` prints where it was started; started from Explorer without a
// subcommand it got a console of its own, which the window does not need.
#include <windows.h>

#include <array>

#include "ui/start/window_start.h"
#include "ui/win32/run_window.h"

namespace involute::ui {

namespace {

void letGoOfOwnConsole() {
    std::array<DWORD, 2> processes{};
    if (GetConsoleProcessList(processes.data(), static_cast<DWORD>(processes.size())) == 1) {
        FreeConsole();
    }
}

}  // namespace

int startWindow(int /*argc*/, char** /*argv*/) {
    letGoOfOwnConsole();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show =
        (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
    return win32::runWindow(GetModuleHandleW(nullptr), show);
}

}  // namespace involute::ui
