// involute: with a subcommand (`involute calc ...`) the command line, which
// needs no display; with no arguments the window.
#include "app/cli/command_line.h"
#include "app/window_entry.h"

int main(int argc, char** argv) {
    const bool subcommand = argc > 1 && argv[1][0] != '\0';
    if (subcommand) {
        return involute::cli::runCommandLine(argc, argv);
    }
#ifdef INVOLUTE_WITHOUT_WINDOW  // temporary, until the window is built here: prints the usage
    return involute::cli::runCommandLine(1, argv);
#else
    return runWindow(argc, argv);
#endif
}
