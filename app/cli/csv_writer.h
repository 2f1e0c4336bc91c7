// Pieces of CSV text (RFC 4180), appended to a buffer reused from row to row.
#pragma once

#include <string>
#include <string_view>

namespace involute::cli {

// Records end in CRLF, as RFC 4180 writes them.
inline constexpr std::string_view kCsvRecordEnd = "\r\n";

// One field, in double quotes (inner quotes doubled) when it holds a comma, a
// quote or a line break; as it is otherwise.
void appendCsvField(std::string& out, std::string_view text);

}  // namespace involute::cli
