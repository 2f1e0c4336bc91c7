// What every subcommand does before its own work, and how it reports a
// command it cannot run.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string_view>

#include "command_line.h"
#include "options.h"

namespace involute::cli {

// Prints "involute COMMAND: PROBLEM" and where to find the usage; returns the
// usage exit status.
int usageError(const Streams& streams, std::string_view command, std::string_view problem);

// Writes `text` and flushes the stream; false when either failed. Nothing to
// write is no failure, even on a stream that cannot be written.
[[nodiscard]] bool writeAndFlush(std::ostream& out, std::string_view text);

// Prints "involute COMMAND: 写入 DESTINATION 时出错" (without COMMAND when it
// is empty) and returns the usage exit status.
int writeError(const Streams& streams, std::string_view command,
               std::string_view destination = "标准输出");

// A parse error is a usage error; --help and --version print and succeed.
// Returns the exit status when the subcommand is answered, nothing when it
// should go on.
[[nodiscard]] std::optional<int> answerCommonOptions(const ParsedOptions& parsed,
                                                     std::size_t helpOption,
                                                     std::size_t versionOption,
                                                     const Streams& streams,
                                                     std::string_view command);

}  // namespace involute::cli
