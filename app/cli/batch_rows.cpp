// `involute batch` rows.
//
// Streams: one record is read, computed and appended to an output block at a
// time, and the block goes to the stream when it is full, so memory does not
// grow with the table and rows leave in input order.
#include "app/cli/batch_rows.h"

#include <array>
#include <optional>
#include <string>

#include "app/cli/csv_writer.h"
#include "app/cli/gear_report.h"
#include "app/cli/json_writer.h"
#include "calc/gear_quantities.h"

namespace involute::cli {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
constexpr std::string_view kWrongFieldCount = "wrong_field_count";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text.substr(pos).starts_with("\u3000")) {
            pos += 2;
        } else if (text[pos] != ' ' && text[pos] != '\t') {
            return false;
        }
    }
    return true;
}

// How one row came out: status "ok", a fault code, or wrong_field_count.
struct RowOutcome {
    std::string_view status;
    std::optional<std::string_view> field;
    std::string_view message;
};

class RowWriter {
  public:
    RowWriter(BatchFormat format, const TableLayout& layout) : format_(format), layout_(layout) {}

    void appendHeader(std::string& out) const {
        if (format_ == BatchFormat::json) {
            return;
        }
        out += "line";
        for (const calc::InputRow& input : calc::kInputRows) {
            out += ',';
            out += input.key;
        }
        for (const std::string& name : layout_.echoedNames) {
            out += ',';
            appendCsvField(out, name);
        }
        out += ',';
        appendCsvResultHeader(out);
        out += ",status,field,message";
        out += kCsvRecordEnd;
    }

    void appendRow(std::string& out, std::size_t line, const CsvReader& record,
                   const GearReport& report, const RowOutcome& outcome) const {
        const auto cell = [&record](std::size_t column) {
            return column < record.fieldCount() ? record.field(column) : std::string_view{};
        };
        if (format_ == BatchFormat::csv) {
            out += std::to_string(line);
            for (const std::size_t column : layout_.inputColumns) {
                out += ',';
                appendCsvField(out, cell(column));
            }
            for (const std::size_t column : layout_.echoedColumns) {
                out += ',';
                appendCsvField(out, cell(column));
            }
            out += ',';
            appendCsvResults(out, report);
            out += ',';
            out += outcome.status;
            out += ',';
            out += outcome.field.value_or("");
            out += ',';
            appendCsvField(out, outcome.message);
            out += kCsvRecordEnd;
            return;
        }
        out += "{\"line\":";
        out += std::to_string(line);
        for (std::size_t i = 0; i < layout_.inputColumns.size(); ++i) {
            out += ",\"";
            out += calc::kInputRows[i].key;
            out += "\":";
            appendJsonString(out, cell(layout_.inputColumns[i]));
        }
        for (std::size_t i = 0; i < layout_.echoedColumns.size(); ++i) {
            out += ',';
            appendJsonString(out, layout_.echoedNames[i]);
            out += ':';
            appendJsonString(out, cell(layout_.echoedColumns[i]));
        }
        out += ',';
        appendJsonResults(out, report);
        out += ",\"status\":";
        appendJsonString(out, outcome.status);
        out += ",\"field\":";
        if (outcome.field) {
            appendJsonString(out, *outcome.field);
        } else {
            out += "null";
        }
        out += ",\"message\":";
        if (outcome.message.empty()) {
            out += "null";
        } else {
            appendJsonString(out, outcome.message);
        }
        out += "}\n";
    }

  private:
    BatchFormat format_;
    const TableLayout& layout_;
};

// Collects output and hands it to the stream in large blocks.
class BlockWriter {
  public:
    explicit BlockWriter(std::ostream& out) : out_(out) { block_.reserve(2 * kBlockBytes); }

    std::string& block() { return block_; }

    // Writes the block once it is full; false when the stream failed.
    bool pass() {
        if (block_.size() < kBlockBytes) {
            return true;
        }
        return write();
    }

    bool finish() { return write() && out_.flush(); }

  private:
    bool write() {
        out_.write(block_.data(), static_cast<std::streamsize>(block_.size()));
        block_.clear();
        return static_cast<bool>(out_);
    }

    std::ostream& out_;
    std::string block_;
};

}  // namespace

bool isBlankRecord(const CsvReader& reader) {
    for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
        if (!isBlank(reader.field(i))) {
            return false;
        }
    }
    return true;
}

BatchTally writeRows(CsvReader& reader, const TableLayout& layout, BatchFormat format,
                     std::ostream& out) {
    BatchTally tally;
    BlockWriter writer(out);
    const RowWriter rows(format, layout);
    if (format == BatchFormat::csv && reader.hadByteOrderMark()) {
        writer.block() += kByteOrderMark;
    }
    rows.appendHeader(writer.block());

    std::string mismatch;
    std::array<std::string_view, 6> texts;
    while (tally.written && (tally.stop = reader.next()) == CsvReader::Status::record) {
        if (isBlankRecord(reader)) {
            continue;
        }
        ++tally.rows;
        GearReport report;
        RowOutcome outcome{"ok", std::nullopt, {}};
        if (reader.fieldCount() != layout.columnCount) {
            mismatch = "该行有 " + std::to_string(reader.fieldCount()) + " 个字段，表头有 " +
                       std::to_string(layout.columnCount) + " 个";
            outcome = {kWrongFieldCount, std::nullopt, mismatch};
        } else {
            for (std::size_t i = 0; i < texts.size(); ++i) {
                texts[i] = reader.field(layout.inputColumns[i]);
            }
            report = evaluateGear(texts);
            if (report.fault) {
                outcome = {calc::faultCode(report.fault->kind),
                           calc::inputRow(report.fault->field).key, report.fault->message};
            }
        }
        if (outcome.status != "ok") {
            ++tally.failedRows;
        }
        rows.appendRow(writer.block(), reader.recordLine(), reader, report, outcome);
        tally.written = writer.pass();
    }
    tally.written = tally.written && writer.finish();
    return tally;
}

}  // namespace involute::cli
