// A pipe cannot be waited on: its byte count is looked at until the time is
// up. A console handle is signalled by its input events.
#include <windows.h>

#include "input_arrival.h"

namespace involute::platform {

namespace {

constexpr DWORD kPipeLookMilliseconds = 10;

bool pipeArrivesWithin(HANDLE pipe, std::chrono::milliseconds timeout) {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
    for (;;) {
        DWORD available = 0;
        // A pipe whose writer has gone fails here: its end is readable.
        if (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) == 0 || available > 0) {
            return true;
        }
        if (GetTickCount64() >= until) {
            return false;
        }
        Sleep(kPipeLookMilliseconds);
    }
}

}  // namespace

bool standardInputArrivesWithin(std::chrono::milliseconds timeout) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    switch (GetFileType(input)) {
        case FILE_TYPE_PIPE:
            return pipeArrivesWithin(input, timeout);
        case FILE_TYPE_CHAR:
            return WaitForSingleObject(input, static_cast<DWORD>(timeout.count())) != WAIT_TIMEOUT;
        default:
            return true;
    }
}

}  // namespace involute::platform
