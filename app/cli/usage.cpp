#include "usage.h"

#include "exit_status.h"
#include "help_text.h"

namespace involute::cli {

int usageError(const Streams& streams, std::string_view command, std::string_view problem) {
    streams.err << "involute " << command << ": " << problem << '\n' << kSeeHelp;
    return kExitUsage;
}

bool writeAndFlush(std::ostream& out, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

int writeError(const Streams& streams, std::string_view command, std::string_view destination) {
    streams.err << "involute" << (command.empty() ? "" : " ") << command << ": 写入 " << destination
                << " 时出错\n";
    return kExitUsage;
}

std::optional<int> answerCommonOptions(const ParsedOptions& parsed, std::size_t helpOption,
                                       std::size_t versionOption, const Streams& streams,
                                       std::string_view command) {
    if (!parsed.ok()) {
        return usageError(streams, command, parsed.error);
    }
    if (parsed.values[helpOption] || parsed.values[versionOption]) {
        const std::string_view text = parsed.values[helpOption] ? helpText() : versionText();
        return writeAndFlush(streams.out, text) ? kExitOk : writeError(streams, command);
    }
    return std::nullopt;
}

}  // namespace involute::cli
