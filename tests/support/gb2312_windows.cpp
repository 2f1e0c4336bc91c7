// Code page 20936 is GB2312 itself (936 is GBK, which holds far more).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/platform/utf16_windows.h"
#include "tests/support/gb2312.h"

namespace involute::testing {

bool fitsGb2312(std::string_view utf8) {
    constexpr UINT kGb2312 = 20936;
    const std::wstring text = platform::utf16FromUtf8(utf8);
    if (text.empty()) {
        return true;
    }
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(kGb2312, WC_NO_BEST_FIT_CHARS, text.data(),
                            static_cast<int>(text.size()), nullptr, 0, nullptr, &lost);
    if (length == 0) {
        ADD_FAILURE() << "Windows has no GB2312 code page: error " << GetLastError();
        return false;
    }
    return lost == FALSE;
}

}  // namespace involute::testing
