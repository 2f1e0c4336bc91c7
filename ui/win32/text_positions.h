// The window contract counts selection positions in characters (code
// points); an edit control counts UTF-16 units, two for a character beyond
// U+FFFF.
#pragma once

#include <cstddef>
#include <string_view>

namespace involute::ui::win32 {

// The UTF-16 index `characters` code points after the index `from`, at most
// the end of the text. A lone surrogate counts as one character.
[[nodiscard]] std::size_t utf16IndexAfter(std::wstring_view text, std::size_t from, int characters);

}  // namespace involute::ui::win32
