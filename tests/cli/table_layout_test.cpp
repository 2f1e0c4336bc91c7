// The names echoed columns go out under.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "table_layout.h"

namespace involute::cli {
namespace {

// As wide as Excel's sheet, every echoed column unnamed: each gets a number,
// and the header is read at once (it once took half an hour).
TEST(TableLayout, ExcelWideHeaderOfUnnamedColumns) {
    std::vector<std::string_view> header{"m", "z", "alpha", "beta", "da", "ds"};
    header.resize(16384);
    const TableLayoutReading reading = layoutFromHeader(header);
    ASSERT_EQ(reading.problem, "");
    ASSERT_EQ(reading.layout.echoedNames.size(), 16378U);
    EXPECT_EQ(reading.layout.echoedNames[0], "");
    EXPECT_EQ(reading.layout.echoedNames[1], "_2");
    EXPECT_EQ(reading.layout.echoedNames.back(), "_16378");
}

TEST(TableLayout, NumberedNamesSkipTakenOnes) {
    const std::vector<std::string_view> header{"m", "z",   "alpha", "beta", "da", "ds",  "d", "d",
                                               "a", "a_2", "a",     "a",    "b",  "b_2", "b"};
    const TableLayoutReading reading = layoutFromHeader(header);
    EXPECT_EQ(reading.layout.echoedNames,
              (std::vector<std::string>{"a", "a_2", "a_3", "a_4", "b", "b_2", "b_3"}));
}

}  // namespace
}  // namespace involute::cli
