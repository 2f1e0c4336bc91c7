// The window's DPI on every Windows from 7 SP1 on. The functions that report
// a window's own DPI came with Windows 8.1 (shcore's GetDpiForMonitor) and
// Windows 10 1607 (user32's GetDpiForWindow and friends); importing them
// would keep the program from loading on older systems, so they are looked
// up here at run time, and each question falls back to what the system in
// hand offers: per-monitor v2 on 10 1607+, the monitor's DPI on 8.1, the
// system DPI on 7 and 8.
#pragma once

#include <windows.h>

namespace involute::ui::win32 {

// The functions found at start-up; a missing one is null. Tests empty the
// table to drive the window the way Windows 7 does.
struct DpiFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
    // shcore's GetDpiForMonitor; its second argument is a MONITOR_DPI_TYPE.
    HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

DpiFunctions& dpiFunctions();

// The DPI the window is drawn at.
UINT dpiOfWindow(HWND window);
// The DPI of the screen as a whole (GetDeviceCaps' LOGPIXELSX).
UINT systemDpi();
// The window rectangle around `client` for a window drawn at `dpi`.
void adjustFrameForDpi(RECT& client, DWORD style, DWORD exStyle, UINT dpi);
// GetSystemMetrics(index) as it is at `dpi`.
int systemMetricForDpi(int index, UINT dpi);

}  // namespace involute::ui::win32
