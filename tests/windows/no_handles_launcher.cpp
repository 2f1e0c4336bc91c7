// Starts a program the way a parent that redirects nothing starts a GUI
// program: STARTF_USESTDHANDLES with no standard handles, or with only its
// own standard output passed on (--pass-output). Returns the program's exit
// status, or 120 when it could not be started.
//   no_handles_launcher [--pass-output] PROGRAM [ARGUMENT...]
// Each argument is passed in double quotes, so none may hold one.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

int wmain() {
    int count = 0;
    LPWSTR* const words = CommandLineToArgvW(GetCommandLineW(), &count);
    int first = 1;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (count > first && std::wstring_view(words[first]) == L"--pass-output") {
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        ++first;
    }
    std::wstring commandLine;
    for (int i = first; i < count; ++i) {
        commandLine += (i == first ? L"\"" : L" \"") + std::wstring(words[i]) + L"\"";
    }
    LocalFree(static_cast<HLOCAL>(words));
    PROCESS_INFORMATION process{};
    if (commandLine.empty() || CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                              0, nullptr, nullptr, &startup, &process) == 0) {
        return 120;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 120;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
