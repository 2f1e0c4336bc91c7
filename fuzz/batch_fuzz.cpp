// Fuzzes `involute batch` on in-memory streams.
//
// The first byte picks the output format (bit 0: CSV or JSON Lines) and the
// input's encoding (bits 1 and 2: the bytes as they are, or the bytes taken
// as UTF-8 and written as GB18030, UTF-16 LE or UTF-16 BE with a byte order
// mark, bytes that are not UTF-8 kept raw) and, with bit 3, widens the
// header by thousands of copies of its last name (bits 4 to 7 say how many),
// as a sheet of many unnamed or equally named columns has it; the rest is
// the input table.
// Whatever the input: the batch either writes one
// output row per data record of the input, in order, each with a known
// status, and exits 0 when all are ok and 1 otherwise; or it stops with one
// clear error naming the line, exit 2, having written no more rows than the
// input had.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch_rows.h"
#include "command_line.h"
#include "csv_reader.h"
#include "exit_status.h"
#include "fuzz_check.h"
#include "text_encoding.h"

namespace {

using involute::fuzz::require;
namespace cli = involute::cli;

struct InputShape {
    std::size_t dataRecords = 0;  // non-blank records after the header
    bool wellFormed = true;       // the reader got to the end
};

// What the table holds, as the batch's own reader sees it.
InputShape shapeOf(const std::string& table) {
    std::istringstream in(table);
    cli::CsvReader reader(in);
    InputShape shape;
    bool sawHeader = false;
    cli::CsvReader::Status status;
    while ((status = reader.next()) == cli::CsvReader::Status::record) {
        if (cli::isBlankRecord(reader)) {
            continue;
        }
        if (sawHeader) {
            ++shape.dataRecords;
        }
        sawHeader = true;
    }
    shape.wellFormed = status == cli::CsvReader::Status::end;
    return shape;
}

bool isKnownStatus(std::string_view status) {
    for (const std::string_view known :
         {"ok", "empty_field", "not_a_number", "out_of_range", "overflow", "base_helix_undefined",
          "start_circle_inside_base_circle", "tip_circle_inside_base_circle", "wrong_field_count",
          "undecodable_text", "unencodable_text"}) {
        if (status == known) {
            return true;
        }
    }
    return false;
}

// Statuses of the rows of a CSV output, header excluded.
std::vector<std::string> csvStatuses(const std::string& output) {
    std::istringstream in(output);
    cli::CsvReader reader(in);
    std::vector<std::string> statuses;
    std::size_t statusColumn = 0;
    bool header = true;
    while (reader.next() == cli::CsvReader::Status::record) {
        if (header) {
            for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
                if (reader.field(i) == "status") {
                    statusColumn = i;
                }
            }
            header = false;
            continue;
        }
        statuses.emplace_back(statusColumn < reader.fieldCount() ? reader.field(statusColumn)
                                                                 : "(missing)");
    }
    return statuses;
}

// Statuses of the lines of a JSON Lines output.
std::vector<std::string> jsonStatuses(const std::string& output) {
    std::vector<std::string> statuses;
    std::istringstream in(output);
    std::string line;
    constexpr std::string_view key = "\"status\":\"";
    while (std::getline(in, line)) {
        const std::size_t at = line.rfind(key);
        if (at == std::string::npos) {
            statuses.emplace_back("(missing)");
            continue;
        }
        const std::size_t begin = at + key.size();
        statuses.push_back(line.substr(begin, line.find('"', begin) - begin));
    }
    return statuses;
}

// The table in another encoding, as a spreadsheet would save it; bytes that
// are not UTF-8 stay as they are, so the reader meets undecodable bytes too.
std::string encodedTable(std::string_view utf8, unsigned form) {
    using involute::platform::TextEncoding;
    if (form == 0) {
        return std::string(utf8);
    }
    const TextEncoding encoding = form == 1   ? TextEncoding::gb18030
                                  : form == 2 ? TextEncoding::utf16le
                                              : TextEncoding::utf16be;
    std::string table = form == 2 ? "\xFF\xFE" : form == 3 ? "\xFE\xFF" : "";
    involute::platform::TextConverter converter(TextEncoding::utf8, encoding);
    while (!utf8.empty()) {
        const std::size_t converted = converter.convert(utf8, table).converted;
        utf8.remove_prefix(converted);
        if (!utf8.empty()) {
            table += utf8.front();
            utf8.remove_prefix(1);
        }
    }
    return table;
}

// Error lines, leaving out the note on columns named like output columns.
std::size_t errorLineCount(const std::string& text) {
    std::istringstream in(text);
    std::size_t lines = 0;
    std::string line;
    while (std::getline(in, line)) {
        lines += line.find("与输出列同名") == std::string::npos ? 1 : 0;
    }
    return lines;
}

// The table with its first line followed by `copies` more of its last name.
std::string widened(std::string_view table, std::size_t copies) {
    const std::size_t lineEnd = std::min(table.find_first_of("\r\n"), table.size());
    const std::string_view header = table.substr(0, lineEnd);
    const std::size_t nameStart = header.find_last_of(',');
    const std::string_view name =
        nameStart == std::string_view::npos ? header : header.substr(nameStart + 1);
    std::string wide(header);
    wide.reserve(header.size() + copies * (name.size() + 1) + table.size());
    for (std::size_t i = 0; i < copies; ++i) {
        wide += ',';
        wide += name;
    }
    wide += table.substr(lineEnd);
    return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool json = (data[0] & 1) != 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string text = (data[0] & 8) != 0
                                 ? widened(bytes, std::size_t{1000} * ((data[0] >> 4) + 1u))
                                 : std::string(bytes);
    const std::string table = encodedTable(text, (data[0] >> 1) & 3u);

    std::istringstream in(table);
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> words{"batch", "--format", json ? "json" : "csv", "-"};
    const int exit = cli::runCommandLine(words, cli::Streams{in, out, err});

    const InputShape shape = shapeOf(table);
    const std::string output = out.str();
    const std::string errors = err.str();
    const std::vector<std::string> statuses = json ? jsonStatuses(output) : csvStatuses(output);

    if (exit == cli::kExitUsage) {
        require(errorLineCount(errors) == 1, "a malformed table gives one error line",
                errors + table);
        require(statuses.size() <= shape.dataRecords, "no row beyond the input's", table);
        return 0;
    }
    require(exit == cli::kExitOk || exit == cli::kExitFailed, "exit status is 0, 1 or 2", table);
    require(shape.wellFormed, "a table the reader cannot finish is reported", table);
    require(statuses.size() == shape.dataRecords, "one output row per input row",
            table + "\n--- output ---\n" + output);
    bool allOk = true;
    for (const std::string& status : statuses) {
        require(isKnownStatus(status), "every row has a known status", status + "\n" + table);
        allOk = allOk && status == "ok";
    }
    require((exit == cli::kExitOk) == allOk, "exit 0 exactly when every row is ok", table);
    return 0;
}
