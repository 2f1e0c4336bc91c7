// Exit statuses of the command line, for scripts.
#pragma once

namespace involute::cli {

inline constexpr int kExitOk = 0;      // every gear computed
inline constexpr int kExitFailed = 1;  // the calculation, or a row of a batch, failed
inline constexpr int kExitUsage = 2;   // bad option, unreadable or unwritable file, not a CSV table

}  // namespace involute::cli
