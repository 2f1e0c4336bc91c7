// `involute batch` reading a pipe that stays open: each row is answered as
// it comes, not once 64 KiB have arrived or the pipe is closed.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>

extern char** environ;

namespace involute::testing {
namespace {

// What `out` gives until `wanted` is in it, waiting at most `limit`.
std::string readUntil(int out, std::string_view wanted, std::chrono::milliseconds limit) {
    std::string text;
    const auto until = std::chrono::steady_clock::now() + limit;
    while (text.find(wanted) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        pollfd ready{out, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        std::array<char, 4096> buffer{};
        const ssize_t got = read(out, buffer.data(), buffer.size());
        if (got <= 0) {
            break;
        }
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return text;
}

bool writeAll(int in, std::string_view text) {
    return write(in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

struct Pipe {
    std::array<int, 2> ends{-1, -1};
    Pipe() { EXPECT_EQ(pipe(ends.data()), 0); }
    ~Pipe() {
        for (const int end : ends) {
            if (end != -1) {
                close(end);
            }
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void closeEnd(std::size_t which) {
        close(ends[which]);
        ends[which] = -1;
    }
};

struct SlowPipeCase {
    const char* name;
    std::string header;
    std::string row;
    std::string answer;          // a part of the row's output
    bool pauseInHeader = false;  // the header's first part is read on its own
};

void PrintTo(const SlowPipeCase& row, std::ostream* os) {
    *os << row.name;
}

class SlowPipe : public ::testing::TestWithParam<SlowPipeCase> {};

TEST_P(SlowPipe, AnswersEachRowAsItComes) {
    Pipe input;
    Pipe output;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input.ends[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output.ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, input.ends[1]);
    posix_spawn_file_actions_addclose(&actions, output.ends[0]);
    std::string program = INVOLUTE_EXECUTABLE;
    std::string batch = "batch";
    std::array<char*, 3> argv{program.data(), batch.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    input.closeEnd(0);
    output.closeEnd(1);

    ASSERT_TRUE(writeAll(input.ends[1], GetParam().header));
    if (GetParam().pauseInHeader) {
        // Longer than the pause after which what has come decides.
        std::this_thread::sleep_for(std::chrono::milliseconds{1500});
    }
    ASSERT_TRUE(writeAll(input.ends[1], GetParam().row));
    // Generous: the row is due at once, or within the second's pause that
    // decides the encoding of a table that is not ASCII.
    const std::string shown =
        readUntil(output.ends[0], GetParam().answer, std::chrono::milliseconds{10000});
    input.closeEnd(1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_NE(shown.find(GetParam().answer), std::string::npos) << shown;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Batch, SlowPipe,
    ::testing::Values(SlowPipeCase{"ascii", "m,z,alpha,beta,da,ds\n", "2.25,25,20,25,65.7,57.9\n",
                                   "2.97170605410439,12.8349709170999"},
                      SlowPipeCase{"utf8", "m,z,alpha,beta,da,ds,\xE4\xBB\xB6\xE5\x8F\xB7\n",
                                   "2.25,25,20,25,65.7,57.9,\xE9\xBD\xBF\xE8\xBD\xAE\n",
                                   "\xE9\xBD\xBF\xE8\xBD\xAE,62.0650079416401"},
                      SlowPipeCase{"gbk", "m,z,alpha,beta,da,ds,\xBC\xFE\xBA\xC5\n",
                                   "2.25,25,20,25,65.7,57.9,\xB3\xDD\xC2\xD6\n",
                                   "\xB3\xDD\xC2\xD6,62.0650079416401"},
                      SlowPipeCase{"semicolons cut in the header", "m;z;alpha;beta;da;",
                                   "ds\n2;20;20;0;44;38\n", "40,37.5877048314363", true}),
    [](const ::testing::TestParamInfo<SlowPipeCase>& row) {
        std::string name = row.param.name;
        for (char& c : name) {
            c = c == ' ' ? '_' : c;
        }
        return name;
    });

}  // namespace
}  // namespace involute::testing
