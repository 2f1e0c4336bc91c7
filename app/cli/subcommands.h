// The subcommands, each given the words after its name.
#pragma once

#include <span>
#include <string_view>

#include "command_line.h"

namespace involute::cli {

[[nodiscard]] int runCalc(std::span<const std::string_view> words, const Streams& streams);
[[nodiscard]] int runBatch(std::span<const std::string_view> words, const Streams& streams);

}  // namespace involute::cli
