// User text as a message shows it.
//
// A message quotes what was typed or read from a file. Control characters
// (C0, DEL and C1, such as the ESC that starts a terminal sequence) and bytes
// that are not UTF-8 are written as \xNN, one escape per byte, so a message
// can neither drive the terminal nor carry broken text into a window or a
// JSON or CSV file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace involute::utf8 {

// The text with those bytes escaped. When it would show more than `limit`
// characters (an escape counts as its four), it is cut after the last whole
// character or escape that fits and ends in "…".
[[nodiscard]] std::string printableText(std::string_view text,
                                        std::size_t limit = std::string_view::npos);

// The byte as two upper-case hexadecimal digits, as its escape shows it.
[[nodiscard]] std::string hexDigits(unsigned char byte);

}  // namespace involute::utf8
