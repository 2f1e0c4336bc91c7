#include "utf8.h"

#include <cstdint>
#include <cstring>

namespace involute::utf8 {

namespace {

struct LeadByte {
    std::size_t length;
    char32_t bits;
    // The second byte's range excludes overlong forms (E0 80..9F, F0 80..8F),
    // surrogates (ED A0..BF) and code points beyond U+10FFFF (F4 90..BF).
    unsigned secondLow;
    unsigned secondHigh;
};

LeadByte leadByte(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, lead & 0x1Fu, 0x80u, 0xBFu};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, lead & 0x0Fu, lead == 0xE0 ? 0xA0u : 0x80u, lead == 0xED ? 0x9Fu : 0xBFu};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, lead & 0x07u, lead == 0xF0 ? 0x90u : 0x80u, lead == 0xF4 ? 0x8Fu : 0xBFu};
    }
    return {0, 0, 0, 0};  // C0, C1 (overlong), F5..FF (too large) or a continuation byte
}

}  // namespace

Character firstNonAsciiCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const LeadByte form = leadByte(lead);
    if (form.length == 0 || text.size() < form.length) {
        return {};
    }
    char32_t codePoint = form.bits;
    for (std::size_t k = 1; k < form.length; ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const unsigned low = k == 1 ? form.secondLow : 0x80;
        const unsigned high = k == 1 ? form.secondHigh : 0xBF;
        if (byte < low || byte > high) {
            return {};
        }
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    return {codePoint, form.length, true};
}

std::size_t firstMalformed(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        // Runs of ASCII are the common case in a table of numbers: eight
        // bytes at a time while none has its top bit set.
        std::uint64_t word = 0;
        if (pos + sizeof word <= text.size()) {
            std::memcpy(&word, text.data() + pos, sizeof word);
            if ((word & 0x8080808080808080u) == 0) {
                pos += sizeof word;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const Character character = firstNonAsciiCharacter(text.substr(pos));
        if (!character.valid) {
            return pos;
        }
        pos += character.length;
    }
    return std::string_view::npos;
}

bool isTruncatedCharacter(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const LeadByte form = leadByte(static_cast<unsigned char>(text[0]));
    if (text.size() >= form.length) {
        return false;
    }
    for (std::size_t k = 1; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const unsigned low = k == 1 ? form.secondLow : 0x80;
        const unsigned high = k == 1 ? form.secondHigh : 0xBF;
        if (byte < low || byte > high) {
            return false;
        }
    }
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        pos += firstCharacter(text.substr(pos)).length;
    }
    return count;
}

}  // namespace involute::utf8
