// The installed program itself, started as a script would start it: no
// display, no Qt platform chosen. Subcommands must never need a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "path_text.h"
#include "run_command.h"
#include "run_program.h"

namespace involute::testing {
namespace {

struct ProgramCase {
    const char* name;
    std::vector<std::string> words;
    std::string input;
};

void PrintTo(const ProgramCase& row, std::ostream* os) {
    *os << row.name;
}

class ProgramWithoutDisplay : public ::testing::TestWithParam<ProgramCase> {};

// The program prints what the command line prints in process, exit status
// included, through its own main and standard streams.
TEST_P(ProgramWithoutDisplay, AnswersLikeTheCommandLine) {
    const ProgramCase& row = GetParam();
    const CommandResult program = runProgram(row.words, row.input);
    const std::vector<std::string_view> words(row.words.begin(), row.words.end());
    const CommandResult inProcess = runCommand(words, row.input);
    EXPECT_EQ(program.out, inProcess.out);
    EXPECT_EQ(program.err, inProcess.err);
    EXPECT_EQ(program.status, inProcess.status);
}

const std::string kTable =
    "m,z,alpha,beta,da,ds\r\n2.25,25,20,25,65.7,57.9\r\n2,20,20,0,44,37\r\n2.25,25,20,25,0,57."
    "9\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cli, ProgramWithoutDisplay,
    ::testing::Values(ProgramCase{"CalcText", {"calc"}, ""},
                      ProgramCase{"CalcJson", {"calc", "-f", "json", "--da", "0"}, ""},
                      ProgramCase{"CalcFault", {"calc", "-m", "x", "-f", "json"}, ""},
                      ProgramCase{"UsageError", {"calc", "--nope"}, ""},
                      ProgramCase{"BatchFromStandardInput", {"batch"}, kTable},
                      ProgramCase{"BatchJson", {"batch", "-", "-f", "json"}, kTable},
                      ProgramCase{"MalformedBatch", {"batch"}, "m,z\n"},
                      // Line breaks inside a field are echoed byte for byte, so a
                      // standard input that turned CRLF into LF would show.
                      ProgramCase{
                          "BatchEchoesLineEndsOfFields",
                          {"batch"},
                          "m,z,alpha,beta,da,ds,note\r\n2.25,25,20,25,65.7,57.9,\"a\r\nb\nc\"\r\n"},
                      ProgramCase{"Help", {"--help"}, ""},
                      ProgramCase{"Version", {"--version"}, ""}),
    [](const auto& row) { return row.param.name; });

// Chinese file names and arguments arrive whole, whatever the system's code
// page: the table is read, the results written, and the argument echoed.
TEST(ProgramWithChineseText, ReadsAndWritesChineseFileNames) {
    const ScratchDirectory scratch;
    const std::string input = scratch.write("齿轮.csv", kTable);
    const std::string output =
        platform::utf8FromPath(scratch.path() / platform::pathFromUtf8("结果.csv"));
    const CommandResult program = runProgram({"batch", input, "-o", output});
    EXPECT_EQ(program.err, runCommand({"batch", input, "-o", output}).err);
    EXPECT_EQ(program.status, 1);
    EXPECT_EQ(readFile(platform::pathFromUtf8(output)), runCommand({"batch"}, kTable).out);
}

TEST(ProgramWithChineseText, TakesChineseArguments) {
    for (const std::string value : {"２．２５", "二点二五"}) {
        const CommandResult program = runProgram({"calc", "--module", value});
        const CommandResult inProcess = runCommand({"calc", "--module", value});
        EXPECT_EQ(program.out, inProcess.out) << value;
        EXPECT_EQ(program.err, inProcess.err) << value;
        EXPECT_EQ(program.status, inProcess.status) << value;
    }
    const ScratchDirectory scratch;
    const std::string missing =
        platform::utf8FromPath(scratch.path() / platform::pathFromUtf8("没有的表.csv"));
    const CommandResult program = runProgram({"batch", missing});
    EXPECT_NE(program.err.find("“" + missing + "”"), std::string::npos) << program.err;
    EXPECT_EQ(program.status, 2);
}

}  // namespace
}  // namespace involute::testing
