#include "app/cli/command_line.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/exit_status.h"
#include "app/cli/help_text.h"
#include "app/cli/subcommands.h"
#include "utf8/printable_text.h"

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
    streams.err << "involute: 未知的命令 " << utf8::printableText(command)
                << "（可用 calc 或 batch）\n"
                << kSeeHelp;
    return kExitUsage;
}

int runCommandLine(int argc, char** argv) {
    // Batches go through these streams in large blocks; C stdio is not used.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
    const int status = runCommandLine(words, Streams{std::cin, std::cout, std::cerr});
    std::cout.flush();
    return status;
}

}  // namespace involute::cli
