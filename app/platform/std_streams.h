// The standard descriptors 0 (input), 1 (output) and 2 (error) as the
// program found them.
#pragma once

namespace involute::platform {

struct StandardStreamsAtStart {
    bool inputClosed = false;
    bool outputClosed = false;
    bool errorClosed = false;
};

// Notes which of the three standard descriptors are closed and opens the
// null device on each of them, so that a file the program opens later can
// never take the number of one and receive what is meant for the terminal
// (`involute batch in.csv >&-` would otherwise write into its own input).
// Call before opening anything.
[[nodiscard]] StandardStreamsAtStart holdStandardStreams();

}  // namespace involute::platform
