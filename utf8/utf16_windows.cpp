#include "utf16_windows.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace involute::utf8 {

namespace {

int apiLength(std::size_t length) {
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long for the Windows API");
    }
    return static_cast<int>(length);
}

}  // namespace

std::wstring utf16FromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = apiLength(text.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string utf8FromUtf16(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = apiLength(text.size());
    const int narrowLength =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), narrowLength, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace involute::utf8
