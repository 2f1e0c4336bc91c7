// Starts the built program `involute` as a script would: the words as its
// arguments, `input` as its standard input, its standard output and error
// into files, no display. One source per system says how.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "run_command.h"

namespace involute::testing {

// `words` are UTF-8; the exit status is the program's own, or 128 plus the
// signal that ended it.
CommandResult runProgram(const std::vector<std::string>& words, std::string_view input = {});

}  // namespace involute::testing
