#include "utf8/printable_text.h"

#include <array>

#include "utf8/utf8.h"

namespace involute::utf8 {

namespace {

constexpr std::size_t kEscapeLength = 4;  // \xNN

bool isControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

void appendEscaped(std::string& out, std::string_view bytes) {
    constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

}  // namespace

std::string printableText(std::string_view text, std::size_t limit) {
    std::string shown;
    std::size_t shownCharacters = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const Character character = firstCharacter(text.substr(pos));
        const bool escaped = !character.valid || isControl(character.codePoint);
        const std::size_t width = escaped ? kEscapeLength * character.length : 1;
        if (shownCharacters + width > limit) {
            shown += "…";
            break;
        }
        const std::string_view bytes = text.substr(pos, character.length);
        if (escaped) {
            appendEscaped(shown, bytes);
        } else {
            shown.append(bytes);
        }
        shownCharacters += width;
        pos += character.length;
    }
    return shown;
}

}  // namespace involute::utf8
