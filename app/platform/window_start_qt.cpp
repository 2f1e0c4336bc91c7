#include <algorithm>
#include <iostream>
#include <vector>

#include "app/cli/exit_status.h"
#include "app/platform/display_check.h"
#include "app/platform/window_start.h"
#include "ui/qt/run_window.h"

namespace involute::platform {

int startWindow(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
    if (const auto problem = displayProblem(words)) {
        std::cerr << *problem;
        return cli::kExitUsage;
    }
    return ui::qt::runWindow(argc, argv);
}

}  // namespace involute::platform
