// The bytes of a table as UTF-8 text, whatever encoding the file is in.
//
// The encoding is the one asked for, or else the byte order mark's (UTF-8,
// UTF-16 LE or BE), or else decided once from the first 64 KiB: UTF-8 when
// they are UTF-8, GB18030 (which holds GBK) when they are not. An input that
// pauses for a second before 64 KiB have come (a table piped in row by row)
// is decided on what has arrived. It never changes afterwards. The text is
// converted a piece at a time, each piece what the input had to give at
// once, so memory stays the same however long the file is and a row that
// arrives is read without waiting for more.
//
// A byte that is not text in the encoding is not replaced or dropped: it
// stands in the text as kUndecodableMark and its value in two hexadecimal
// digits. The mark is never part of UTF-8, so whoever reads the text can tell
// exactly which record and field hold it.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "text_encoding.h"

namespace involute::cli {

using platform::TextEncoding;

inline constexpr char kUndecodableMark = '\xFF';

// Waits at most the time given for the input to have bytes (or its end);
// false when nothing came.
using InputArrival = bool (*)(std::chrono::milliseconds timeout);

class DecodedInput {
  public:
    // Without `arrival` the input is taken never to pause: the first 64 KiB
    // or its end decide the encoding.
    explicit DecodedInput(std::istream& input, std::optional<TextEncoding> encoding = std::nullopt,
                          InputArrival arrival = nullptr);
    ~DecodedInput();
    DecodedInput(const DecodedInput&) = delete;
    DecodedInput& operator=(const DecodedInput&) = delete;

    // Replaces `text` with the next piece of the text; false at the end of
    // the input or when it could not be read (see readFailed()).
    bool read(std::string& text);

    [[nodiscard]] bool readFailed() const { return readFailed_; }
    // Known once the first piece has been read.
    [[nodiscard]] TextEncoding encoding() const { return encoding_; }
    [[nodiscard]] bool hadByteOrderMark() const { return hadByteOrderMark_; }
    // The input begins with a UTF-32 byte order mark and no encoding was
    // asked for. There is no UTF-32 decoder: the little-endian mark would
    // pass for UTF-16's, the big-endian one for UTF-8 with NULs, so such a
    // table is better refused.
    [[nodiscard]] bool hasUtf32ByteOrderMark() const { return hasUtf32ByteOrderMark_; }

    // Called before the reading waits for the input, so that what has been
    // computed from it so far can be shown first.
    void setBeforeWaiting(std::function<void()> beforeWaiting) {
        beforeWaiting_ = std::move(beforeWaiting);
    }

  private:
    void fill();
    bool takeAvailable();
    bool waitForInput();
    void start();
    void convert(std::string& text);

    std::istream& input_;
    std::optional<TextEncoding> asked_;
    TextEncoding encoding_ = TextEncoding::utf8;
    std::unique_ptr<platform::TextConverter> converter_;  // none for UTF-8
    InputArrival arrival_;
    std::function<void()> beforeWaiting_;
    std::string bytes_;         // holds the bytes read but not yet converted
    std::size_t consumed_ = 0;  // where they begin in bytes_
    std::size_t filled_ = 0;    // and end
    bool started_ = false;
    bool paused_ = false;  // the input paused before the encoding was decided
    bool inputEnded_ = false;
    bool readFailed_ = false;
    bool hadByteOrderMark_ = false;
    bool hasUtf32ByteOrderMark_ = false;
};

// Where the first undecodable byte of `text` is, and its value.
struct UndecodableByte {
    std::size_t position;
    unsigned char value;
};
[[nodiscard]] std::optional<UndecodableByte> firstUndecodable(std::string_view text);

// The text with each undecodable byte written as \xNN, for showing a field
// that holds one.
[[nodiscard]] std::string withUndecodableShown(std::string_view text);

// The encoding's name as --encoding takes it.
[[nodiscard]] std::string_view encodingName(TextEncoding encoding);

}  // namespace involute::cli
