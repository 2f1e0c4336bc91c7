// The GB2312 check itself: it must refuse what only wider sets (GBK, Unicode)
// hold, on every system it is built for.
#include <gtest/gtest.h>

#include "gb2312.h"

namespace involute::testing {
namespace {

TEST(Gb2312Check, TellsGb2312FromWiderSets) {
    struct Row {
        const char* text;
        bool fits;
    };
    for (const Row& row : {Row{"", true}, Row{"involute 2.25", true}, Row{"齿轮，模数：", true},
                           Row{"βb αt ξs °", true}, Row{"ü é", true}, Row{"丂", false},
                           Row{"髙", false}, Row{"€", false}, Row{"ä", false}, Row{"😀", false}}) {
        EXPECT_EQ(fitsGb2312(row.text), row.fits) << row.text;
    }
}

}  // namespace
}  // namespace involute::testing
