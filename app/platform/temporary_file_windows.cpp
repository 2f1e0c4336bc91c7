// The temporary file on Windows: made with CreateFileW beside the target,
// open with FILE_SHARE_DELETE so that the console's Ctrl+C or close handler
// can delete it while it is written, and put in place with MoveFileExW.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <array>
#include <atomic>
#include <string>

#include "temporary_file.h"

namespace involute::platform {

namespace {

// The one temporary file a run writes, for the control handler, which runs
// on a thread of its own while the program writes.
std::array<wchar_t, 32768> gTemporaryPath{};
std::atomic<bool> gTemporaryArmed{false};

BOOL WINAPI removeTemporary(DWORD /*event*/) {
    if (gTemporaryArmed.exchange(false)) {
        DeleteFileW(gTemporaryPath.data());
    }
    return FALSE;  // and the program ends as it would have
}

void arm(const std::wstring& path) {
    std::copy(path.begin(), path.end(), gTemporaryPath.begin());
    gTemporaryPath[path.size()] = L'\0';
    gTemporaryArmed = true;
    static const bool handlerSet = SetConsoleCtrlHandler(removeTemporary, TRUE) != 0;
    static_cast<void>(handlerSet);
}

}  // namespace

std::optional<TemporaryFile> createTemporaryBeside(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path path =
            folder / (L"." + target.filename().wstring() + L".involute-" +
                      std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt));
        if (path.native().size() >= gTemporaryPath.size()) {
            return std::nullopt;
        }
        HANDLE handle =
            CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return std::nullopt;
        }
        arm(path.native());
        const int descriptor =
            _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
        std::FILE* file = descriptor >= 0 ? _fdopen(descriptor, "wb") : nullptr;
        if (file == nullptr) {
            if (descriptor >= 0) {
                _close(descriptor);
            } else {
                CloseHandle(handle);
            }
            discardTemporary(path);
            return std::nullopt;
        }
        return TemporaryFile{file, path};
    }
    return std::nullopt;
}

bool replaceWithTemporary(const std::filesystem::path& temporary,
                          const std::filesystem::path& target) {
    const bool replaced =
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    gTemporaryArmed = false;
    return replaced;
}

void discardTemporary(const std::filesystem::path& temporary) {
    gTemporaryArmed = false;
    DeleteFileW(temporary.c_str());
}

}  // namespace involute::platform
