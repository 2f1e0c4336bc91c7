// The program's arguments as the command line reads them: UTF-8 text,
// whatever the system hands to main().
#pragma once

#include <string>
#include <vector>

namespace involute::platform {

// The arguments after the program name. On Windows main()'s `argv` is in the
// ANSI code page and has already lost every character outside it, so the
// arguments are read again from the wide command line.
[[nodiscard]] std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace involute::platform
