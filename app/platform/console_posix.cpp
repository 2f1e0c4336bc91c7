// A POSIX terminal takes UTF-8 bytes as they are; the streams need only stop
// waiting on C stdio, which nothing here uses.
#include <unistd.h>

#include <iostream>

#include "console.h"

namespace involute::platform {

struct StandardStreams::Consoles {};

StandardStreams::StandardStreams() {
    // Batches go through these streams in large blocks.
    std::ios::sync_with_stdio(false);
}

StandardStreams::~StandardStreams() {
    std::cout.flush();
}

}  // namespace involute::platform

namespace involute::platform {

bool StandardStreams::outIsConsole() const {
    return isatty(1) != 0;
}

}  // namespace involute::platform
