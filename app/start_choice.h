// Whether the arguments ask for the command line or for the window.
#pragma once

#include <span>
#include <string_view>

namespace involute::app {

// `words` are the arguments after the program name. A subcommand or one of
// the command line's own options (`calc`, `batch`, `help`, `--help`, `-h`,
// `--version`, or an unknown word, which the command line reports) asks for
// the command line. No words, an empty first word, or a first word with a
// single dash (`-style fusion`, `-platform offscreen`, `-reverse`: Qt's own
// options) ask for the window.
[[nodiscard]] bool startsCommandLine(std::span<const std::string_view> words);

}  // namespace involute::app
