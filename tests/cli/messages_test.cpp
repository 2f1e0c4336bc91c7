// Everything the command line says in Chinese stays within GB2312, like the
// window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gb2312.h"
#include "run_command.h"

namespace involute::testing {
namespace {

TEST(Messages, AreGb2312) {
    const std::vector<CommandResult> results{
        runCommand({"--help"}),
        runCommand({"calc", "--da", "0"}),
        runCommand({"calc", "--bad"}),
        runCommand({"calc", "-f", "xml"}),
        runCommand({"calc", "x"}),
        runCommand({"calc", "-m"}),
        runCommand({"calc", "-m", "1", "-m", "2"}),
        runCommand({"nope"}),
        runCommand({"batch", "-f", "x"}),
        runCommand({"batch", "/nonexistent"}),
        runCommand({"batch", "/"}),
        runCommand({"batch", "a", "b"}),
        runCommand({"batch", "-o", "/nonexistent/x"}, "m,z,alpha,beta,da,ds\n"),
        runCommand({"batch"}, ""),
        runCommand({"batch"}, "1,2\n"),
        runCommand({"batch"}, "m;z\n"),
        runCommand({"batch"}, "m,z,alpha,beta,da,ds,m\n"),
        runCommand({"batch"}, "m,z,alpha,beta,da,ds\n1,2\n1,x,1,1,1,1\n\"1\"x"),
        runCommand({"batch"}, "m,z,alpha,beta,da,ds\n1\"x"),
        runCommand({"batch"}, "m,z,alpha,beta,da,ds\n\"x"),
    };
    for (const CommandResult& result : results) {
        const std::string_view out = std::string_view(result.out).starts_with("\xEF\xBB\xBF")
                                         ? std::string_view(result.out).substr(3)
                                         : std::string_view(result.out);
        EXPECT_TRUE(fitsGb2312(out)) << result.out;
        EXPECT_TRUE(fitsGb2312(result.err)) << result.err;
    }
}

}  // namespace
}  // namespace involute::testing
