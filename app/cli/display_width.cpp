#include "display_width.h"

#include "utf8.h"

namespace involute::cli {

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const utf8::Character character = utf8::firstCharacter(text.substr(pos));
        width += character.valid && character.codePoint >= 0x2E80 ? 2 : 1;
        pos += character.length;
    }
    return width;
}

}  // namespace involute::cli
