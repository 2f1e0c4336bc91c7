#include "app/cli/usage.h"

#include "app/cli/exit_status.h"
#include "app/cli/help_text.h"

namespace involute::cli {

int usageError(const Streams& streams, std::string_view command, std::string_view problem) {
    streams.err << "involute " << command << ": " << problem << '\n' << kSeeHelp;
    return kExitUsage;
}

std::optional<int> answerCommonOptions(const ParsedOptions& parsed, std::size_t helpOption,
                                       std::size_t versionOption, const Streams& streams,
                                       std::string_view command) {
    if (!parsed.ok()) {
        return usageError(streams, command, parsed.error);
    }
    if (parsed.values[helpOption]) {
        streams.out << helpText();
        return kExitOk;
    }
    if (parsed.values[versionOption]) {
        streams.out << versionText();
        return kExitOk;
    }
    return std::nullopt;
}

}  // namespace involute::cli
