// Drives the real Win32 window of this process through window messages, as a
// user's keys and clicks would reach it, and reads back what it shows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "win32_window.h"

namespace involute::testing {

// Watches for the error report, a dialog (class #32770) titled like the main
// window, reads it and presses its one button, as a user would.
class ErrorReportWatchdog {
  public:
    struct Report {
        std::string title;
        std::string message;
        std::string button;
        // The width of the warning icon's image, in pixels, and of its place.
        int iconWidth = 0;
        int iconPlaceWidth = 0;
    };

    ErrorReportWatchdog();
    ~ErrorReportWatchdog();
    ErrorReportWatchdog(const ErrorReportWatchdog&) = delete;
    ErrorReportWatchdog& operator=(const ErrorReportWatchdog&) = delete;

    [[nodiscard]] std::vector<Report> reports() const;

  private:
    void watch();

    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Report> reports_;
    std::thread thread_;
};

class Win32WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Delivers every waiting message the way the program's message loop does.
    void pump();

    [[nodiscard]] HWND of(ui::Control control) const { return window_->control(control); }
    [[nodiscard]] ui::Window& contract() { return *window_; }
    [[nodiscard]] ui::win32::Win32Window& window() { return *window_; }

    [[nodiscard]] std::string text(ui::Control control) const;
    void type(ui::Control field, std::string_view text);
    void click(ui::Control button);
    void clickInto(ui::Control field);
    // `extended`: the key of the numeric keypad or the arrows' block.
    void press(WPARAM key, bool shift = false, bool extended = false);
    [[nodiscard]] std::optional<ui::Control> focus() const;
    // The selection in UTF-16 units, as the edit control keeps it.
    [[nodiscard]] std::pair<DWORD, DWORD> selection(ui::Control field) const;
    // The background the window paints the field with.
    [[nodiscard]] COLORREF background(ui::Control field) const;
    // Controls whose text does not fit whole; empty when all fit.
    [[nodiscard]] std::vector<std::string> controlsCuttingTheirText() const;

    ErrorReportWatchdog watchdog_;

  private:
    std::unique_ptr<ui::win32::Win32Window> window_;
};

}  // namespace involute::testing
