#include "app/cli/command_line.h"

#include <string>
#include <vector>

#include "app/cli/exit_status.h"
#include "app/cli/help_text.h"
#include "app/cli/subcommands.h"
#include "app/platform/command_line_args.h"
#include "app/platform/console.h"

namespace involute::cli {

int runCommandLine(std::span<const std::string_view> words, const Streams& streams) {
    if (words.empty()) {
        streams.err << helpText();
        return kExitUsage;
    }
    const std::string_view command = words.front();
    const auto rest = words.subspan(1);
    if (command == "calc") {
        return runCalc(rest, streams);
    }
    if (command == "batch") {
        return runBatch(rest, streams);
    }
    if (command == "--help" || command == "-h" || command == "help") {
        streams.out << helpText();
        return kExitOk;
    }
    if (command == "--version") {
        streams.out << versionText();
        return kExitOk;
    }
    streams.err << "involute: 未知的命令 " << command << "（可用 calc 或 batch）\n" << kSeeHelp;
    return kExitUsage;
}

int runCommandLine(int argc, char** argv) {
    const std::vector<std::string> arguments = platform::commandLineArguments(argc, argv);
    const std::vector<std::string_view> words(arguments.begin(), arguments.end());
    const platform::StandardStreams standard;
    return runCommandLine(words, Streams{standard.in(), standard.out(), standard.err()});
}

}  // namespace involute::cli
