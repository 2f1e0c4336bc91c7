// involute: with a subcommand (`involute calc ...`) the command line, which
// needs no display; else the window, when there is a display to show it on.
#include <algorithm>
#include <vector>

#include "app/cli/command_line.h"
#include "app/platform/window_start.h"
#include "app/start_choice.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
    if (involute::app::startsCommandLine(words)) {
        return involute::cli::runCommandLine(argc, argv);
    }
    return involute::platform::startWindow(argc, argv);
}
