// Terminal columns a text takes, for the command line's aligned columns.
#pragma once

#include <cstddef>
#include <string_view>

namespace involute::cli {

// CJK characters and full-width forms, from U+2E80 on, take two columns.
[[nodiscard]] std::size_t displayWidth(std::string_view text);

}  // namespace involute::cli
