// Windows has no iconv, and wine lacks code page 20936 (GB2312 itself), so
// the text goes through code page 936, GBK, whose double bytes keep GB2312's
// where GB2312 has the character; a character GBK added lands outside
// GB2312's rows 0xA1-0xA9 and 0xB0-0xF7 or its cells 0xA1-0xFE. GBK also
// filled a few empty cells inside rows 0xA6-0xA8 (vertical punctuation,
// some pinyin letters), which this check lets through; the Linux build
// checks the same texts with iconv and catches those.
#include <windows.h>

#include <gtest/gtest.h>

#include "gb2312.h"
#include "utf16_windows.h"

namespace involute::testing {

namespace {

bool inGb2312Rows(unsigned char lead, unsigned char cell) {
    const bool row = (lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7);
    return row && cell >= 0xA1 && cell <= 0xFE;
}

}  // namespace

bool fitsGb2312(std::string_view utf8) {
    constexpr UINT kGbk = 936;
    const std::wstring text = utf8::utf16FromUtf8(utf8);
    if (text.empty()) {
        return true;
    }
    const auto length = static_cast<int>(text.size());
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr,
                                         0, nullptr, &lost);
    if (size == 0) {
        ADD_FAILURE() << "Windows has no GBK code page: error " << GetLastError();
        return false;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size,
                        nullptr, &lost);
    if (lost != FALSE) {
        return false;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            continue;
        }
        if (i + 1 == bytes.size() ||
            !inGb2312Rows(lead, static_cast<unsigned char>(bytes[i + 1]))) {
            return false;
        }
        ++i;
    }
    return true;
}

}  // namespace involute::testing
