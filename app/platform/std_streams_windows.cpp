// involute.exe is a GUI-subsystem program: Windows gives it no console, and
// a standard handle that the parent did not redirect is missing. For the
// command line it takes the console of the program that started it. A
// Windows program started with a standard handle closed gets descriptors 0
// to 2 unassigned; the next file the C runtime opens would take the lowest
// free one. Each still closed one is opened on the null device (NUL).
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <array>

#include "std_streams.h"

namespace involute::platform {

namespace {

struct StandardHandle {
    DWORD which;
    int descriptor;
    const wchar_t* consoleName;
    int access;
};

constexpr std::array<StandardHandle, 3> kStandardHandles{{
    {STD_INPUT_HANDLE, 0, L"CONIN$", _O_RDONLY},
    {STD_OUTPUT_HANDLE, 1, L"CONOUT$", _O_WRONLY},
    {STD_ERROR_HANDLE, 2, L"CONOUT$", _O_WRONLY},
}};

// A handle the parent passed in: a file, a pipe, a console or a device.
bool isPassedIn(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Puts `handle` on `descriptor`, for the C runtime, and as the standard
// handle, for the console writer (console_windows.cpp).
void bindDescriptor(const StandardHandle& standard, HANDLE handle) {
    const int opened =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle), standard.access | _O_BINARY);
    if (opened == -1) {
        CloseHandle(handle);
        return;
    }
    if (opened != standard.descriptor) {
        _dup2(opened, standard.descriptor);
        _close(opened);
    }
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto bound = reinterpret_cast<HANDLE>(_get_osfhandle(standard.descriptor));
    SetStdHandle(standard.which, bound);
}

// Opens the handles the parent did not pass in on the parent's console.
// Returns false when there is no such console (started from Explorer).
bool takeParentConsole() {
    std::array<HANDLE, kStandardHandles.size()> passedIn{};
    for (std::size_t i = 0; i < kStandardHandles.size(); ++i) {
        const HANDLE handle = GetStdHandle(kStandardHandles[i].which);
        passedIn[i] = isPassedIn(handle) ? handle : nullptr;
    }
    // ERROR_ACCESS_DENIED: the process has a console already.
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0 && GetLastError() != ERROR_ACCESS_DENIED) {
        return false;
    }
    for (std::size_t i = 0; i < kStandardHandles.size(); ++i) {
        const StandardHandle& standard = kStandardHandles[i];
        if (passedIn[i] != nullptr) {
            // Attaching may have put the console there instead.
            SetStdHandle(standard.which, passedIn[i]);
            continue;
        }
        const HANDLE console =
            CreateFileW(standard.consoleName, GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (console != INVALID_HANDLE_VALUE) {
            bindDescriptor(standard, console);
        }
    }
    return true;
}

// Whether `descriptor` was closed; it is open on the null device afterwards.
bool holdOnNullDevice(int descriptor, int access) {
    if (_get_osfhandle(descriptor) >= 0) {
        return false;
    }
    const int opened = _open("NUL", access | _O_BINARY);
    if (opened != -1 && opened != descriptor) {
        _dup2(opened, descriptor);
        _close(opened);
    }
    return true;
}

}  // namespace

StandardStreamsAtStart holdStandardStreams() {
    const bool hasConsole = takeParentConsole();
    StandardStreamsAtStart atStart;
    atStart.inputClosed = holdOnNullDevice(0, _O_RDONLY);
    // With a console every missing handle is on it now, and one still
    // missing could not be opened: writing to it fails, as on other systems.
    // Without a console nobody would ever see the text but in a message box.
    const bool outputMissing = holdOnNullDevice(1, _O_WRONLY);
    const bool errorMissing = holdOnNullDevice(2, _O_WRONLY);
    atStart.outputClosed = outputMissing && hasConsole;
    atStart.errorClosed = errorMissing && hasConsole;
    atStart.outputToMessageBox = outputMissing && !hasConsole;
    atStart.errorToMessageBox = errorMissing && !hasConsole;
    return atStart;
}

}  // namespace involute::platform
