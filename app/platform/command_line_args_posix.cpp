// POSIX hands main() the arguments' bytes as typed; UTF-8 on every system
// the program supports.
#include <algorithm>

#include "command_line_args.h"

namespace involute::platform {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return {argv + std::min(argc, 1), argv + argc};
}

}  // namespace involute::platform
