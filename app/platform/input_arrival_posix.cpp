#include <poll.h>
#include <unistd.h>

#include "input_arrival.h"

namespace involute::platform {

bool standardInputArrivesWithin(std::chrono::milliseconds timeout) {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    // An error or a hang-up is readable too: the read that follows tells.
    return poll(&input, 1, static_cast<int>(timeout.count())) != 0;
}

}  // namespace involute::platform
