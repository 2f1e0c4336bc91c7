// `involute batch`: rows in, rows out, in order, whatever each row holds.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "run_command.h"

namespace involute::testing {
namespace {

const std::string kExampleResults =
    "62.0650079416401,57.5941477279766,23.3989618698559,6.64229572671048,2.97170605410439,"
    "12.8349709170999,21.8802326724052,5.91262208298812,31.4495800112938";
const std::string kExampleResultsJson =
    R"("d":62.0650079416401,"db":57.5941477279766,"beta_b":23.3989618698559,)"
    R"("p_bn":6.64229572671048,"g_s":2.97170605410439,"L":12.8349709170999,)"
    R"("alpha_t":21.8802326724052,"xi_s":5.91262208298812,"xi_a":31.4495800112938)";
const std::string kNoResultsJson =
    R"("d":null,"db":null,"beta_b":null,"p_bn":null,"g_s":null,"L":null,)"
    R"("alpha_t":null,"xi_s":null,"xi_a":null)";
// A CSV output is UTF-8 with a byte order mark unless the input is GB18030.
const std::string kOutputHeader =
    "\xEF\xBB\xBF"
    "line,module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter,"
    "d,db,beta_b,p_bn,g_s,L,alpha_t,xi_s,xi_a,status,field,message\r\n";
const std::string kSeeHelp = "用 involute --help 查看用法\n";

// A table as a measuring room might keep it: saved with a byte order mark
// and CRLF, the window's labels as the header (one padded as on screen), a
// part number beside the inputs, and every kind of row.
const std::string kMixedTable =
    "\xEF\xBB\xBF模      数,齿数,压力角,螺旋角,大径,渐开线起始圆,件号\r\n"
    "2.25,25,20,25,65.7,57.9,A-1\r\n"
    "\"2,25\",25,20,25,65.7,57.9,\"B \"\"2\"\"\"\r\n"
    "2,20,20,0,44,37,C\r\n"
    "\r\n"
    "2.25,25,20,25,0,57.9,D\r\n"
    ",,,,,,\r\n"
    "２．２５,25,20,25,65.7,57.9,\"多\r\n行\"\r\n"
    "2.25,25,20,25,65.7\r\n"
    "\"2.25\",\"25\",\"20\",\"25\",\"65.7\",\"57.9\",E";

TEST(Batch, MixedTableGivesOneRowPerRowInOrder) {
    const CommandResult result = runCommand({"batch"}, kMixedTable);
    EXPECT_EQ(result.out,
              "\xEF\xBB\xBF"
              "line,module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter,件号,"
              "d,db,beta_b,p_bn,g_s,L,alpha_t,xi_s,xi_a,status,field,message\r\n"
              "2,2.25,25,20,25,65.7,57.9,A-1," +
                  kExampleResults +
                  ",ok,,\r\n"
                  "3,\"2,25\",25,20,25,65.7,57.9,\"B \"\"2\"\"\",,,,,,,,,,not_a_number,module,"
                  "\"模数 “2,25” 不是有效的数字\"\r\n"
                  "4,2,20,20,0,44,37,C,,,,,,,,,,start_circle_inside_base_circle,start_diameter,"
                  "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离\r\n"
                  "6,2.25,25,20,25,0,57.9,D,62.0650079416401,57.5941477279766,23.3989618698559,"
                  "6.64229572671048,2.97170605410439,0,21.8802326724052,5.91262208298812,,ok,,\r\n"
                  "8,２．２５,25,20,25,65.7,57.9,\"多\r\n行\"," +
                  kExampleResults +
                  ",ok,,\r\n"
                  "10,2.25,25,20,25,65.7,,,,,,,,,,,,wrong_field_count,,该行有 5 个字段，表头有 7 "
                  "个\r\n"
                  "11,2.25,25,20,25,65.7,57.9,E," +
                  kExampleResults + ",ok,,\r\n");
    EXPECT_EQ(result.err, "involute batch: 7 行中有 3 行未能算出，见 status 列\n");
    EXPECT_EQ(result.status, 1);
}

TEST(Batch, MixedTableAsJsonLines) {
    const CommandResult result = runCommand({"batch", "-", "--format", "json"}, kMixedTable);
    const std::string inputs =
        R"("module":"2.25","teeth":"25","pressure_angle":"20","helix_angle":"25",)"
        R"("tip_diameter":"65.7","start_diameter":"57.9",)";
    EXPECT_EQ(
        result.out,
        R"({"line":2,)" + inputs + R"("件号":"A-1",)" + kExampleResultsJson +
            R"(,"status":"ok","field":null,"message":null})"
            "\n"
            R"({"line":3,"module":"2,25","teeth":"25","pressure_angle":"20","helix_angle":"25",)"
            R"("tip_diameter":"65.7","start_diameter":"57.9","件号":"B \"2\"",)" +
            kNoResultsJson +
            R"(,"status":"not_a_number","field":"module","message":"模数 “2,25” 不是有效的数字"})"
            "\n"
            R"({"line":4,"module":"2","teeth":"20","pressure_angle":"20","helix_angle":"0",)"
            R"("tip_diameter":"44","start_diameter":"37","件号":"C",)" +
            kNoResultsJson +
            R"(,"status":"start_circle_inside_base_circle","field":"start_diameter",)"
            R"("message":"渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离"})"
            "\n"
            R"({"line":6,"module":"2.25","teeth":"25","pressure_angle":"20","helix_angle":"25",)"
            R"("tip_diameter":"0","start_diameter":"57.9","件号":"D",)"
            R"("d":62.0650079416401,"db":57.5941477279766,"beta_b":23.3989618698559,)"
            R"("p_bn":6.64229572671048,"g_s":2.97170605410439,"L":0,)"
            R"("alpha_t":21.8802326724052,"xi_s":5.91262208298812,"xi_a":null,)"
            R"("status":"ok","field":null,"message":null})"
            "\n"
            R"({"line":8,"module":"２．２５","teeth":"25","pressure_angle":"20",)"
            R"("helix_angle":"25","tip_diameter":"65.7","start_diameter":"57.9",)"
            R"("件号":"多\r\n行",)" +
            kExampleResultsJson +
            R"(,"status":"ok","field":null,"message":null})"
            "\n"
            R"({"line":10,"module":"2.25","teeth":"25","pressure_angle":"20","helix_angle":"25",)"
            R"("tip_diameter":"65.7","start_diameter":"","件号":"",)" +
            kNoResultsJson +
            R"(,"status":"wrong_field_count","field":null,"message":"该行有 5 个字段，表头有 7 个"})"
            "\n"
            R"({"line":11,)" +
            inputs + R"("件号":"E",)" + kExampleResultsJson +
            R"(,"status":"ok","field":null,"message":null})"
            "\n");
    EXPECT_EQ(result.status, 1);
}

struct HeaderCase {
    const char* name;
    std::string table;
    std::string err{};
};

void PrintTo(const HeaderCase& row, std::ostream* os) {
    *os << row.name;
}

class HeaderNames : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderNames, FindTheSixInputsInAnyOrder) {
    const CommandResult result = runCommand({"batch"}, GetParam().table);
    EXPECT_EQ(result.out,
              kOutputHeader + "2,2.25,25,20,25,65.7,57.9," + kExampleResults + ",ok,,\r\n");
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_EQ(result.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Batch, HeaderNames,
    ::testing::Values(
        HeaderCase{"LongOptionNames",
                   "module,teeth,pressure-angle,helix-angle,tip-diameter,start-diameter\n"
                   "2.25,25,20,25,65.7,57.9\n"},
        HeaderCase{"OutputKeysReversed",
                   "start_diameter,tip_diameter,helix_angle,pressure_angle,teeth,module\n"
                   "57.9,65.7,25,20,25,2.25\n"},
        HeaderCase{"ShortNamesAnyCase",
                   "DS,da,Beta,ALPHA,z,M\n"
                   "57.9,65.7,25,20,25,2.25\n"},
        HeaderCase{"WindowLabelsAsOnScreen",
                   "渐开线起始圆,大      径,螺  旋  角,压  力  角,齿      数,模      数\n"
                   "57.9,65.7,25,20,25,2.25\n"},
        HeaderCase{"QuotedHeaderWithBlanks",
                   "\" module \",\"teeth\", alpha ,beta\t,da,\u3000ds\u3000\n"
                   "2.25,25,20,25,65.7,57.9\n"},
        HeaderCase{"ResultsOfAnEarlierRunAreRecomputed",
                   "line,module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter,"
                   "d,status\n"
                   "2,2.25,25,20,25,65.7,57.9,1,stale\n",
                   "involute batch: 标准输入 的第 1 列 “line”、第 8 列 “d”、第 9 列 “status” "
                   "与输出列同名，不再输出（结果重新算出）\n"}),
    [](const auto& row) { return row.param.name; });

TEST(Batch, LineNumbersCountTheHeaderAndSkippedLines) {
    const CommandResult result =
        runCommand({"batch"}, "\n\nm,z,alpha,beta,da,ds\n\n2.25,25,20,25,65.7,57.9\n");
    EXPECT_EQ(result.out,
              kOutputHeader + "5,2.25,25,20,25,65.7,57.9," + kExampleResults + ",ok,,\r\n");
}

// JSON readers keep only the last of two equal keys: a repeated column name
// gets a number.
TEST(Batch, RepeatedColumnNamesAreMadeUnique) {
    const std::string table =
        "note,m,z,alpha,beta,da,ds,note,note_2,\n"
        "a,2.25,25,20,25,65.7,57.9,b,c,\n";
    const CommandResult json = runCommand({"batch", "-f", "json"}, table);
    EXPECT_EQ(json.out, R"({"line":2,"module":"2.25","teeth":"25","pressure_angle":"20",)"
                        R"("helix_angle":"25","tip_diameter":"65.7","start_diameter":"57.9",)"
                        R"("note":"a","note_2":"b","note_2_2":"c","":"",)" +
                            kExampleResultsJson +
                            R"(,"status":"ok","field":null,"message":null})"
                            "\n");
    const CommandResult csv = runCommand({"batch"}, table);
    EXPECT_EQ(
        csv.out.substr(0, csv.out.find("\r\n")),
        "\xEF\xBB\xBFline,module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter,"
        "note,note_2,note_2_2,,d,db,beta_b,p_bn,g_s,L,alpha_t,xi_s,xi_a,status,field,message");
}

TEST(Batch, EmptyTableIsHeaderOnly) {
    const CommandResult result = runCommand({"batch"}, "m,z,alpha,beta,da,ds\r\n");
    EXPECT_EQ(result.out, kOutputHeader);
    EXPECT_EQ(result.status, 0);
}

struct MalformedCase {
    const char* name;
    std::string table;
    std::string out;  // rows before the fault are kept
    std::string err;
};

void PrintTo(const MalformedCase& row, std::ostream* os) {
    *os << row.name;
}

class MalformedTable : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTable, IsOneErrorWithItsLine) {
    const MalformedCase& row = GetParam();
    const CommandResult result = runCommand({"batch"}, row.table);
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err, row.err);
    EXPECT_EQ(result.status, 2);
}

const std::string kHeaderRequirement =
    " 列。表头须含 module、teeth、pressure_angle、helix_angle、tip_diameter、start_diameter "
    "六列（或窗口中的名称 模数、齿数、压力角、螺旋角、大径、渐开线起始圆），顺序不限\n";

const std::string kNulInHeader =
    "involute batch: 标准输入 第 1 行：表头中有 NUL 字符：文件可能是没有 BOM 的 UTF-16（可用 "
    "--encoding utf-16le 或 utf-16be 指定）或 UTF-32（不支持，请另存为 UTF-8）。表头缺少 模数 "
    "(module)、齿数 (teeth)、压力角 (pressure_angle)、螺旋角 (helix_angle)、大径 "
    "(tip_diameter)、渐开线起始圆 (start_diameter)";

const std::string kUtf32Refused =
    "involute batch: 标准输入 以 UTF-32 的 BOM 开头：不支持 UTF-32，请另存为 UTF-8 或 UTF-16\n";

INSTANTIATE_TEST_SUITE_P(
    Batch, MalformedTable,
    ::testing::Values(
        MalformedCase{"Empty", "", "", "involute batch: 标准输入 是空的，没有表头\n"},
        MalformedCase{"OnlyBlankLines", "\xEF\xBB\xBF\r\n\r\n", "",
                      "involute batch: 标准输入 是空的，没有表头\n"},
        MalformedCase{"MissingColumns", "module,teeth,alpha,beta\n2.25,25,20,25\n", "",
                      "involute batch: 标准输入 第 1 行：表头缺少 大径 (tip_diameter)、"
                      "渐开线起始圆 (start_diameter)" +
                          kHeaderRequirement},
        MalformedCase{"NoHeader", "\n2.25,25,20,25,65.7,57.9\n", "",
                      "involute batch: 标准输入 第 2 行：这一行像是数据：文件缺少表头。表头缺少 "
                      "模数 (module)、齿数 (teeth)、压力角 (pressure_angle)、螺旋角 "
                      "(helix_angle)、大径 (tip_diameter)、渐开线起始圆 (start_diameter)" +
                          kHeaderRequirement},
        MalformedCase{"Utf16WithoutByteOrderMark", std::string("m\0,\0z\0\n\0", 8), "",
                      kNulInHeader + kHeaderRequirement},
        MalformedCase{"Utf32LittleEndianByteOrderMark",
                      std::string("\xFF\xFE\0\0m\0\0\0,\0\0\0z\0\0\0\n\0\0\0", 16), "",
                      kUtf32Refused},
        MalformedCase{"Utf32BigEndianByteOrderMark",
                      std::string("\0\0\xFE\xFF\0\0\0m\0\0\0,\0\0\0z\0\0\0\n", 16), "",
                      kUtf32Refused},
        MalformedCase{
            "SameInputTwice", "m,z,alpha,beta,da,ds,模数\n", "",
            "involute batch: 标准输入 第 1 行：表头第 1 列 “m” 和第 7 列 “模数” 都是模数\n"},
        MalformedCase{"UnterminatedQuote",
                      "m,z,alpha,beta,da,ds\n2.25,25,20,25,65.7,57.9\n2.25,25,20,25,65.7,\"57.9\n"
                      "2.25,25,20,25,65.7,57.9\n",
                      kOutputHeader + "2,2.25,25,20,25,65.7,57.9," + kExampleResults + ",ok,,\r\n",
                      "involute batch: 标准输入 第 3 行：引号没有闭合\n"},
        MalformedCase{
            "QuoteInsideUnquotedField", "m,z,alpha,beta,da,ds\n2.25,25,20,25,65.7,5\"7.9\n",
            kOutputHeader,
            "involute batch: 标准输入 第 2 行：字段中间出现引号（含引号的字段须整个放在引号"
            "内，内部的引号写两次）\n"},
        MalformedCase{
            "TextAfterClosingQuote", "m,z,alpha,beta,da,ds\r\n\"2.25\"mm,25,20,25,65.7,57.9\r\n",
            kOutputHeader,
            "involute batch: 标准输入 第 2 行：引号后紧跟着其他字符（字段须在引号处结束）\n"}),
    [](const auto& row) { return row.param.name; });

TEST(Batch, ReadsAFileAndWritesAnother) {
    const ScratchDirectory scratch;
    const std::string input =
        scratch.write("gears.csv", "m,z,alpha,beta,da,ds\n2.25,25,20,25,65.7,57.9\n");
    const std::string output = (scratch.path() / "results.csv").string();
    const CommandResult result = runCommand({"batch", input, "-o", output});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readFile(output),
              kOutputHeader + "2,2.25,25,20,25,65.7,57.9," + kExampleResults + ",ok,,\r\n");
}

TEST(Batch, MalformedFileIsNamedInTheError) {
    const ScratchDirectory scratch;
    const std::string input = scratch.write("gears.csv", "m,z\n");
    const CommandResult result = runCommand({"batch", input});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with("involute batch: “" + input + "” 第 1 行：表头缺少 压力角"))
        << result.err;
}

TEST(Batch, ALongTableStreamsInOrder) {
    // Far more than one read or write block, so rows cross block boundaries.
    std::string table = "m,z,alpha,beta,da,ds\n";
    std::string expected = kOutputHeader;
    for (int row = 0; row < 5000; ++row) {
        const bool good = row % 7 != 3;
        table += good ? "2.25,25,20,25,65.7,57.9\r\n" : "2.25,25,20,25,65.7,x\r\n";
        expected += std::to_string(row + 2) + ",2.25,25,20,25,65.7," +
                    (good ? "57.9," + kExampleResults + ",ok,,\r\n"
                          : "x,,,,,,,,,,not_a_number,start_diameter,渐开线起始圆 “x” "
                            "不是有效的数字\r\n");
    }
    const CommandResult result = runCommand({"batch"}, table);
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.err, "involute batch: 5000 行中有 714 行未能算出，见 status 列\n");
    EXPECT_EQ(result.status, 1);
}

TEST(BatchUsage, RefusesToOverwriteItsInput) {
    const ScratchDirectory scratch;
    const std::string table = "m,z,alpha,beta,da,ds\n2.25,25,20,25,65.7,57.9\n";
    const std::string input = scratch.write("gears.csv", table);
    const std::string sameFile = (scratch.path() / "." / "gears.csv").string();
    const CommandResult result = runCommand({"batch", input, "--output", sameFile});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "involute batch: 输出文件 “" + sameFile + "” 就是输入文件\n" + kSeeHelp);
    EXPECT_EQ(readFile(input), table);
}

TEST(BatchUsage, MalformedHeaderLeavesTheOutputFileAlone) {
    const ScratchDirectory scratch;
    const std::string input = scratch.write("gears.csv", "m,z\n");
    const std::string output = scratch.write("results.csv", "kept");
    EXPECT_EQ(runCommand({"batch", input, "-o", output}).status, 2);
    EXPECT_EQ(readFile(output), "kept");
}

struct UsageCase {
    const char* name;
    std::vector<std::string_view> words;
    std::string err;
};

void PrintTo(const UsageCase& row, std::ostream* os) {
    *os << row.name;
}

class BatchUsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(BatchUsageError, ExitsWithStatusTwo) {
    const CommandResult result = runCommand(GetParam().words, "m,z,alpha,beta,da,ds\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_EQ(result.status, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Batch, BatchUsageError,
    ::testing::Values(
        UsageCase{"MissingFile",
                  {"batch", "/nonexistent/gears.csv"},
                  "involute batch: 无法读取 “/nonexistent/gears.csv”：文件不存在或没有读权限\n" +
                      kSeeHelp},
        UsageCase{
            "Directory", {"batch", "/"}, "involute batch: 无法读取 “/”：这是一个目录\n" + kSeeHelp},
        UsageCase{"UnwritableOutput",
                  {"batch", "-o", "/nonexistent/results.csv"},
                  "involute batch: 无法写入 “/nonexistent/results.csv”\n" + kSeeHelp},
        UsageCase{"TwoFiles",
                  {"batch", "a.csv", "b.csv"},
                  "involute batch: batch 只读一个文件，却给了 2 个\n" + kSeeHelp},
        UsageCase{"TextFormat",
                  {"batch", "-f", "text"},
                  "involute batch: 未知的输出格式 “text”（可用 csv、json）\n" + kSeeHelp},
        UsageCase{"UnknownOption", {"batch", "-x"}, "involute batch: 未知选项 -x\n" + kSeeHelp}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::testing
