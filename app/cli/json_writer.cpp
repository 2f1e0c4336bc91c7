#include "json_writer.h"

#include <array>

#include "number_text.h"
#include "utf8.h"

namespace involute::cli {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void appendEscaped(std::string& out, unsigned char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            break;
    }
    constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == '"' || c == '\\' || c < 0x20) {
            appendEscaped(out, c);
            ++pos;
            continue;
        }
        const utf8::Character character = utf8::firstCharacter(text.substr(pos));
        if (!character.valid) {
            out += kReplacementCharacter;
        } else {
            out.append(text.substr(pos, character.length));
        }
        pos += character.length;
    }
    out += '"';
}

void appendJsonNumber(std::string& out, std::optional<double> value) {
    if (!value) {
        out += "null";
        return;
    }
    out += calc::textFromNumber(*value);
}

}  // namespace involute::cli
