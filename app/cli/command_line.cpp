#include "command_line.h"

#include <string>
#include <vector>

#include "command_line_args.h"
#include "console.h"
#include "exit_status.h"
#include "file_identity.h"
#include "help_text.h"
#include "input_arrival.h"
#include "printable_text.h"
#include "std_streams.h"
#include "subcommands.h"
#include "usage.h"

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
        return writeAndFlush(streams.out, helpText()) ? kExitOk : writeError(streams, {});
    }
    if (command == "--version") {
        return writeAndFlush(streams.out, versionText()) ? kExitOk : writeError(streams, {});
    }
    streams.err << "involute: 未知的命令 " << utf8::printableText(command)
                << "（可用 calc 或 batch）\n"
                << kSeeHelp;
    return kExitUsage;
}

int runCommandLine(int argc, char** argv) {
    // A standard stream that was closed is held on the null device; reading
    // or writing it is still an error, never a silent success.
    const platform::StandardStreamsAtStart atStart = platform::holdStandardStreams();
    const std::vector<std::string> arguments = platform::commandLineArguments(argc, argv);
    const std::vector<std::string_view> words(arguments.begin(), arguments.end());
    const platform::StandardStreams standard;
    if (atStart.inputClosed) {
        standard.in().setstate(std::ios::badbit);
    }
    if (atStart.outputClosed) {
        standard.out().setstate(std::ios::badbit);
    }
    const Streams streams{standard.in(),
                          standard.out(),
                          standard.err(),
                          platform::regularFileIdentity(0),
                          platform::regularFileIdentity(1),
                          standard.outIsConsole(),
                          platform::standardInputArrivesWithin};
    return runCommandLine(words, streams);
}

}  // namespace involute::cli
