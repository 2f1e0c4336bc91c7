// Whether a text the user reads can be shown in the GB2312 character set.
#pragma once

#include <string_view>

namespace involute::testing {

[[nodiscard]] bool fitsGb2312(std::string_view utf8);

}  // namespace involute::testing
