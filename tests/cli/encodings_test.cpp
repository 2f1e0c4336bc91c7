// `involute batch` on tables as spreadsheets save them: GBK and GB18030 from
// Chinese Excel, UTF-16 "Unicode text", tabs and semicolons. The samples are
// made here from UTF-8 with the C library's iconv.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "run_command.h"

namespace involute::testing {
namespace {

std::string recoded(std::string_view text, const char* from, const char* to) {
    const iconv_t descriptor = iconv_open(to, from);
    if (reinterpret_cast<std::intptr_t>(descriptor) == -1) {
        throw std::runtime_error("no iconv conversion");
    }
    std::string out(text.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(text.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast)
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(descriptor, &in, &inLeft, &next, &outLeft);
    iconv_close(descriptor);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("text not convertible");
    }
    out.resize(out.size() - outLeft);
    return out;
}

const std::string kExampleResults =
    "62.0650079416401,57.5941477279766,23.3989618698559,6.64229572671048,2.97170605410439,"
    "12.8349709170999,21.8802326724052,5.91262208298812,31.4495800112938";
const std::string kOutputColumns =
    "line,module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter,";
const std::string kResultColumns =
    "d,db,beta_b,p_bn,g_s,L,alpha_t,xi_s,xi_a,status,field,message\r\n";
const std::string kByteOrderMark = "\xEF\xBB\xBF";

// Chinese Excel's "CSV": GBK, the window's labels as the header.
const std::string kChineseTable =
    "件号,模数,齿数,压力角,螺旋角,大径,渐开线起始圆\r\n"
    "齿轮甲,2.25,25,20,25,65.7,57.9\r\n"
    "齿轮乙,2,20,20,0,44,37\r\n";
const std::string kChineseResults =
    kOutputColumns + "件号," + kResultColumns + "2,2.25,25,20,25,65.7,57.9,齿轮甲," +
    kExampleResults + ",ok,,\r\n" +
    "3,2,20,20,0,44,37,齿轮乙,,,,,,,,,,start_circle_inside_base_circle,start_diameter,"
    "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离\r\n";

TEST(Encodings, GbkTableWithChineseHeaderRoundTripsAsGb18030) {
    const CommandResult result = runCommand({"batch"}, recoded(kChineseTable, "UTF-8", "GBK"));
    EXPECT_EQ(result.out, recoded(kChineseResults, "UTF-8", "GB18030"));
    EXPECT_EQ(result.err, "involute batch: 2 行中有 1 行未能算出，见 status 列\n");
    EXPECT_EQ(result.status, 1);
}

struct EncodingCase {
    const char* name;
    std::vector<std::string_view> options;
    std::string input;     // the table's bytes
    std::string expected;  // the output's bytes
};

void PrintTo(const EncodingCase& row, std::ostream* os) {
    *os << row.name;
}

class Encodings : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, ReadAndWrite) {
    std::vector<std::string_view> words{"batch"};
    words.insert(words.end(), GetParam().options.begin(), GetParam().options.end());
    const CommandResult result = runCommand(words, GetParam().input);
    EXPECT_EQ(result.out, GetParam().expected);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

const std::string kOneGear = "m,z,alpha,beta,da,ds,备注\r\n2.25,25,20,25,65.7,57.9,中文\r\n";
const std::string kOneGearOut = kOutputColumns + "备注," + kResultColumns +
                                "2,2.25,25,20,25,65.7,57.9,中文," + kExampleResults + ",ok,,\r\n";
const std::string kOneGearJson =
    R"({"line":2,"module":"2.25","teeth":"25","pressure_angle":"20","helix_angle":"25",)"
    R"("tip_diameter":"65.7","start_diameter":"57.9","备注":"中文","d":62.0650079416401,)"
    R"("db":57.5941477279766,"beta_b":23.3989618698559,"p_bn":6.64229572671048,)"
    R"("g_s":2.97170605410439,"L":12.8349709170999,"alpha_t":21.8802326724052,)"
    R"("xi_s":5.91262208298812,"xi_a":31.4495800112938,"status":"ok","field":null,)"
    R"("message":null})"
    "\n";
// Excel's "Unicode text": UTF-16 LE with a byte order mark, tab-separated.
const std::string kUnicodeText =
    "m\tz\talpha\tbeta\tda\tds\t备注\r\n2.25\t25\t20\t25\t65.7\t57.9\t中文\r\n";

INSTANTIATE_TEST_SUITE_P(
    Batch, Encodings,
    ::testing::Values(
        EncodingCase{"GbkTextInAnEchoedColumnIsDecodedForJson",
                     {"-f", "json"},
                     recoded(kOneGear, "UTF-8", "GBK"),
                     kOneGearJson},
        EncodingCase{
            "Gb18030FourByteCharacter",
            {},
            recoded("m,z,alpha,beta,da,ds,备注\r\n2.25,25,20,25,65.7,57.9,𠀀€\r\n", "UTF-8",
                    "GB18030"),
            recoded(kOutputColumns + "备注," + kResultColumns + "2,2.25,25,20,25,65.7,57.9,𠀀",
                    "UTF-8", "GB18030") +
                "\x80," + kExampleResults + ",ok,,\r\n"},
        // Code page 936's euro sign, as Chinese Excel writes it, is read and
        // written back as the same byte.
        EncodingCase{"GbkEuroSignRoundTrips",
                     {},
                     recoded("m,z,alpha,beta,da,ds,价格\r\n", "UTF-8", "GBK") +
                         "2.25,25,20,25,65.7,57.9,\x80"
                         "5\r\n",
                     recoded(kOutputColumns + "价格," + kResultColumns, "UTF-8", "GB18030") +
                         "2,2.25,25,20,25,65.7,57.9,\x80"
                         "5," +
                         kExampleResults + ",ok,,\r\n"},
        EncodingCase{"GbkEuroSignToJson",
                     {"-f", "json"},
                     recoded("m,z,alpha,beta,da,ds,备注\r\n", "UTF-8", "GBK") +
                         "2.25,25,20,25,65.7,57.9,\xD6\xD0\xCE\xC4\x80\r\n",
                     std::string(kOneGearJson).replace(kOneGearJson.find("中文") + 6, 0, "€")},
        // Notepad, pandas and most scripts write UTF-8 without a mark, which
        // Chinese Excel would read in code page 936 unless the output has one.
        EncodingCase{"Utf8GivesUtf8WithByteOrderMark", {}, kOneGear, kByteOrderMark + kOneGearOut},
        EncodingCase{"ExcelUnicodeTextGivesUtf8WithByteOrderMark",
                     {},
                     "\xFF\xFE" + recoded(kUnicodeText, "UTF-8", "UTF-16LE"),
                     kByteOrderMark + kOneGearOut},
        EncodingCase{"Utf16BigEndian",
                     {},
                     "\xFE\xFF" + recoded(kOneGear, "UTF-8", "UTF-16BE"),
                     kByteOrderMark + kOneGearOut},
        EncodingCase{
            "Utf8ByteOrderMarkIsKept", {}, kByteOrderMark + kOneGear, kByteOrderMark + kOneGearOut},
        EncodingCase{"SemicolonSeparated",
                     {},
                     "m;z;alpha;beta;da;ds;备注\n2.25;25;20;25;65.7;57.9;中文\n",
                     kByteOrderMark + kOneGearOut},
        EncodingCase{"CommaWinsATie",
                     {},
                     "m,z,alpha,beta,da,ds,\"a;b\tc\"\n2.25,25,20,25,65.7,57.9,;\n",
                     kByteOrderMark + kOutputColumns + "a;b\tc," + kResultColumns +
                         "2,2.25,25,20,25,65.7,57.9,;," + kExampleResults + ",ok,,\r\n"},
        EncodingCase{"GbkAskedFor",
                     {"--encoding", "GBK"},
                     recoded(kOneGear, "UTF-8", "GBK"),
                     recoded(kOneGearOut, "UTF-8", "GB18030")},
        EncodingCase{"GbkToUtf8",
                     {"--output-encoding", "utf-8"},
                     recoded(kOneGear, "UTF-8", "GBK"),
                     kOneGearOut},
        EncodingCase{"Utf8WithoutByteOrderMarkAskedFor",
                     {"--output-encoding", "utf-8"},
                     kByteOrderMark + kOneGear,
                     kOneGearOut},
        EncodingCase{"Utf8ToUtf8WithByteOrderMark",
                     {"--output-encoding", "utf-8-bom"},
                     kOneGear,
                     kByteOrderMark + kOneGearOut},
        EncodingCase{"Utf8ToGb18030",
                     {"--output-encoding", "gb18030"},
                     kOneGear,
                     recoded(kOneGearOut, "UTF-8", "GB18030")}),
    [](const auto& row) { return row.param.name; });

// The encoding is decided from the first 64 KiB and kept: GBK bytes after
// them fail their own row, named by line and column, and nothing else.
TEST(Encodings, LaterUndecodableByteFailsOnlyItsRow) {
    std::string table = "m,z,alpha,beta,da,ds,note\n";
    std::string expected = kByteOrderMark + kOutputColumns + "note," + kResultColumns;
    int line = 2;
    for (; table.size() < 70'000; ++line) {
        table += "2.25,25,20,25,65.7,57.9,a\n";
        expected +=
            std::to_string(line) + ",2.25,25,20,25,65.7,57.9,a," + kExampleResults + ",ok,,\r\n";
    }
    table += "2.25,25,20,25,65.7,57.9,\"x\n" + recoded("中", "UTF-8", "GBK") + "\"\n";
    table += "2.25,25,20,25,65.7,57.9,b\n";
    expected += std::to_string(line) +
                ",2.25,25,20,25,65.7,57.9,\"x\n\\xD6\\xD0\",,,,,,,,,,"
                "undecodable_text,,第 " +
                std::to_string(line + 1) + " 行第 7 列的字节 0xD6 不是 UTF-8 编码的文字\r\n";
    expected +=
        std::to_string(line + 2) + ",2.25,25,20,25,65.7,57.9,b," + kExampleResults + ",ok,,\r\n";
    const CommandResult result = runCommand({"batch"}, table);
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.status, 1);
}

// glibc's GB18030 has no form for some private-use characters: their row
// fails alone, the rest is written, and the run is no write error.
TEST(Encodings, CharacterGb18030LacksFailsOnlyItsRow) {
    const CommandResult result =
        runCommand({"batch", "--output-encoding", "gb18030"},
                   "m,z,alpha,beta,da,ds,note\n2.25,25,20,25,65.7,57.9,a\n"
                   "2.25,25,20,25,65.7,57.9,x\uE78Dy\n2.25,25,20,25,65.7,57.9,b\n");
    EXPECT_EQ(result.out,
              recoded(kOutputColumns + "note," + kResultColumns + "2,2.25,25,20,25,65.7,57.9,a," +
                          kExampleResults + ",ok,,\r\n" +
                          "3,2.25,25,20,25,65.7,57.9,x\\uE78Dy,,,,,,,,,,unencodable_text,,"
                          "第 3 行的字符 U+E78D 无法写成 GB18030 编码，在这一行中写作 \\uE78D\r\n"
                          "4,2.25,25,20,25,65.7,57.9,b," +
                          kExampleResults + ",ok,,\r\n",
                      "UTF-8", "GB18030"));
    EXPECT_EQ(result.err, "involute batch: 3 行中有 1 行未能算出，见 status 列\n");
    EXPECT_EQ(result.status, 1);
}

TEST(Encodings, UndecodableInputIsBlamedAsJson) {
    const CommandResult result =
        runCommand({"batch", "-f", "json"}, recoded("m,z,alpha,beta,da,ds\n", "UTF-8", "GBK") +
                                                "2.25,25,20,25,65.7,5\xFF"
                                                "7.9\n");
    EXPECT_NE(result.out.find(R"("start_diameter":"5\\xFF7.9")"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"("status":"undecodable_text","field":"start_diameter",)"
                              R"("message":"第 2 行第 6 列的字节 0xFF 不是 GB18030 编码的文字"})"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(result.status, 1);
}

struct RefusalCase {
    const char* name;
    std::vector<std::string_view> words;
    std::string input;
    std::string err;
};

void PrintTo(const RefusalCase& row, std::ostream* os) {
    *os << row.name;
}

class EncodingRefused : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(EncodingRefused, ExitsWithStatusTwo) {
    const CommandResult result = runCommand(GetParam().words, GetParam().input);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_EQ(result.status, 2);
}

const std::string kSeeHelp = "用 involute --help 查看用法\n";

INSTANTIATE_TEST_SUITE_P(
    Batch, EncodingRefused,
    ::testing::Values(
        RefusalCase{"GbkHeaderReadAsUtf8",
                    {"batch", "--encoding", "utf-8"},
                    recoded(kChineseTable, "UTF-8", "GBK"),
                    "involute batch: 标准输入 第 1 行第 1 列的字节 0xBC 不是 UTF-8 编码的文字"
                    "（可用 --encoding 指定文件的编码）\n"},
        RefusalCase{"UnknownEncoding",
                    {"batch", "-e", "big5"},
                    kOneGear,
                    "involute batch: 未知的编码 “big5”（可用 utf-8、gb18030、gbk、utf-16le、"
                    "utf-16be）\n" +
                        kSeeHelp},
        RefusalCase{"UnknownOutputEncoding",
                    {"batch", "--output-encoding", "utf-16"},
                    kOneGear,
                    "involute batch: 未知的输出编码 “utf-16”（可用 utf-8、utf-8-bom、gb18030）\n" +
                        kSeeHelp},
        RefusalCase{
            "JsonIsAlwaysUtf8",
            {"batch", "-f", "json", "--output-encoding", "gb18030"},
            kOneGear,
            "involute batch: JSON Lines 总是 UTF-8 编码，不能指定 --output-encoding\n" + kSeeHelp},
        RefusalCase{"ControlCharactersInAnOptionAreEscaped",
                    {"batch", "--\x1B[2J"},
                    kOneGear,
                    "involute batch: 未知选项 --\\x1B[2J\n" + kSeeHelp}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::testing
