// The real involute.exe, started without a subcommand, opens its window and
// ends with status 0 when its Exit button is clicked or the window is closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "utf16_windows.h"
#include "win32_window.h"

namespace involute::testing {
namespace {

struct FoundWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK matchProcess(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<FoundWindow*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::wstring className(64, L'\0');
    className.resize(static_cast<std::size_t>(
        GetClassNameW(window, className.data(), static_cast<int>(className.size()))));
    if (process == found->process && className == ui::win32::kWindowClassName) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

class RunningProgram {
  public:
    RunningProgram() {
        std::wstring commandLine = L"\"" + utf8::utf16FromUtf8(INVOLUTE_EXECUTABLE) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
    }
    ~RunningProgram() {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    [[nodiscard]] bool started() const { return started_; }

    // The program's main window, once it is visible; nullptr after 20 s.
    [[nodiscard]] HWND window() const {
        for (int tries = 0; tries < 2000; ++tries) {
            FoundWindow found{process_.dwProcessId, nullptr};
            EnumWindows(&matchProcess, reinterpret_cast<LPARAM>(&found));
            if (found.window != nullptr && IsWindowVisible(found.window) != FALSE) {
                return found.window;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return nullptr;
    }

    // The exit status; -1 while it still runs after 20 s.
    [[nodiscard]] long exitStatus() const {
        if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD status = 0;
        GetExitCodeProcess(process_.hProcess, &status);
        return static_cast<long>(status);
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

TEST(Program, ExitButtonEndsItWithStatusZero) {
    const RunningProgram program;
    ASSERT_TRUE(program.started());
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    HWND exitButton =
        GetDlgItem(window, ui::win32::kControlIdBase + static_cast<int>(ui::Control::Command2));
    ASSERT_NE(exitButton, nullptr);
    PostMessageW(exitButton, BM_CLICK, 0, 0);
    EXPECT_EQ(program.exitStatus(), 0);
}

TEST(Program, ClosingTheWindowEndsItWithStatusZero) {
    const RunningProgram program;
    ASSERT_TRUE(program.started());
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.exitStatus(), 0);
}

}  // namespace
}  // namespace involute::testing
