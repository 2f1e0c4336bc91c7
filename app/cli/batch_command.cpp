// `involute batch`: a CSV table of gears in, one output row per input row.
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "batch_rows.h"
#include "csv_reader.h"
#include "exit_status.h"
#include "file_identity.h"
#include "help_text.h"
#include "options.h"
#include "output_file.h"
#include "path_text.h"
#include "printable_text.h"
#include "subcommands.h"
#include "table_layout.h"
#include "usage.h"

namespace involute::cli {

namespace {

enum Option : std::size_t {
    kFormat,
    kOutput,
    kEncoding,
    kOutputEncoding,
    kHelp,
    kVersion,
    kOptionCount
};

constexpr std::array<CommandOption, kOptionCount> kOptionTable{{
    {"format", "", 'f'},
    {"output", "", 'o'},
    {"encoding", "", 'e'},
    {"output-encoding", "", 0},
    {"help", "", 'h', false},
    {"version", "", 0, false},
}};

int usageError(const Streams& streams, std::string_view problem) {
    return cli::usageError(streams, "batch", problem);
}

struct EncodingName {
    std::string_view name;
    TextEncoding encoding;
};
// GBK is a part of GB18030, so a GBK file reads as GB18030.
constexpr std::array<EncodingName, 5> kInputEncodings{{
    {"utf-8", TextEncoding::utf8},
    {"gb18030", TextEncoding::gb18030},
    {"gbk", TextEncoding::gb18030},
    {"utf-16le", TextEncoding::utf16le},
    {"utf-16be", TextEncoding::utf16be},
}};

struct OutputEncodingName {
    std::string_view name;
    OutputEncoding encoding;
};
constexpr std::array<OutputEncodingName, 3> kOutputEncodings{{
    {"utf-8", OutputEncoding::utf8},
    {"utf-8-bom", OutputEncoding::utf8WithByteOrderMark},
    {"gb18030", OutputEncoding::gb18030},
}};

// The entry of `table` named `name` (ASCII letters in any case).
template <typename Entry, std::size_t N>
const Entry* named(const std::array<Entry, N>& table, std::string_view name) {
    for (const Entry& entry : table) {
        if (std::equal(
                name.begin(), name.end(), entry.name.begin(), entry.name.end(),
                [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; })) {
            return &entry;
        }
    }
    return nullptr;
}

// The names `table` takes, for a message: "a、b、c".
template <typename Entry, std::size_t N>
std::string choices(const std::array<Entry, N>& table) {
    std::string names;
    for (const Entry& entry : table) {
        names += names.empty() ? "" : "、";
        names += entry.name;
    }
    return names;
}

std::string whereIs(std::string_view source, std::size_t line) {
    return std::string(source) + " 第 " + std::to_string(line) + " 行：";
}

}  // namespace

int runBatch(std::span<const std::string_view> words, const Streams& streams) {
    const ParsedOptions parsed = parseOptions(kOptionTable, words);
    if (const auto answered = answerCommonOptions(parsed, kHelp, kVersion, streams, "batch")) {
        return *answered;
    }
    if (parsed.positionals.size() > 1) {
        return usageError(streams, "batch 只读一个文件，却给了 " +
                                       std::to_string(parsed.positionals.size()) + " 个");
    }
    const std::string_view formatName = parsed.values[kFormat].value_or("csv");
    if (formatName != "csv" && formatName != "json") {
        return usageError(
            streams, "未知的输出格式 “" + utf8::printableText(formatName) + "”（可用 csv、json）");
    }
    const BatchFormat format = formatName == "json" ? BatchFormat::json : BatchFormat::csv;
    std::optional<TextEncoding> inputEncoding;
    if (const auto& name = parsed.values[kEncoding]) {
        const EncodingName* entry = named(kInputEncodings, *name);
        if (entry == nullptr) {
            return usageError(streams, "未知的编码 “" + utf8::printableText(*name) + "”（可用 " +
                                           choices(kInputEncodings) + "）");
        }
        inputEncoding = entry->encoding;
    }
    std::optional<OutputEncoding> outputEncoding;
    if (const auto& name = parsed.values[kOutputEncoding]) {
        const OutputEncodingName* entry = named(kOutputEncodings, *name);
        if (entry == nullptr) {
            return usageError(streams, "未知的输出编码 “" + utf8::printableText(*name) +
                                           "”（可用 " + choices(kOutputEncodings) + "）");
        }
        if (format == BatchFormat::json) {
            return usageError(streams, "JSON Lines 总是 UTF-8 编码，不能指定 --output-encoding");
        }
        outputEncoding = entry->encoding;
    }

    // Input.
    const std::string_view inputName = parsed.positionals.empty() ? "-" : parsed.positionals[0];
    const bool fromStandardInput = inputName == "-";
    const std::string source =
        fromStandardInput ? "标准输入" : "“" + utf8::printableText(inputName) + "”";
    const std::string_view outputName = parsed.values[kOutput].value_or("-");
    const bool toStandardOutput = outputName == "-";
    const std::string destination =
        toStandardOutput ? "标准输出" : "“" + utf8::printableText(outputName) + "”";
    std::ifstream inputFile;
    if (!fromStandardInput) {
        const std::filesystem::path path = platform::pathFromUtf8(inputName);
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            return usageError(streams, "无法读取 " + source + "：这是一个目录");
        }
        // Opening a FIFO waits for its writer, which would be this program
        // itself: refused before either end is opened.
        const std::optional<platform::FileIdentity> fifo = platform::fifoIdentity(path);
        if (!toStandardOutput && fifo &&
            fifo == platform::fifoIdentity(platform::pathFromUtf8(outputName))) {
            return usageError(streams, "输出文件 " + destination + " 就是输入文件");
        }
        inputFile.open(path, std::ios::binary);
        if (!inputFile) {
            return usageError(streams, "无法读取 " + source + "：文件不存在或没有读权限");
        }
    }
    std::istream& input = fromStandardInput ? streams.in : inputFile;

    // Output, checked before anything is written to it.
    // Writing onto the input would destroy the rows not yet read and read
    // back the rows written, without end: refused whatever route leads
    // there (a path, a redirection, a symbolic or hard link).
    const std::optional<platform::FileIdentity> inputIdentity =
        fromStandardInput ? streams.inFile
                          : platform::regularFileIdentity(platform::pathFromUtf8(inputName));
    const std::optional<platform::FileIdentity> outputIdentity =
        toStandardOutput ? streams.outFile
                         : platform::regularFileIdentity(platform::pathFromUtf8(outputName));
    if (inputIdentity && inputIdentity == outputIdentity) {
        return usageError(streams, toStandardOutput ? "标准输出 就是输入文件" +
                                                          (fromStandardInput ? "" : " " + source)
                                                    : "输出文件 " + destination + " 就是输入文件");
    }

    CsvReader reader(input, CsvReader::kDefaultMaxRecordBytes, inputEncoding,
                     fromStandardInput ? streams.inArrival : nullptr);
    const auto reportReaderStop = [&](CsvReader::Status status) {
        if (status == CsvReader::Status::readError) {
            streams.err << "involute batch: 读取 " << source << " 时出错\n";
        } else {
            streams.err << "involute batch: " << whereIs(source, reader.problemLine())
                        << reader.problem() << '\n';
        }
        return kExitUsage;
    };

    // Header: the first record that is not blank.
    CsvReader::Status status = CsvReader::Status::record;
    while ((status = reader.next()) == CsvReader::Status::record && isBlankRecord(reader)) {
    }
    if (status == CsvReader::Status::end) {
        streams.err << "involute batch: " << source << " 是空的，没有表头\n";
        return kExitUsage;
    }
    if (status != CsvReader::Status::record) {
        return reportReaderStop(status);
    }
    if (reader.hasUtf32ByteOrderMark()) {
        streams.err << "involute batch: " << source
                    << " 以 UTF-32 的 BOM 开头：不支持 UTF-32，请另存为 UTF-8 或 UTF-16\n";
        return kExitUsage;
    }
    if (const std::optional<UndecodableField> found = undecodableField(reader)) {
        streams.err << "involute batch: " << source << " "
                    << undecodableProblem(*found, reader.encoding())
                    << "（可用 --encoding 指定文件的编码）\n";
        return kExitUsage;
    }
    std::vector<std::string_view> header;
    for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
        header.push_back(reader.field(i));
    }
    const TableLayoutReading table = layoutFromHeader(header);
    if (!table.problem.empty()) {
        streams.err << "involute batch: " << whereIs(source, reader.recordLine()) << table.problem
                    << '\n';
        return kExitUsage;
    }

    if (!table.layout.droppedColumns.empty()) {
        streams.err << "involute batch: " << source << " 的";
        for (const std::size_t column : table.layout.droppedColumns) {
            streams.err << (column == table.layout.droppedColumns.front() ? "" : "、") << "第 "
                        << column + 1 << " 列 “" << utf8::printableText(header[column]) << "”";
        }
        streams.err << " 与输出列同名，不再输出（结果重新算出）\n";
    }
    std::optional<platform::OutputFile> outputFile;
    if (!toStandardOutput) {
        outputFile.emplace(platform::pathFromUtf8(outputName));
        if (!outputFile->opened()) {
            return usageError(streams, "无法写入 " + destination);
        }
    }
    // A console shows characters; the encoding is for files and pipes.
    const bool toConsole = toStandardOutput && streams.outIsConsole;
    const OutputEncoding encoding =
        toConsole ? OutputEncoding::utf8 : outputEncoding.value_or(defaultOutputEncoding(reader));
    const BatchTally tally = writeRows(reader, table.layout, format, encoding,
                                       outputFile ? outputFile->stream() : streams.out, toConsole);
    // An output file is put in place only whole: a table that stops short
    // leaves the previous file as it was.
    const bool whole = tally.written && tally.stop == CsvReader::Status::end;
    if (!tally.written || (outputFile && whole && !outputFile->commit())) {
        return writeError(streams, "batch", destination);
    }
    if (tally.stop != CsvReader::Status::end) {
        const int exit = reportReaderStop(tally.stop);
        if (outputFile) {
            streams.err << "involute batch: 没有写出 " << destination << "，它保持原样\n";
        }
        return exit;
    }
    if (tally.failedRows > 0) {
        streams.err << "involute batch: " << tally.rows << " 行中有 " << tally.failedRows
                    << " 行未能算出，见 status 列\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace involute::cli
