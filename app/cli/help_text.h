// What `involute --help` and `involute --version` print.
#pragma once

#include <string_view>

namespace involute::cli {

[[nodiscard]] std::string_view helpText();
[[nodiscard]] std::string_view versionText();

// The line that follows a usage error.
inline constexpr std::string_view kSeeHelp = "用 involute --help 查看用法\n";

}  // namespace involute::cli
