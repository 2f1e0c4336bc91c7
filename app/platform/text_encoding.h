// Conversion between UTF-8, the program's text inside, and the encodings that
// tables arrive in from spreadsheets: GB18030 (which holds GBK, Chinese
// Excel's "CSV") and UTF-16 (Excel's "Unicode text").
//
// The conversion is the system's own: glibc's iconv here
// (text_encoding_iconv.cpp). A Windows build supplies the same class in
// text_encoding_windows.cpp on MultiByteToWideChar and WideCharToMultiByte
// (code page 54936 for GB18030, 936 for GBK where the system lacks 54936).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace involute::platform {

enum class TextEncoding { utf8, gb18030, utf16le, utf16be };

// Byte 0x80 is "€" in Windows' code page 936, and Chinese Excel writes it
// so, but GB18030 has no single-byte character there (its € is A2 E3). GBK
// and GB18030 tables are read and written with the Windows meaning; the
// converters below keep to the standard and leave that to their callers.
inline constexpr char kGbkEuroByte = '\x80';
inline constexpr std::string_view kEuroSign = "\u20AC";

// Converts a stream of text piece by piece, from one encoding to another.
class TextConverter {
  public:
    TextConverter(TextEncoding from, TextEncoding to);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    struct Stop {
        std::size_t converted = 0;  // bytes of `bytes` taken, whole characters only
        bool undecodable = false;   // the bytes after those are not text in `from`
    };

    // Appends the conversion of the whole characters that `bytes` starts with
    // to `out`. It stops early at bytes that are not text in the source
    // encoding, or before a character cut off by the end of `bytes`.
    Stop convert(std::string_view bytes, std::string& out);

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

}  // namespace involute::platform
