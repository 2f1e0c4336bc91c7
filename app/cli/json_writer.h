// Pieces of JSON text, appended to a buffer that is reused from row to row.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace involute::cli {

// A JSON string: quotes, backslashes and control characters escaped. A byte
// that is not part of well-formed UTF-8 becomes U+FFFD, so the output is
// always valid JSON whatever a file held.
void appendJsonString(std::string& out, std::string_view utf8);

// A JSON number written with calc::textFromNumber, so it reads back to the
// digits the window shows ("62.0650079416401", "1E+15"); null when absent.
void appendJsonNumber(std::string& out, std::optional<double> value);

}  // namespace involute::cli
