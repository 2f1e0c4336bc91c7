// A build without a window (Linux configured with -DINVOLUTE_WINDOW=OFF)
// started with no subcommand says so, in characters every Chinese system can
// show, and shows the help.
#include <gtest/gtest.h>

#include "gb2312.h"
#include "help_text.h"
#include "run_program.h"
#include "window_start.h"

namespace involute::testing {
namespace {

TEST(ProgramWithoutWindow, ExplainsAndShowsTheHelp) {
    const CommandResult result = runProgram({});
    EXPECT_EQ(result.err, std::string(ui::kNoWindowNote) + std::string(cli::helpText()));
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.status, 2);
}

TEST(ProgramWithoutWindow, NoteIsInGb2312) {
    EXPECT_TRUE(fitsGb2312(ui::kNoWindowNote));
}

}  // namespace
}  // namespace involute::testing
