// Start-up of the Windows window: build it, show it, run the message loop.
#pragma once

#include <windows.h>

namespace involute::ui::win32 {

class Win32Window;

// Runs until the window is closed; returns the exit status.
[[nodiscard]] int runWindow(HINSTANCE instance, int show);

// Takes one message of the window's thread through the window's keys, then to
// its window procedure; the message loop and the tests share it.
void deliver(Win32Window& window, MSG& message);

}  // namespace involute::ui::win32
