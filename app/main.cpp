// involute: with a subcommand (`involute calc ...`) the command line, which
// needs no display; else the window, when there is a display to show it on.
#include <algorithm>
#include <iostream>
#include <vector>

#include "app/cli/command_line.h"
#include "app/cli/exit_status.h"
#include "app/display_check.h"
#include "app/start_choice.h"
#include "ui/qt/run_window.h"

int main(int argc, char** argv) {
    namespace app = involute::app;
    const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
    if (app::startsCommandLine(words)) {
        return involute::cli::runCommandLine(argc, argv);
    }
    if (const auto problem = app::displayProblem(words)) {
        std::cerr << *problem;
        return involute::cli::kExitUsage;
    }
    return involute::ui::qt::runWindow(argc, argv);
}
