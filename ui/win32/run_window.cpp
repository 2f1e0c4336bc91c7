#include "run_window.h"

#include "win32_window.h"

namespace involute::ui::win32 {

void deliver(Win32Window& window, MSG& message) {
    if (!window.translateKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int runWindow(HINSTANCE instance, int show) {
    const std::unique_ptr<Win32Window> window = Win32Window::create(instance);
    if (!window) {
        return 1;
    }
    window->show(show);
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        deliver(*window, message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace involute::ui::win32
