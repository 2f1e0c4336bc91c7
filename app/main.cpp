// involute: with a subcommand (`involute calc ...`) the command line, which
// needs no display; else the window, when there is a display to show it on.
#include <algorithm>
#include <vector>

#include "command_line.h"
#include "exit_status.h"
#include "start_choice.h"
#include "window_module.h"
#include "window_start.h"

// A window that cannot open points to the command line, and exits as it
// does on a usage error.
static_assert(involute::ui::kExitNoWindow == involute::cli::kExitUsage);

int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
    if (involute::app::startsCommandLine(words)) {
        return involute::cli::runCommandLine(argc, argv);
    }
    return involute::ui::startWindow(argc, argv);
}
