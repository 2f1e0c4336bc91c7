// `involute calc`: one gear from options, printed as text, JSON or CSV.
#include <array>
#include <optional>
#include <string>

#include "csv_writer.h"
#include "exit_status.h"
#include "gear_quantities.h"
#include "gear_report.h"
#include "help_text.h"
#include "options.h"
#include "printable_text.h"
#include "subcommands.h"
#include "usage.h"

namespace involute::cli {

namespace {

// An input's options: its long option, and its short name as a letter
// ("-m") or, when longer, as a second long option ("--alpha").
constexpr CommandOption inputOption(const calc::InputRow& input) {
    const bool letter = input.shortName.size() == 1;
    return {input.option, letter ? std::string_view{} : input.shortName,
            letter ? input.shortName.front() : '\0'};
}

// The six inputs first, in reading order, so that option i is input i.
enum Option : std::size_t { kFormat = calc::kInputRows.size(), kHelp, kVersion, kOptionCount };

constexpr std::array<CommandOption, kOptionCount> kOptionTable{{
    inputOption(calc::kInputRows[0]),
    inputOption(calc::kInputRows[1]),
    inputOption(calc::kInputRows[2]),
    inputOption(calc::kInputRows[3]),
    inputOption(calc::kInputRows[4]),
    inputOption(calc::kInputRows[5]),
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
        const calc::InputRow& first = calc::kInputRows.front();
        return usageError(streams, "calc 不接受参数 “" +
                                       utf8::printableText(parsed.positionals.front()) +
                                       "”，输入须用选项给出，如 --" + std::string(first.option) +
                                       " " + std::string(first.example));
    }
    const std::optional<Format> format = formatNamed(parsed.values[kFormat].value_or("text"));
    if (!format) {
        return usageError(streams, "未知的输出格式 “" +
                                       utf8::printableText(*parsed.values[kFormat]) +
                                       "”（可用 text、json、csv）");
    }

    std::array<std::string_view, 6> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = parsed.values[i].value_or(calc::kInputRows[i].example);
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
        return writeAndFlush(streams.out, out) ? kExitFailed : writeError(streams, "calc");
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
    return writeAndFlush(streams.out, out) ? kExitOk : writeError(streams, "calc");
}

}  // namespace involute::cli
