// `involute calc`: one gear from options, printed as text, JSON or CSV.
#include <array>
#include <optional>
#include <string>

#include "app/cli/csv_writer.h"
#include "app/cli/exit_status.h"
#include "app/cli/gear_report.h"
#include "app/cli/help_text.h"
#include "app/cli/options.h"
#include "app/cli/subcommands.h"
#include "app/cli/usage.h"
#include "utf8/printable_text.h"

namespace involute::cli {

namespace {

// The six inputs in reading order, each with the window's example text as
// its default.
struct InputOption {
    CommandOption option;
    std::string_view defaultText;
};

constexpr std::array<InputOption, 6> kInputOptions{{
    {{"module", "", 'm'}, "2.25"},
    {{"teeth", "", 'z'}, "25"},
    {{"pressure-angle", "alpha", 0}, "20"},
    {{"helix-angle", "beta", 0}, "25"},
    {{"tip-diameter", "da", 0}, "65.7"},
    {{"start-diameter", "ds", 0}, "57.9"},
}};

enum Option : std::size_t { kFormat = 6, kHelp, kVersion, kOptionCount };

constexpr std::array<CommandOption, kOptionCount> kOptionTable{{
    kInputOptions[0].option,
    kInputOptions[1].option,
    kInputOptions[2].option,
    kInputOptions[3].option,
    kInputOptions[4].option,
    kInputOptions[5].option,
    {"format", "", 'f'},
    {"help", "", 'h', false},
    {"version", "", 0, false},
}};

enum class Format { text, json, csv };

std::optional<Format> formatNamed(std::string_view name) {
    if (name == "text") {
        return Format::text;
    }
    if (name == "json") {
        return Format::json;
    }
    if (name == "csv") {
        return Format::csv;
    }
    return std::nullopt;
}

int usageError(const Streams& streams, std::string_view problem) {
    return cli::usageError(streams, "calc", problem);
}

}  // namespace

int runCalc(std::span<const std::string_view> words, const Streams& streams) {
    const ParsedOptions parsed = parseOptions(kOptionTable, words);
    if (const auto answered = answerCommonOptions(parsed, kHelp, kVersion, streams, "calc")) {
        return *answered;
    }
    if (!parsed.positionals.empty()) {
        return usageError(streams, "calc 不接受参数 “" +
                                       utf8::printableText(parsed.positionals.front()) +
                                       "”，输入须用选项给出，如 --module 2.25");
    }
    const std::optional<Format> format = formatNamed(parsed.values[kFormat].value_or("text"));
    if (!format) {
        return usageError(streams, "未知的输出格式 “" +
                                       utf8::printableText(*parsed.values[kFormat]) +
                                       "”（可用 text、json、csv）");
    }

    std::array<std::string_view, 6> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = parsed.values[i].value_or(kInputOptions[i].defaultText);
    }
    const GearReport report = evaluateGear(texts);

    std::string out;
    if (report.fault) {
        streams.err << "involute: " << report.fault->message << '\n';
        if (*format == Format::json) {
            out += "{\"error\":{";
            appendJsonFault(out, *report.fault);
            out += "}}\n";
        }
        streams.out << out;
        return kExitFailed;
    }
    switch (*format) {
        case Format::text:
            appendTextResults(out, report);
            break;
        case Format::json:
            out += '{';
            appendJsonResults(out, report);
            out += "}\n";
            break;
        case Format::csv:
            appendCsvResultHeader(out);
            out += kCsvRecordEnd;
            appendCsvResults(out, report);
            out += kCsvRecordEnd;
            break;
    }
    streams.out << out;
    return kExitOk;
}

}  // namespace involute::cli
