#include "utf16_positions.h"

#include <algorithm>

namespace involute::utf8 {

namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// True when the units at `index` and after it are a high and a low surrogate.
bool pairAt(std::u16string_view text, std::size_t index) {
    return index + 1 < text.size() && isHighSurrogate(text[index]) &&
           isLowSurrogate(text[index + 1]);
}

}  // namespace

std::size_t utf16IndexAfter(std::u16string_view text, std::size_t from, int characters) {
    std::size_t index = std::min(from, text.size());
    for (int counted = 0; counted < characters && index < text.size(); ++counted) {
        index += pairAt(text, index) ? 2 : 1;
    }
    return index;
}

std::size_t utf16IndexBefore(std::u16string_view text, std::size_t from) {
    const std::size_t index = std::min(from, text.size());
    if (index == 0) {
        return 0;
    }
    return index >= 2 && pairAt(text, index - 2) ? index - 2 : index - 1;
}

}  // namespace involute::utf8
