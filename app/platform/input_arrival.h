// Whether standard input has something to read soon: bytes, or its end.
// A table piped in row by row shows each row's result as it comes, and the
// input's encoding is decided on what has arrived when it pauses.
#pragma once

#include <chrono>

namespace involute::platform {

// Waits at most `timeout` for standard input to be readable without
// blocking; false when nothing came. Files are always readable.
[[nodiscard]] bool standardInputArrivesWithin(std::chrono::milliseconds timeout);

}  // namespace involute::platform
