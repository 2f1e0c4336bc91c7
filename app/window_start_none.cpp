// A Linux build configured without the Qt window (-DINVOLUTE_WINDOW=OFF): the
// command line is all it offers.
#include <span>
#include <string_view>

#include "command_line.h"
#include "console.h"
#include "window_start.h"

namespace involute::ui {

int startWindow(int /*argc*/, char** /*argv*/) {
    const platform::StandardStreams standard;
    standard.err() << kNoWindowNote;
    // Without a subcommand the command line shows its help and fails.
    return cli::runCommandLine(std::span<const std::string_view>{},
                               cli::Streams{standard.in(), standard.out(), standard.err()});
}

}  // namespace involute::ui
