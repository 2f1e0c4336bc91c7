#include "decoded_input.h"

#include <array>
#include <cstring>

#include "printable_text.h"
#include "utf8.h"

namespace involute::cli {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 16;
// How long the input may be silent before what has arrived decides the
// encoding: longer than any gap between the writes of a program piping a
// file, short enough for rows typed or sent one at a time.
constexpr std::chrono::milliseconds kPauseBeforeDeciding{1000};

struct ByteOrderMark {
    std::string_view bytes;
    TextEncoding encoding;
};
constexpr std::array<ByteOrderMark, 3> kByteOrderMarks{{
    {"\xEF\xBB\xBF", TextEncoding::utf8},
    {"\xFF\xFE", TextEncoding::utf16le},
    {"\xFE\xFF", TextEncoding::utf16be},
}};

std::size_t codeUnitBytes(TextEncoding encoding) {
    return encoding == TextEncoding::utf16le || encoding == TextEncoding::utf16be ? 2 : 1;
}

void appendUndecodable(std::string& text, std::string_view bytes) {
    for (const char c : bytes) {
        text += kUndecodableMark;
        text += utf8::hexDigits(static_cast<unsigned char>(c));
    }
}

// Whether `bytes` read as UTF-8: its multi-byte characters outnumber the
// bytes that are not UTF-8. A UTF-8 table with a stray byte keeps its good
// rows; GBK text, whose byte pairs seldom happen to form UTF-8, does not pass
// (about one character in seven does). A character cut off at the end, when
// more of the input follows, counts as neither.
bool looksLikeUtf8(std::string_view bytes, bool complete) {
    std::size_t characters = 0;
    std::size_t malformed = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::string_view rest = bytes.substr(at);
        const utf8::Character character = utf8::firstCharacter(rest);
        if (character.valid) {
            characters += character.length > 1 ? 1 : 0;
            at += character.length;
        } else if (!complete && utf8::isTruncatedCharacter(rest)) {
            break;
        } else {
            ++malformed;
            ++at;
        }
    }
    return malformed == 0 || characters > malformed;
}

unsigned hexValue(char c) {
    return static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
}

}  // namespace

DecodedInput::DecodedInput(std::istream& input, std::optional<TextEncoding> encoding,
                           InputArrival arrival)
    : input_(input), asked_(encoding), arrival_(arrival) {}

DecodedInput::~DecodedInput() = default;

// Appends what the input has to give without waiting; false when it gave
// nothing.
bool DecodedInput::takeAvailable() {
    const std::size_t before = filled_;
    while (filled_ < bytes_.size()) {
        const std::streamsize got = input_.readsome(
            bytes_.data() + filled_, static_cast<std::streamsize>(bytes_.size() - filled_));
        if (got <= 0) {
            break;
        }
        filled_ += static_cast<std::size_t>(got);
    }
    return filled_ > before;
}

// Waits until the input has bytes or ends; false when it paused instead
// while the encoding is still to be decided.
bool DecodedInput::waitForInput() {
    if (arrival_ == nullptr || !arrival_(std::chrono::milliseconds{0})) {
        if (beforeWaiting_) {
            beforeWaiting_();
        }
        if (arrival_ != nullptr && !started_ && !arrival_(kPauseBeforeDeciding)) {
            return false;
        }
    }
    input_.peek();  // blocks until a byte or the end is there
    return true;
}

void DecodedInput::fill() {
    std::copy(bytes_.begin() + static_cast<std::ptrdiff_t>(consumed_),
              bytes_.begin() + static_cast<std::ptrdiff_t>(filled_), bytes_.begin());
    filled_ -= consumed_;
    consumed_ = 0;
    if (bytes_.size() < filled_ + kChunkBytes) {
        bytes_.resize(filled_ + kChunkBytes);
    }
    // Before the encoding is decided the byte order mark and the first
    // 64 KiB are read whole, unless the input ends or pauses first; after
    // that whatever the input has, at least a byte.
    const std::size_t before = filled_;
    for (;;) {
        takeAvailable();
        const bool enough = started_ ? filled_ > before : filled_ >= kChunkBytes;
        if (enough || input_.eof() || input_.bad()) {
            break;
        }
        if (!waitForInput()) {
            paused_ = true;
            break;
        }
        if (input_.eof()) {
            break;
        }
    }
    inputEnded_ = input_.eof() || input_.bad();
    readFailed_ = input_.bad();
}

void DecodedInput::start() {
    started_ = true;
    const std::string_view bytes =
        std::string_view(bytes_).substr(0, std::min(filled_, kChunkBytes));
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (bytes.starts_with(mark.bytes) && (!asked_ || *asked_ == mark.encoding)) {
            hadByteOrderMark_ = true;
            consumed_ = mark.bytes.size();
            encoding_ = mark.encoding;
            break;
        }
    }
    hasUtf32ByteOrderMark_ = !asked_ && (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
                                         bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)));
    if (asked_) {
        encoding_ = *asked_;
    } else if (!hadByteOrderMark_ &&
               !looksLikeUtf8(bytes, inputEnded_ && !paused_ && bytes.size() == filled_)) {
        encoding_ = TextEncoding::gb18030;
    }
    if (encoding_ != TextEncoding::utf8) {
        converter_ = std::make_unique<platform::TextConverter>(encoding_, TextEncoding::utf8);
    }
}

bool DecodedInput::read(std::string& text) {
    text.clear();
    while (text.empty()) {
        if (!inputEnded_) {
            fill();
            if (readFailed_) {
                return false;
            }
        }
        if (!started_) {
            start();
        }
        if (consumed_ == filled_) {
            if (inputEnded_) {
                return false;
            }
            continue;
        }
        convert(text);
    }
    return true;
}

void DecodedInput::convert(std::string& text) {
    const std::size_t unit = codeUnitBytes(encoding_);
    while (consumed_ < filled_) {
        const std::string_view rest =
            std::string_view(bytes_).substr(consumed_, filled_ - consumed_);
        std::size_t converted = 0;
        bool undecodable = false;
        if (converter_) {
            const platform::TextConverter::Stop stop = converter_->convert(rest, text);
            converted = stop.converted;
            undecodable = stop.undecodable;
        } else {
            converted = std::min(utf8::firstMalformed(rest), rest.size());
            text.append(rest.substr(0, converted));
            undecodable =
                converted < rest.size() && !utf8::isTruncatedCharacter(rest.substr(converted));
        }
        consumed_ += converted;
        if (consumed_ == filled_) {
            return;
        }
        if (!undecodable && !inputEnded_) {
            return;  // a character cut off by the chunk's end: the next fill completes it
        }
        if (encoding_ == TextEncoding::gb18030 && rest[converted] == platform::kGbkEuroByte) {
            text += platform::kEuroSign;
            ++consumed_;
            continue;
        }
        // Undecodable, or cut off by the end of the input itself.
        const std::size_t skipped = std::min(unit, filled_ - consumed_);
        appendUndecodable(text, std::string_view(bytes_).substr(consumed_, skipped));
        consumed_ += skipped;
    }
}

std::optional<UndecodableByte> firstUndecodable(std::string_view text) {
    const std::size_t at = text.find(kUndecodableMark);
    if (at == std::string_view::npos || at + 2 >= text.size()) {
        return std::nullopt;
    }
    return UndecodableByte{
        at, static_cast<unsigned char>(hexValue(text[at + 1]) * 16 + hexValue(text[at + 2]))};
}

std::string withUndecodableShown(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (c == kUndecodableMark) {
            shown += "\\x";
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string_view encodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::utf8:
            return "utf-8";
        case TextEncoding::gb18030:
            return "gb18030";
        case TextEncoding::utf16le:
            return "utf-16le";
        case TextEncoding::utf16be:
            return "utf-16be";
    }
    return {};
}

}  // namespace involute::cli
