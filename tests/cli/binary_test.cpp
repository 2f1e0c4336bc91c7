// The installed program itself, started as a script would start it: no
// display, no Qt platform chosen. Subcommands must never need a window.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/cli/run_command.h"

extern char** environ;

namespace involute::testing {
namespace {

// The current environment less everything that would reach a display.
std::vector<std::string> environmentWithoutDisplay() {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        const std::string_view name = entry.substr(0, entry.find('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM") {
            variables.emplace_back(entry);
        }
    }
    return variables;
}

CommandResult runProgram(const std::vector<std::string>& words, std::string_view input = {}) {
    const ScratchDirectory scratch;
    const std::string in = scratch.write("stdin", input);
    const std::string out = (scratch.path() / "stdout").string();
    const std::string err = (scratch.path() / "stderr").string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::string program = INVOLUTE_EXECUTABLE;
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> environment = environmentWithoutDisplay();
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);

    CommandResult result;
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return result;
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(out);
    result.err = readFile(err);
    return result;
}

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
                      ProgramCase{"Help", {"--help"}, ""},
                      ProgramCase{"Version", {"--version"}, ""}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::testing
