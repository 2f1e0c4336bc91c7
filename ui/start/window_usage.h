// The help's line for `involute` without a subcommand: Qt's window takes
// Qt's own options (`-style fusion`), the Windows window takes none.
#pragma once

#include <string_view>

namespace involute::ui {

[[nodiscard]] std::string_view windowUsage();

}  // namespace involute::ui
