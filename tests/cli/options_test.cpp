#include "options.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace involute::cli {
namespace {

constexpr std::array<CommandOption, 3> kOptionTable{{
    {"module", "", 'm'},
    {"helix-angle", "beta", 0},
    {"help", "", 'h', false},
}};

struct OptionsCase {
    const char* name;
    std::vector<std::string_view> words;
    // Per option: the value, "<flag>" for a flag given, "-" when not given.
    std::array<const char*, 3> values;
    std::vector<std::string_view> positionals;
    const char* error;
};

void PrintTo(const OptionsCase& row, std::ostream* os) {
    *os << row.name;
}

class Options : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(Options, Parse) {
    const OptionsCase& row = GetParam();
    const ParsedOptions parsed = parseOptions(kOptionTable, row.words);
    EXPECT_EQ(parsed.error, row.error);
    if (!parsed.ok()) {
        return;
    }
    for (std::size_t i = 0; i < kOptionTable.size(); ++i) {
        const std::string shown = !parsed.values[i]            ? "-"
                                  : kOptionTable[i].takesValue ? std::string(*parsed.values[i])
                                                               : "<flag>";
        EXPECT_EQ(shown, row.values[i]) << kOptionTable[i].name;
    }
    EXPECT_EQ(parsed.positionals, row.positionals);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Options,
    ::testing::Values(
        OptionsCase{"Nothing", {}, {"-", "-", "-"}, {}, ""},
        OptionsCase{"LongWithSeparateValue", {"--module", "2.25"}, {"2.25", "-", "-"}, {}, ""},
        OptionsCase{"LongWithEquals", {"--module=2.25"}, {"2.25", "-", "-"}, {}, ""},
        OptionsCase{"EmptyValueWithEquals", {"--module="}, {"", "-", "-"}, {}, ""},
        OptionsCase{"Alias", {"--beta", "25"}, {"-", "25", "-"}, {}, ""},
        OptionsCase{"ShortSeparate", {"-m", "2"}, {"2", "-", "-"}, {}, ""},
        OptionsCase{"ShortAttached", {"-m2"}, {"2", "-", "-"}, {}, ""},
        OptionsCase{"NegativeValue", {"--beta", "-25", "-m", "-1"}, {"-1", "-25", "-"}, {}, ""},
        OptionsCase{"ValueThatLooksLikeAnOption", {"-m", "--help"}, {"--help", "-", "-"}, {}, ""},
        OptionsCase{"Flag", {"-h"}, {"-", "-", "<flag>"}, {}, ""},
        OptionsCase{"Positionals", {"a.csv", "-", "-m", "1"}, {"1", "-", "-"}, {"a.csv", "-"}, ""},
        OptionsCase{
            "DoubleDashEndsOptions", {"--", "-m", "--help"}, {"-", "-", "-"}, {"-m", "--help"}, ""},
        OptionsCase{"UnknownLong", {"--modulus", "1"}, {}, {}, "未知选项 --modulus"},
        OptionsCase{"UnknownShort", {"-x"}, {}, {}, "未知选项 -x"},
        OptionsCase{"PrefixIsNotEnough", {"--mod", "1"}, {}, {}, "未知选项 --mod"},
        OptionsCase{"MissingValue", {"-m"}, {}, {}, "选项 -m 缺少数值"},
        OptionsCase{"Twice",
                    {"--helix-angle", "1", "--beta", "2"},
                    {},
                    {},
                    "选项 --helix-angle 给了不止一次"},
        OptionsCase{"FlagWithValue", {"--help=1"}, {}, {}, "选项 --help 不带数值"}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::cli
