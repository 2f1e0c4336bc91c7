// involute: with a subcommand (`involute calc ...`) the command line, which
// needs no display; with no arguments the window.
#include "app/cli/command_line.h"
#include "app/platform/window_start.h"

int main(int argc, char** argv) {
    const bool subcommand = argc > 1 && argv[1][0] != '\0';
    if (subcommand) {
        return involute::cli::runCommandLine(argc, argv);
    }
    return involute::platform::startWindow(argc, argv);
}
