// The program's output routes, run through a POSIX shell as a user would
// type them: output onto its own input by any route, and write errors. Each
// run has a file size limit, so a program that wrote onto its input without
// end would be stopped by the limit, not fill the disk.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "run_command.h"

namespace involute::testing {
namespace {

const std::string kSeeHelp = "用 involute --help 查看用法\n";

// Larger than the batch's read and write blocks (64 KiB), so that output
// onto the input would be seen reading back its own rows.
std::string longTable() {
    std::string table =
        "module,teeth,pressure_angle,helix_angle,tip_diameter,start_diameter,part\n";
    for (int row = 0; row < 5000; ++row) {
        table += "2.25,25,20,25,65.7,57.9,A-" + std::to_string(row) + "\n";
    }
    return table;
}

struct ShellRun {
    int status = -1;
    std::string err;
};

// Runs `involute WORDS` in `directory` with the shell redirections in
// `words`, standard error caught in a file, writing at most about 4 MiB.
ShellRun runInShell(const std::filesystem::path& directory, const std::string& words) {
    const std::string script = "cd '" + directory.string() + "' && ulimit -f 8192 && '" +
                               INVOLUTE_EXECUTABLE + "' " + words + " 2>stderr.txt";
    const int wait = std::system(script.c_str());  // NOLINT(concurrency-mt-unsafe)
    ShellRun run;
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    run.err = readFile(directory / "stderr.txt");
    return run;
}

struct OwnInputCase {
    const char* name;
    std::string words;  // gears.csv is the input; links to it are made first
    std::string message;
};

void PrintTo(const OwnInputCase& row, std::ostream* os) {
    *os << row.name;
}

class OutputOntoItsInput : public ::testing::TestWithParam<OwnInputCase> {};

TEST_P(OutputOntoItsInput, IsRefusedBeforeAnyByteIsWritten) {
    const OwnInputCase& row = GetParam();
    const ScratchDirectory scratch;
    const std::string table = longTable();
    const std::string input = scratch.write("gears.csv", table);
    std::filesystem::create_symlink(input, scratch.path() / "symlink.csv");
    std::filesystem::create_hard_link(input, scratch.path() / "hardlink.csv");

    const ShellRun run = runInShell(scratch.path(), row.words);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "involute batch: " + row.message + "\n" + kSeeHelp);
    EXPECT_EQ(readFile(input), table);
}

INSTANTIATE_TEST_SUITE_P(
    Batch, OutputOntoItsInput,
    ::testing::Values(OwnInputCase{"PathToPath", "batch gears.csv -o gears.csv",
                                   "输出文件 “gears.csv” 就是输入文件"},
                      OwnInputCase{"StandardInputToPath", "batch -o gears.csv < gears.csv",
                                   "输出文件 “gears.csv” 就是输入文件"},
                      OwnInputCase{"StandardInputToSymlink", "batch - -o symlink.csv < gears.csv",
                                   "输出文件 “symlink.csv” 就是输入文件"},
                      OwnInputCase{"PathAppendedToStandardOutput", "batch gears.csv >> gears.csv",
                                   "标准输出 就是输入文件 “gears.csv”"},
                      OwnInputCase{"StandardInputAppendedToStandardOutput",
                                   "batch < gears.csv >> gears.csv", "标准输出 就是输入文件"},
                      OwnInputCase{"HardLinkAppended", "batch < hardlink.csv >> gears.csv",
                                   "标准输出 就是输入文件"},
                      OwnInputCase{"ReadWriteDescriptor", "batch symlink.csv 1<>gears.csv",
                                   "标准输出 就是输入文件 “symlink.csv”"}),
    [](const auto& row) { return row.param.name; });

struct WriteCase {
    const char* name;
    std::string words;  // gears.csv holds a short table
    int status;
    std::string err;
};

void PrintTo(const WriteCase& row, std::ostream* os) {
    *os << row.name;
}

class Writing : public ::testing::TestWithParam<WriteCase> {};

TEST_P(Writing, FailsLoudlyOrSucceedsTruly) {
    const WriteCase& row = GetParam();
    const ScratchDirectory scratch;
    const std::string table = "m,z,alpha,beta,da,ds\n2.25,25,20,25,65.7,57.9\n";
    const std::string input = scratch.write("gears.csv", table);

    const ShellRun run = runInShell(scratch.path(), row.words);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(readFile(input), table);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Writing,
    ::testing::Values(
        WriteCase{"CalcToFullDevice", "calc > /dev/full", 2,
                  "involute calc: 写入 标准输出 时出错\n"},
        WriteCase{"CalcJsonFaultToFullDevice", "calc -m x -f json > /dev/full", 2,
                  "involute: 模数 “x” 不是有效的数字\ninvolute calc: 写入 标准输出 时出错\n"},
        WriteCase{"CalcToClosedOutput", "calc >&-", 2, "involute calc: 写入 标准输出 时出错\n"},
        WriteCase{"CalcFaultWritesNothingToClosedOutput", "calc -m x >&-", 1,
                  "involute: 模数 “x” 不是有效的数字\n"},
        WriteCase{"HelpToFullDevice", "--help > /dev/full", 2, "involute: 写入 标准输出 时出错\n"},
        WriteCase{"VersionToClosedOutput", "--version >&-", 2, "involute: 写入 标准输出 时出错\n"},
        WriteCase{"CalcHelpToFullDevice", "calc --help > /dev/full", 2,
                  "involute calc: 写入 标准输出 时出错\n"},
        WriteCase{"BatchToFullDevice", "batch < gears.csv > /dev/full", 2,
                  "involute batch: 写入 标准输出 时出错\n"},
        WriteCase{"BatchToFullDeviceByName", "batch gears.csv -o /dev/full", 2,
                  "involute batch: 写入 “/dev/full” 时出错\n"},
        WriteCase{"BatchToClosedOutput", "batch gears.csv >&-", 2,
                  "involute batch: 写入 标准输出 时出错\n"},
        WriteCase{"BatchFromClosedInput", "batch <&- > out.csv", 2,
                  "involute batch: 读取 标准输入 时出错\n"},
        WriteCase{"BatchToFileWithClosedOutput", "batch gears.csv -o out.csv >&-", 0, ""},
        WriteCase{"NullDeviceInAndOutIsNoSameFile", "batch < /dev/null > /dev/null", 2,
                  "involute batch: 标准输入 是空的，没有表头\n"}),
    [](const auto& row) { return row.param.name; });

// A FIFO as both input and output would wait for itself.
TEST(Batch, FifoOntoItselfIsRefused) {
    const ScratchDirectory scratch;
    ASSERT_EQ(mkfifo((scratch.path() / "p").c_str(), 0600), 0);
    const std::string script = "cd '" + scratch.path().string() + "' && timeout 10 '" +
                               INVOLUTE_EXECUTABLE + "' batch p -o p 2>stderr.txt";
    const int wait = std::system(script.c_str());  // NOLINT(concurrency-mt-unsafe)
    EXPECT_EQ(WEXITSTATUS(wait), 2);               // not 124, timeout's
    EXPECT_EQ(readFile(scratch.path() / "stderr.txt"),
              "involute batch: 输出文件 “p” 就是输入文件\n" + kSeeHelp);
}

// Echoed cells drive no terminal: shown there with control characters
// escaped, written to a pipe as they are.
TEST(Batch, TerminalSeesControlCharactersEscaped) {
    const ScratchDirectory scratch;
    scratch.write("gears.csv", std::string("m,z,alpha,beta,da,ds,note\n2.25,25,20,25,65.7,57.9,a") +
                                   '\0' + "b\x1B[31mRED\n");
    const std::string program = INVOLUTE_EXECUTABLE;
    const std::string onTerminal = "cd '" + scratch.path().string() + "' && script -qec \"'" +
                                   program + "' batch gears.csv\" /dev/null > terminal.txt";
    const std::string onPipe = "cd '" + scratch.path().string() + "' && '" + program +
                               "' batch gears.csv | cat > pipe.txt";
    std::system(onTerminal.c_str());  // NOLINT(concurrency-mt-unsafe)
    std::system(onPipe.c_str());      // NOLINT(concurrency-mt-unsafe)
    const std::string terminal = readFile(scratch.path() / "terminal.txt");
    EXPECT_NE(terminal.find("57.9,a\\x00b\\x1B[31mRED,"), std::string::npos) << terminal;
    EXPECT_EQ(terminal.find('\x1B'), std::string::npos) << terminal;
    const std::string pipe = readFile(scratch.path() / "pipe.txt");
    EXPECT_NE(pipe.find(std::string("57.9,a") + '\0' + "b\x1B[31mRED,"), std::string::npos);
}

// The files in `directory` other than those the test made.
std::vector<std::string> leftOver(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name != "gears.csv" && name != "out.csv" && name != "stderr.txt") {
            names.push_back(name);
        }
    }
    return names;
}

struct ReplaceCase {
    const char* name;
    std::string table;
    std::string script;  // after `cd` into the folder; $P is the program
    bool replaced;       // or else out.csv still holds what it held
};

void PrintTo(const ReplaceCase& row, std::ostream* os) {
    *os << row.name;
}

class OutputFile : public ::testing::TestWithParam<ReplaceCase> {};

// An output file is whole or the previous one: nothing half written that
// looks complete, no temporary file left behind, its permissions kept.
TEST_P(OutputFile, IsReplacedOnlyWhole) {
    const ReplaceCase& row = GetParam();
    const ScratchDirectory scratch;
    scratch.write("gears.csv", row.table);
    const std::string previous = "earlier results\n";
    const std::string output = scratch.write("out.csv", previous);
    std::filesystem::permissions(output, std::filesystem::perms(0640));

    const std::string script = "cd '" + scratch.path().string() + "' && P='" + INVOLUTE_EXECUTABLE +
                               "'; " + row.script + " 2>stderr.txt";
    std::system(script.c_str());  // NOLINT(concurrency-mt-unsafe)
    const std::string written = readFile(output);
    if (row.replaced) {
        EXPECT_TRUE(written.starts_with("\xEF\xBB\xBFline,")) << written;
    } else {
        EXPECT_EQ(written, previous);
    }
    EXPECT_EQ(std::filesystem::status(output).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(leftOver(scratch.path()), std::vector<std::string>{});
}

const std::string kGoodRows = "m,z,alpha,beta,da,ds\n2.25,25,20,25,65.7,57.9\n";

INSTANTIATE_TEST_SUITE_P(
    Batch, OutputFile,
    ::testing::Values(
        ReplaceCase{"Complete", kGoodRows, "\"$P\" batch gears.csv -o out.csv", true},
        ReplaceCase{"WithFailedRows", kGoodRows + "x,25,20,25,65.7,57.9\n",
                    "\"$P\" batch gears.csv -o out.csv", true},
        ReplaceCase{"UnclosedQuoteLater", kGoodRows + "2.25,25,20,25,65.7,\"57.9\n",
                    "\"$P\" batch gears.csv -o out.csv", false},
        ReplaceCase{"FileSizeLimit", longTable(),
                    "ulimit -f 64 && \"$P\" batch gears.csv -o out.csv", false},
        // The table stops arriving after more than a block of rows, and the
        // run is stopped there, its temporary file written to. A shell
        // starts background jobs ignoring SIGINT, which perl undoes.
        ReplaceCase{
            "Terminated", longTable(),
            "(cat gears.csv; sleep 3) | \"$P\" batch -o out.csv & sleep 1; kill -TERM $!; wait",
            false},
        ReplaceCase{
            "HungUp", longTable(),
            "(cat gears.csv; sleep 3) | \"$P\" batch -o out.csv & sleep 1; kill -HUP $!; wait",
            false},
        ReplaceCase{
            "Interrupted", longTable(),
            "(cat gears.csv; sleep 3) | perl -e '$SIG{INT} = \"DEFAULT\"; exec @ARGV' \"$P\" "
            "batch -o out.csv & sleep 1; kill -INT $!; wait",
            false}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::testing
