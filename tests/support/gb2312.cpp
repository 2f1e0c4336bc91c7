#include "gb2312.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace involute::testing {

bool fitsGb2312(std::string_view utf8) {
    iconv_t converter = iconv_open("GB2312", "UTF-8");
    // iconv_open reports failure as (iconv_t)-1.
    if (converter == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
        ADD_FAILURE() << "iconv has no GB2312";
        return false;
    }
    std::string input(utf8);
    std::string output(input.size() * 2 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    return converted != static_cast<std::size_t>(-1) && inLeft == 0;
}

}  // namespace involute::testing
