// The window module's entry point: the display is checked before Qt starts,
// since Qt ends the program with an abort when its platform cannot connect.
#include <algorithm>
#include <iostream>
#include <vector>

#include "display_check.h"
#include "run_window.h"
#include "window_module.h"

extern "C" int involute_open_window(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
    if (const auto problem = involute::ui::qt::displayProblem(words)) {
        std::cerr << *problem;
        return involute::ui::kExitNoWindow;
    }
    return involute::ui::qt::runWindow(argc, argv);
}
