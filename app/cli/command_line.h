// The command line: `involute calc` computes one gear, `involute batch` a
// CSV table of gears. Neither needs a display: nothing here touches a window
// toolkit.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "decoded_input.h"
#include "file_identity.h"

namespace involute::cli {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // The regular files behind `in` and `out` when they are files
    // (`< gears.csv`, `>> gears.csv`), so that batch never writes onto its
    // own input; nothing for terminals, pipes, devices and in-memory streams.
    std::optional<platform::FileIdentity> inFile{};
    std::optional<platform::FileIdentity> outFile{};
    // Whether `out` shows on a terminal or console: it gets text as UTF-8
    // characters whatever encoding a file would be written in.
    bool outIsConsole = false;
    // How to wait for `in` to have bytes, when it is the process's standard
    // input: a table piped in slowly is then shown row by row.
    InputArrival inArrival = nullptr;
};

// `words` are the arguments after the program name, subcommand first.
// Returns the exit status (app/cli/exit_status.h).
[[nodiscard]] int runCommandLine(std::span<const std::string_view> words, const Streams& streams);

// The same on the process's arguments and standard streams.
[[nodiscard]] int runCommandLine(int argc, char** argv);

}  // namespace involute::cli
