// `involute calc`: every output form, the zero branches and every way to fail.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gear_quantities.h"
#include "run_command.h"

namespace involute::testing {
namespace {

struct CalcCase {
    const char* name;
    std::vector<std::string_view> words;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const CalcCase& row, std::ostream* os) {
    *os << row.name;
}

class Calc : public ::testing::TestWithParam<CalcCase> {};

TEST_P(Calc, PrintsExactly) {
    const CalcCase& row = GetParam();
    const CommandResult result = runCommand(row.words);
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err, row.err);
    EXPECT_EQ(result.status, row.status);
}

const std::string kExampleText =
    "分度圆直径 d    62.0650079416401\n"
    "基圆直径 db     57.5941477279766\n"
    "基圆螺旋角 βb   23.3989618698559\n"
    "基节 pbn        6.64229572671048\n"
    "安装距离 gS     2.97170605410439\n"
    "记录长度 L      12.8349709170999\n"
    "端面压力角 αt   21.8802326724052\n"
    "起始圆展开角 ξs 5.91262208298812\n"
    "齿顶圆展开角 ξa 31.4495800112938\n";

const std::string kExampleJson =
    R"({"d":62.0650079416401,"db":57.5941477279766,"beta_b":23.3989618698559,)"
    R"("p_bn":6.64229572671048,"g_s":2.97170605410439,"L":12.8349709170999,)"
    R"("alpha_t":21.8802326724052,"xi_s":5.91262208298812,"xi_a":31.4495800112938})"
    "\n";

const std::string kCsvHeader = "d,db,beta_b,p_bn,g_s,L,alpha_t,xi_s,xi_a\r\n";
const std::string kExampleTopFour =
    "62.0650079416401,57.5941477279766,23.3989618698559,6.64229572671048";

const std::string kSeeHelp = "用 involute --help 查看用法\n";

INSTANTIATE_TEST_SUITE_P(
    Outputs, Calc,
    ::testing::Values(
        CalcCase{"DefaultsAreTheWindowsExample", {"calc"}, 0, kExampleText, ""},
        CalcCase{"LongOptions",
                 {"calc", "--module", "2.25", "--teeth", "25", "--pressure-angle", "20",
                  "--helix-angle", "25", "--tip-diameter", "65.7", "--start-diameter", "57.9"},
                 0,
                 kExampleText,
                 ""},
        CalcCase{"ShortOptionsAndAttachedValues",
                 {"calc", "-m2.25", "-z", "25", "--alpha=20", "--beta", "25", "--da", "65.7",
                  "--ds=57.9"},
                 0,
                 kExampleText,
                 ""},
        CalcCase{"FullWidthValues",
                 {"calc", "-m", "２．２５", "--da", "６５。７", "--ds", "\u3000５７．９"},
                 0,
                 kExampleText,
                 ""},
        CalcCase{"ValuesPastedWithTheirLineEnds",
                 {"calc", "-m", "2.25\r\n", "--da", "\n65.7\n"},
                 0,
                 kExampleText,
                 ""},
        CalcCase{"NegativeValueAfterItsOption",
                 {"calc", "--beta", "-25", "-f", "csv"},
                 0,
                 kCsvHeader +
                     "62.0650079416401,57.5941477279766,-23.3989618698559,6.64229572671048,"
                     "2.97170605410439,12.8349709170999,"
                     "21.8802326724052,5.91262208298812,31.4495800112938\r\n",
                 ""},
        CalcCase{"Json", {"calc", "--format", "json"}, 0, kExampleJson, ""},
        CalcCase{"Csv",
                 {"calc", "--format=csv"},
                 0,
                 kCsvHeader + kExampleTopFour +
                     ",2.97170605410439,12.8349709170999,21.8802326724052,5.91262208298812,"
                     "31.4495800112938\r\n",
                 ""},
        CalcCase{"SpurGear",
                 {"calc", "-m", "2", "-z", "20", "--beta", "0", "--da", "44", "--ds", "38", "-f",
                  "json"},
                 0,
                 R"({"d":40,"db":37.5877048314363,"beta_b":0,"p_bn":5.90426286818709,)"
                 R"("g_s":2.79125623621414,"L":8.64513792349391,"alpha_t":20,)"
                 R"("xi_s":8.50954867246306,"xi_a":34.8655030222177})"
                 "\n",
                 ""},
        CalcCase{"ExponentFormIsAJsonNumber",
                 {"calc", "-m", "1e14", "-z", "10", "--beta", "0", "--da", "0", "--ds", "0", "-f",
                  "json"},
                 0,
                 R"({"d":1E+15,"db":939692620785908,"beta_b":0,"p_bn":295213143409355,)"
                 R"("g_s":0,"L":0,"alpha_t":20,"xi_s":null,"xi_a":null})"
                 "\n",
                 ""}),
    [](const auto& row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(
    ZeroBranch, Calc,
    ::testing::Values(
        CalcCase{"TipZeroText",
                 {"calc", "--da", "0"},
                 0,
                 "分度圆直径 d    62.0650079416401\n"
                 "基圆直径 db     57.5941477279766\n"
                 "基圆螺旋角 βb   23.3989618698559\n"
                 "基节 pbn        6.64229572671048\n"
                 "安装距离 gS     2.97170605410439\n"
                 "记录长度 L      0\n"
                 "端面压力角 αt   21.8802326724052\n"
                 "起始圆展开角 ξs 5.91262208298812\n"
                 "齿顶圆展开角 ξa 无\n",
                 ""},
        CalcCase{"TipZeroJson",
                 {"calc", "--da", "0", "-f", "json"},
                 0,
                 R"({"d":62.0650079416401,"db":57.5941477279766,"beta_b":23.3989618698559,)"
                 R"("p_bn":6.64229572671048,"g_s":2.97170605410439,"L":0,)"
                 R"("alpha_t":21.8802326724052,"xi_s":5.91262208298812,"xi_a":null})"
                 "\n",
                 ""},
        CalcCase{"StartZeroCsv",
                 {"calc", "--ds", "0", "-f", "csv"},
                 0,
                 kCsvHeader + kExampleTopFour + ",0,0,21.8802326724052,,\r\n",
                 ""},
        // Below a base circle of about 1e-305 the roll angles are too large
        // for a double; the six results are computed all the same.
        CalcCase{"RollAnglesBeyondADoubleJson",
                 {"calc", "-m", "1e-306", "-z", "1", "--beta", "0", "-f", "json"},
                 0,
                 R"({"d":1E-306,"db":9.39692620785909E-307,"beta_b":0,)"
                 R"("p_bn":2.95213143409355E-306,"g_s":28.95,"L":3.9,)"
                 R"("alpha_t":20,"xi_s":null,"xi_a":null})"
                 "\n",
                 ""},
        CalcCase{"RollAngleBeyondADoubleCsv",
                 {"calc", "-m", "1e-160", "-z", "1", "--beta", "0", "--da", "1e150", "--ds",
                  "1e-150", "-f", "csv"},
                 0,
                 kCsvHeader +
                     "1E-160,9.39692620785909E-161,0,2.95213143409355E-160,5E-151,5E+149,20,"
                     "609728950145.03,\r\n",
                 ""},
        CalcCase{"NegativeStartWithTipZeroJson",
                 {"calc", "--ds", "-57.9", "--da", "0", "-f", "json"},
                 0,
                 R"({"d":62.0650079416401,"db":57.5941477279766,"beta_b":23.3989618698559,)"
                 R"("p_bn":6.64229572671048,"g_s":0,"L":0,)"
                 R"("alpha_t":21.8802326724052,"xi_s":null,"xi_a":null})"
                 "\n",
                 ""}),
    [](const auto& row) { return row.param.name; });

// A failed calculation: the window's message on standard error, status 1,
// and with JSON the code and the field for scripts.
INSTANTIATE_TEST_SUITE_P(
    Faults, Calc,
    ::testing::Values(
        CalcCase{
            "NotANumber", {"calc", "-m", "2,25"}, 1, "", "involute: 模数 “2,25” 不是有效的数字\n"},
        CalcCase{"NotANumberJson",
                 {"calc", "-m", "2,25", "-f", "json"},
                 1,
                 R"({"error":{"code":"not_a_number","field":"module",)"
                 R"("message":"模数 “2,25” 不是有效的数字"}})"
                 "\n",
                 "involute: 模数 “2,25” 不是有效的数字\n"},
        CalcCase{"LineEndInsideTheNumber",
                 {"calc", "-m", "2\r\n25"},
                 1,
                 "",
                 "involute: 模数 “2\\x0D\\x0A25” 不是有效的数字\n"},
        CalcCase{"OverlongDigitIsRefused",
                 {"calc", "-m", "\xE0\x80\xB2"},
                 1,
                 "",
                 "involute: 模数 “\\xE0\\x80\\xB2” 不是有效的数字\n"},
        CalcCase{"TerminalSequenceIsEscaped",
                 {"calc", "-z",
                  "\x1B]0;owned\x07"
                  "5"},
                 1,
                 "",
                 "involute: 齿数 “\\x1B]0;owned\\x075” 不是有效的数字\n"},
        CalcCase{"EmptyField",
                 {"calc", "--teeth=", "-f", "json"},
                 1,
                 R"({"error":{"code":"empty_field","field":"teeth",)"
                 R"("message":"齿数未填写，请输入一个数字"}})"
                 "\n",
                 "involute: 齿数未填写，请输入一个数字\n"},
        CalcCase{"OutOfRange",
                 {"calc", "--da", "1e999", "-f", "json"},
                 1,
                 R"({"error":{"code":"out_of_range","field":"tip_diameter",)"
                 R"("message":"大径 “1e999” 超出数值范围"}})"
                 "\n",
                 "involute: 大径 “1e999” 超出数值范围\n"},
        CalcCase{
            "StartCircleInsideBaseCircle",
            {"calc", "-m", "2", "-z", "20", "--beta", "0", "--ds", "37", "-f", "json"},
            1,
            R"({"error":{"code":"start_circle_inside_base_circle","field":"start_diameter",)"
            R"("message":"渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离"}})"
            "\n",
            "involute: 渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离\n"},
        CalcCase{"TipCircleInsideBaseCircle",
                 {"calc", "-m", "2", "-z", "20", "--beta", "0", "--da", "37", "--ds", "38", "-f",
                  "json"},
                 1,
                 R"({"error":{"code":"tip_circle_inside_base_circle","field":"tip_diameter",)"
                 R"("message":"大径 37 小于基圆直径 37.5877048314363，无法计算记录长度"}})"
                 "\n",
                 "involute: 大径 37 小于基圆直径 37.5877048314363，无法计算记录长度\n"},
        CalcCase{"BaseHelixUndefined",
                 {"calc", "--alpha", "0", "--beta", "90", "-f", "json"},
                 1,
                 R"({"error":{"code":"base_helix_undefined","field":"helix_angle",)"
                 R"("message":"压力角 0、螺旋角 90 时基圆螺旋角为 90°，无法计算基圆螺旋角"}})"
                 "\n",
                 "involute: 压力角 0、螺旋角 90 时基圆螺旋角为 90°，无法计算基圆螺旋角\n"},
        CalcCase{"Overflow",
                 {"calc", "-m", "1e200", "-z", "1e200", "-f", "json"},
                 1,
                 R"({"error":{"code":"overflow","field":"module",)"
                 R"("message":"计算分度圆直径时数值超出范围，请检查模数 1E+200"}})"
                 "\n",
                 "involute: 计算分度圆直径时数值超出范围，请检查模数 1E+200\n"},
        CalcCase{"OverflowNamesTheTeeth",
                 {"calc", "-m", "1", "-z", "1e308", "--beta", "60", "-f", "json"},
                 1,
                 R"({"error":{"code":"overflow","field":"teeth",)"
                 R"("message":"计算分度圆直径时数值超出范围，请检查齿数 1E+308"}})"
                 "\n",
                 "involute: 计算分度圆直径时数值超出范围，请检查齿数 1E+308\n"},
        CalcCase{"FaultInCsvPrintsNoRow",
                 {"calc", "-m", "x", "-f", "csv"},
                 1,
                 "",
                 "involute: 模数 “x” 不是有效的数字\n"}),
    [](const auto& row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Usage, Calc,
    ::testing::Values(
        CalcCase{"UnknownOption",
                 {"calc", "--modul", "2"},
                 2,
                 "",
                 "involute calc: 未知选项 --modul\n" + kSeeHelp},
        CalcCase{"MissingValue",
                 {"calc", "--ds"},
                 2,
                 "",
                 "involute calc: 选项 --start-diameter 缺少数值\n" + kSeeHelp},
        CalcCase{"GivenTwice",
                 {"calc", "-m", "2", "--module", "3"},
                 2,
                 "",
                 "involute calc: 选项 --module 给了不止一次\n" + kSeeHelp},
        CalcCase{"UnknownFormat",
                 {"calc", "-f", "xml"},
                 2,
                 "",
                 "involute calc: 未知的输出格式 “xml”（可用 text、json、csv）\n" + kSeeHelp},
        CalcCase{"StrayArgument",
                 {"calc", "2.25"},
                 2,
                 "",
                 "involute calc: calc 不接受参数 “2.25”，输入须用选项给出，如 --module 2.25\n" +
                     kSeeHelp},
        CalcCase{"FlagWithValue",
                 {"calc", "--help=yes"},
                 2,
                 "",
                 "involute calc: 选项 --help 不带数值\n" + kSeeHelp},
        CalcCase{"UnknownCommand",
                 {"calc2"},
                 2,
                 "",
                 "involute: 未知的命令 calc2（可用 calc 或 batch）\n" + kSeeHelp},
        CalcCase{"Version", {"--version"}, 0, "involute " INVOLUTE_VERSION "\n", ""}),
    [](const auto& row) { return row.param.name; });

TEST(Help, IsPrintedOnStandardOutputForEveryCommand) {
    const std::string help = runCommand({"--help"}).out;
    EXPECT_TRUE(help.starts_with("involute：")) << help;
    for (const std::vector<std::string_view>& words :
         {std::vector<std::string_view>{"-h"}, {"calc", "--help"}, {"batch", "-h"}}) {
        const CommandResult result = runCommand(words);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, help);
        EXPECT_EQ(result.err, "");
    }
}

// The help text is written by hand: it must keep up with the table of
// inputs and results.
TEST(Help, NamesEveryOptionAndResultKey) {
    const std::string help = runCommand({"--help"}).out;
    std::vector<std::string> words{"--format", "--output", "-o,", "status", "field", "message"};
    for (const calc::InputRow& input : calc::kInputRows) {
        words.push_back("--" + std::string(input.option));
        words.push_back(input.shortName.size() == 1 ? "-" + std::string(input.shortName) + ","
                                                    : "--" + std::string(input.shortName));
        words.push_back("(" + std::string(input.example) + ")");
        words.emplace_back(input.label);
    }
    for (const calc::ResultRow& result : calc::kResultRows) {
        words.emplace_back(result.key);
    }
    for (const std::string& word : words) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

TEST(Help, WithoutACommandGoesToStandardErrorAsAUsageError) {
    const CommandResult result = runCommand({});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, runCommand({"--help"}).out);
}

}  // namespace
}  // namespace involute::testing
