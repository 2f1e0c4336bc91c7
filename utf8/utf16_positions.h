// The window counts selection positions in characters (code points); an
// edit control of either toolkit counts UTF-16 units, two for a character
// beyond U+FFFF. A lone surrogate counts as one character, as a toolkit
// shows it as one.
#pragma once

#include <cstddef>
#include <string_view>

namespace involute::utf8 {

// The index `characters` code points after the index `from`, at most the end
// of the text; `from` itself (or the end) when `characters` is not positive.
[[nodiscard]] std::size_t utf16IndexAfter(std::u16string_view text, std::size_t from,
                                          int characters);

// The index of the character that ends at `from`: one unit back, or two for
// a surrogate pair; 0 at the start of the text.
[[nodiscard]] std::size_t utf16IndexBefore(std::u16string_view text, std::size_t from);

}  // namespace involute::utf8
