// What `involute` does when it is given no subcommand. Each binding's
// start-up defines startWindow (ui/qt loads the window module, ui/win32 runs
// its window); a build without a window has the program's own (app/).
#pragma once

#include <string_view>

namespace involute::ui {

// Opens the calculator's window and returns the exit status when it closes.
// A build without a window prints kNoWindowNote and the command line's help
// to standard error and returns the usage exit status.
[[nodiscard]] int startWindow(int argc, char** argv);

inline constexpr std::string_view kNoWindowNote =
    "involute：此版本还没有窗口，请在命令行中使用 calc 或 batch。\n";

}  // namespace involute::ui
