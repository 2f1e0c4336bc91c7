#include "dpi_functions.h"

namespace involute::ui::win32 {

namespace {

// MDT_EFFECTIVE_DPI: the DPI that the user's display scale gives the monitor.
constexpr int kEffectiveDpi = 0;

template <typename Function>
void find(Function& function, HMODULE module, const char* name) {
    if (module != nullptr) {
        // The cast from FARPROC to the real signature is what GetProcAddress
        // is for.
        function =
            reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
}

DpiFunctions lookUp() {
    DpiFunctions found;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    find(found.getDpiForWindow, user32, "GetDpiForWindow");
    find(found.adjustWindowRectExForDpi, user32, "AdjustWindowRectExForDpi");
    find(found.getSystemMetricsForDpi, user32, "GetSystemMetricsForDpi");
    // Loaded from the system folder only, never from the program's.
    HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    find(found.getDpiForMonitor, shcore, "GetDpiForMonitor");
    return found;
}

}  // namespace

DpiFunctions& dpiFunctions() {
    static DpiFunctions functions = lookUp();
    return functions;
}

UINT systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT dpiOfWindow(HWND window) {
    const DpiFunctions& functions = dpiFunctions();
    if (functions.getDpiForWindow != nullptr) {
        return functions.getDpiForWindow(window);
    }
    if (functions.getDpiForMonitor != nullptr) {
        UINT x = 0;
        UINT y = 0;
        if (SUCCEEDED(functions.getDpiForMonitor(
                MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) &&
            x > 0) {
            return x;
        }
    }
    return systemDpi();
}

void adjustFrameForDpi(RECT& client, DWORD style, DWORD exStyle, UINT dpi) {
    const DpiFunctions& functions = dpiFunctions();
    if (functions.adjustWindowRectExForDpi != nullptr) {
        functions.adjustWindowRectExForDpi(&client, style, FALSE, exStyle, dpi);
        return;
    }
    // The frame at the system DPI; a window sized with it is measured again
    // (Win32Window::sizeClientArea) where the frame turns out different.
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
}

int systemMetricForDpi(int index, UINT dpi) {
    const DpiFunctions& functions = dpiFunctions();
    if (functions.getSystemMetricsForDpi != nullptr) {
        return functions.getSystemMetricsForDpi(index, dpi);
    }
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

}  // namespace involute::ui::win32
