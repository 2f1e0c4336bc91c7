// Where the program `involute` and its window module meet. On Linux the Qt
// window is a module of its own (involute-window-qt.so) that the program
// loads only when it opens the window, so that the command line starts
// without mapping a library of the window toolkit.
#pragma once

#include <string_view>

// Checks that the window can be shown, shows it and runs it until it is
// closed; returns the program's exit status, kExitNoWindow when there is no
// display to show it on (the message is on standard error then). `argc` and
// `argv` are the program's, Qt's own options among them.
extern "C" __attribute__((visibility("default"))) int involute_open_window(int argc, char** argv);

namespace involute::ui {

using WindowEntryPoint = decltype(&involute_open_window);
inline constexpr const char* kWindowEntryPointName = "involute_open_window";

// The exit status when the window cannot be opened: the command line's
// usage status, since the command line is what the user is pointed to.
inline constexpr int kExitNoWindow = 2;

// The last line of every message that the window cannot be opened.
inline constexpr std::string_view kCommandLineHint = "命令行的用法见 involute --help\n";

}  // namespace involute::ui
