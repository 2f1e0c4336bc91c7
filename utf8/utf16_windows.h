// UTF-8, the program's text, to and from UTF-16, the text of the Windows API.
// Ill-formed input becomes U+FFFD rather than an error: these texts are file
// names and messages on their way through, and every byte that is valid
// arrives.
#pragma once

#include <string>
#include <string_view>

namespace involute::utf8 {

[[nodiscard]] std::wstring utf16FromUtf8(std::string_view text);
[[nodiscard]] std::string utf8FromUtf16(std::wstring_view text);

}  // namespace involute::utf8
