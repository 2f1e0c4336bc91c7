// A small parser for the options of a subcommand.
//
// Accepts "--name VALUE", "--name=VALUE", "-n VALUE" and "-nVALUE". The word
// after an option that takes a value is always its value, so a negative
// angle reads as "--beta -25". "--" ends the options.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace involute::cli {

struct CommandOption {
    std::string_view name;   // long name, without "--"
    std::string_view alias;  // a second long name, or empty
    char letter = 0;         // the short form after "-", or 0
    bool takesValue = true;
};

struct ParsedOptions {
    // One entry per option, in option order: the value given, "" for a flag given.
    std::vector<std::optional<std::string_view>> values;
    std::vector<std::string_view> positionals;
    std::string error;  // why the words are not a valid command; empty when they are

    [[nodiscard]] bool ok() const { return error.empty(); }
};

[[nodiscard]] ParsedOptions parseOptions(std::span<const CommandOption> options,
                                         std::span<const std::string_view> words);

}  // namespace involute::cli
