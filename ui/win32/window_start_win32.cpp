// The Windows window. involute.exe is a console program, so that `involute
// calc` prints where it was started; started from Explorer without a
// subcommand it got a console of its own, which the window does not need.
#include <windows.h>

#include <array>

#include "run_window.h"
#include "window_start.h"

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
