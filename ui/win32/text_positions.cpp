#include "text_positions.h"

namespace involute::ui::win32 {

namespace {

bool isHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::size_t utf16IndexAfter(std::wstring_view text, std::size_t from, int characters) {
    std::size_t index = from < text.size() ? from : text.size();
    for (int counted = 0; counted < characters && index < text.size(); ++counted) {
        const bool pair = isHighSurrogate(text[index]) && index + 1 < text.size() &&
                          isLowSurrogate(text[index + 1]);
        index += pair ? 2 : 1;
    }
    return index;
}

}  // namespace involute::ui::win32
