// The one UTF-8 decoder of the program.
//
// Every place that walks UTF-8 text (number text, messages, the CSV reader,
// the JSON writer, the window's character count) reads it here, so they all
// agree on what is malformed: a stray continuation byte, a truncated
// sequence, an overlong form (C0 80, E0 80 B2, ...), a UTF-16 surrogate
// (U+D800..U+DFFF) or a code point beyond U+10FFFF.
#pragma once

#include <cstddef>
#include <string_view>

namespace involute::utf8 {

struct Character {
    char32_t codePoint = 0;  // meaningful only when `valid`
    std::size_t length = 1;  // bytes taken; a malformed byte is taken alone
    bool valid = false;
};

// The character that `text` starts with, when it is not ASCII.
[[nodiscard]] Character firstNonAsciiCharacter(std::string_view text);

// The character that `text` starts with; `text` must not be empty. ASCII,
// the bulk of a table of numbers, is taken here without a call.
[[nodiscard]] inline Character firstCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    return lead < 0x80 ? Character{lead, 1, true} : firstNonAsciiCharacter(text);
}

// Where the first malformed byte is, or npos when all of `text` is UTF-8.
[[nodiscard]] std::size_t firstMalformed(std::string_view text);

[[nodiscard]] inline bool isValid(std::string_view text) {
    return firstMalformed(text) == std::string_view::npos;
}

// Whether `text` is the beginning of a well-formed character cut off before
// its last byte, as at the end of a piece read from a stream.
[[nodiscard]] bool isTruncatedCharacter(std::string_view text);

// Characters in `text`, a malformed byte counting as one.
[[nodiscard]] std::size_t characterCount(std::string_view text);

}  // namespace involute::utf8
