#include "printable_text.h"

#include "utf8.h"

namespace involute::utf8 {

namespace {

constexpr std::size_t kEscapeLength = 4;  // \xNN

bool isControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

void appendEscaped(std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
        out += "\\x";
        out += hexDigits(static_cast<unsigned char>(c));
    }
}

}  // namespace

std::string hexDigits(unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    return {kHex[byte >> 4], kHex[byte & 0xF]};
}

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
