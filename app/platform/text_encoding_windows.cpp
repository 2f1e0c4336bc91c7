// The system's converter on Windows: MultiByteToWideChar and
// WideCharToMultiByte, through UTF-16. GB18030 is code page 54936; a system
// without it (wine, some stripped installations) has GBK, code page 936, which
// holds every character of GB18030's two-byte part.
//
// Both calls convert a whole buffer or fail, so the characters are first
// marked out by their byte structure and a buffer that fails is converted
// character by character to find the first one that is not text.
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "text_encoding.h"
#include "utf8.h"

namespace involute::platform {

namespace {

constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;

UINT gbCodePage() {
    return IsValidCodePage(kGb18030) != 0 ? kGb18030 : kGbk;
}

// How a character of the source begins: its length in bytes, or that the
// bytes are cut off (more may follow) or are no character at all.
struct Extent {
    std::size_t length = 0;
    bool cut = false;
};

constexpr std::size_t kUndecodable = 0;

bool inRange(unsigned char byte, unsigned low, unsigned high) {
    return byte >= low && byte <= high;
}

// GB18030: ASCII alone; a lead byte 81..FE followed by a trail byte 40..7E
// or 80..FE (two bytes), or by a digit, a lead byte and a digit (four bytes).
Extent gbExtent(std::string_view bytes) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (at(0) < 0x80) {
        return {1};
    }
    if (!inRange(at(0), 0x81, 0xFE)) {
        return {kUndecodable};
    }
    if (bytes.size() < 2) {
        return {0, true};
    }
    if (inRange(at(1), 0x40, 0x7E) || inRange(at(1), 0x80, 0xFE)) {
        return {2};
    }
    if (!inRange(at(1), 0x30, 0x39)) {
        return {kUndecodable};
    }
    if (bytes.size() >= 3 && !inRange(at(2), 0x81, 0xFE)) {
        return {kUndecodable};
    }
    if (bytes.size() < 4) {
        return {0, true};
    }
    return {inRange(at(3), 0x30, 0x39) ? std::size_t{4} : kUndecodable};
}

Extent utf8Extent(std::string_view bytes) {
    const utf8::Character character = utf8::firstCharacter(bytes);
    if (character.valid) {
        return {character.length};
    }
    return utf8::isTruncatedCharacter(bytes) ? Extent{0, true} : Extent{kUndecodable};
}

char16_t utf16Unit(std::string_view bytes, std::size_t at, TextEncoding encoding) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return encoding == TextEncoding::utf16le ? static_cast<char16_t>(first | (second << 8U))
                                             : static_cast<char16_t>((first << 8U) | second);
}

// UTF-16: a unit outside the surrogates, or a high surrogate and a low one.
Extent utf16Extent(std::string_view bytes, TextEncoding encoding) {
    if (bytes.size() < 2) {
        return {0, true};
    }
    const char16_t unit = utf16Unit(bytes, 0, encoding);
    if (unit < 0xD800 || unit > 0xDFFF) {
        return {2};
    }
    if (unit > 0xDBFF) {
        return {kUndecodable};
    }
    if (bytes.size() < 4) {
        return {0, true};
    }
    const char16_t low = utf16Unit(bytes, 2, encoding);
    return {low >= 0xDC00 && low <= 0xDFFF ? std::size_t{4} : kUndecodable};
}

Extent extentOf(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::gb18030:
            return gbExtent(bytes);
        case TextEncoding::utf16le:
        case TextEncoding::utf16be:
            return utf16Extent(bytes, encoding);
        case TextEncoding::utf8:
            break;
    }
    return utf8Extent(bytes);
}

// `bytes`, whole characters of `encoding`, as UTF-16; nothing when the system
// finds a byte sequence that is no character of it.
std::optional<std::wstring> toUtf16(std::string_view bytes, TextEncoding encoding, UINT gb) {
    if (bytes.empty()) {
        return std::wstring();
    }
    if (encoding == TextEncoding::utf16le || encoding == TextEncoding::utf16be) {
        std::wstring units;
        units.reserve(bytes.size() / 2);
        for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
            units.push_back(static_cast<wchar_t>(utf16Unit(bytes, at, encoding)));
        }
        return units;
    }
    const UINT codePage = encoding == TextEncoding::gb18030 ? gb : CP_UTF8;
    const int length = static_cast<int>(bytes.size());
    const int units =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (units <= 0) {
        return std::nullopt;
    }
    std::wstring text(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, text.data(), units);
    return text;
}

// Appends `text` in `encoding` to `out`; false, with nothing appended, when a
// character has no form in it (GBK lacks most of Unicode).
bool appendFromUtf16(std::wstring_view text, TextEncoding encoding, UINT gb, std::string& out) {
    if (text.empty()) {
        return true;
    }
    if (encoding == TextEncoding::utf16le || encoding == TextEncoding::utf16be) {
        for (const wchar_t unit : text) {
            const auto high = static_cast<char>((unit >> 8U) & 0xFFU);
            const auto low = static_cast<char>(unit & 0xFFU);
            out += encoding == TextEncoding::utf16le ? low : high;
            out += encoding == TextEncoding::utf16le ? high : low;
        }
        return true;
    }
    const UINT codePage = encoding == TextEncoding::gb18030 ? gb : CP_UTF8;
    // UTF-8 and GB18030 hold every character and take no default character;
    // GBK reports the characters it had to replace.
    const bool mayReplace = codePage == kGbk;
    const DWORD flags = mayReplace ? WC_NO_BEST_FIT_CHARS : WC_ERR_INVALID_CHARS;
    BOOL replaced = FALSE;
    BOOL* const replacedFlag = mayReplace ? &replaced : nullptr;
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr,
                                          replacedFlag);
    if (bytes <= 0 || replaced != FALSE) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(bytes));
    WideCharToMultiByte(codePage, flags, text.data(), length, out.data() + start, bytes, nullptr,
                        nullptr);
    return true;
}

}  // namespace

struct TextConverter::Handle {
    TextEncoding from;
    TextEncoding to;
    UINT gb;
};

TextConverter::TextConverter(TextEncoding from, TextEncoding to)
    : handle_(std::make_unique<Handle>(Handle{from, to, gbCodePage()})) {}

TextConverter::~TextConverter() = default;

TextConverter::Stop TextConverter::convert(std::string_view bytes, std::string& out) {
    // Where each whole character begins, by structure alone.
    std::vector<std::size_t> starts;
    std::size_t end = 0;
    bool structureBroken = false;
    while (end < bytes.size()) {
        const Extent extent = extentOf(bytes.substr(end), handle_->from);
        if (extent.cut) {
            break;
        }
        if (extent.length == kUndecodable) {
            structureBroken = true;
            break;
        }
        starts.push_back(end);
        end += extent.length;
    }
    const auto convertRange = [&](std::size_t from, std::size_t to) {
        const std::optional<std::wstring> text =
            toUtf16(bytes.substr(from, to - from), handle_->from, handle_->gb);
        return text && appendFromUtf16(*text, handle_->to, handle_->gb, out);
    };
    if (convertRange(0, end)) {
        return {end, structureBroken};
    }
    // Some character in there is not text to the system, or has no form in
    // the target: convert one by one up to it.
    starts.push_back(end);
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        if (!convertRange(starts[i], starts[i + 1])) {
            return {starts[i], true};
        }
    }
    return {end, structureBroken};
}

}  // namespace involute::platform
