#include "app/cli/json_writer.h"

#include <array>

#include "calc/number_text.h"

namespace involute::cli {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned byte, unsigned low = 0x80, unsigned high = 0xBF) {
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at `pos` (1 to 4), or 0.
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) {
        return pos + k < text.size() ? unsigned{static_cast<unsigned char>(text[pos + k])} : 0u;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return isContinuation(byte(1)) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return isContinuation(byte(1), low, high) && isContinuation(byte(2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return isContinuation(byte(1), low, high) && isContinuation(byte(2)) &&
                       isContinuation(byte(3))
                   ? 4
                   : 0;
    }
    return 0;
}

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

void appendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[pos]);
        if (c == '"' || c == '\\' || c < 0x20) {
            appendEscaped(out, c);
            ++pos;
            continue;
        }
        const std::size_t length = sequenceLength(utf8, pos);
        if (length == 0) {
            out += kReplacementCharacter;
            ++pos;
            continue;
        }
        out.append(utf8.substr(pos, length));
        pos += length;
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
