// `involute batch` rows.
//
// Streams: one record is read, computed and appended to an output block at a
// time, and the block goes to the stream when it is full, so memory does not
// grow with the table and rows leave in input order.
#include "app/cli/batch_rows.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/cli/csv_writer.h"
#include "app/cli/gear_report.h"
#include "app/cli/json_writer.h"
#include "app/platform/text_encoding.h"
#include "calc/gear_quantities.h"
#include "utf8/printable_text.h"

namespace involute::cli {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
constexpr std::string_view kWrongFieldCount = "wrong_field_count";
constexpr std::string_view kUndecodableText = "undecodable_text";
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

    void appendRow(std::string& out, std::size_t line, std::span<const std::string_view> cells,
                   const GearReport& report, const RowOutcome& outcome) const {
        const auto cell = [cells](std::size_t column) {
            return column < cells.size() ? cells[column] : std::string_view{};
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

// Collects output and hands it to the stream in large blocks, converted to
// the output's encoding.
class BlockWriter {
  public:
    BlockWriter(std::ostream& out, OutputEncoding encoding) : out_(out) {
        block_.reserve(2 * kBlockBytes);
        if (encoding == OutputEncoding::gb18030) {
            encoder_ = std::make_unique<platform::TextConverter>(TextEncoding::utf8,
                                                                 TextEncoding::gb18030);
            encoded_.reserve(2 * kBlockBytes);
        } else if (encoding == OutputEncoding::utf8WithByteOrderMark) {
            block_ += kByteOrderMark;
        }
    }

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
        std::string_view bytes = block_;
        if (encoder_) {
            // Every row is UTF-8 and GB18030 holds all of Unicode, so the
            // whole block converts.
            encoded_.clear();
            if (encoder_->convert(block_, encoded_).converted != block_.size()) {
                return false;
            }
            bytes = encoded_;
        }
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        block_.clear();
        return static_cast<bool>(out_);
    }

    std::ostream& out_;
    std::unique_ptr<platform::TextConverter> encoder_;  // none for UTF-8
    std::string block_;
    std::string encoded_;
};

std::string byteInHex(unsigned char byte) {
    return "0x" + utf8::hexDigits(byte);
}

// Line breaks in a field's text before `end`: CRLF, LF and CR each count once.
std::size_t lineBreaks(std::string_view text) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        breaks +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
                ? 1
                : 0;
    }
    return breaks;
}

}  // namespace

bool isBlankRecord(const CsvReader& reader) {
    for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
        if (!isBlank(reader.field(i))) {
            return false;
        }
    }
    return true;
}

OutputEncoding defaultOutputEncoding(const CsvReader& reader) {
    switch (reader.encoding()) {
        case TextEncoding::gb18030:
            return OutputEncoding::gb18030;
        case TextEncoding::utf16le:
        case TextEncoding::utf16be:
            return OutputEncoding::utf8WithByteOrderMark;
        case TextEncoding::utf8:
            break;
    }
    return reader.hadByteOrderMark() ? OutputEncoding::utf8WithByteOrderMark : OutputEncoding::utf8;
}

std::optional<UndecodableField> undecodableField(const CsvReader& reader) {
    if (reader.fieldsText().find(kUndecodableMark) == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t line = reader.recordLine();
    for (std::size_t column = 0; column < reader.fieldCount(); ++column) {
        const std::string_view text = reader.field(column);
        if (const std::optional<UndecodableByte> found = firstUndecodable(text)) {
            return UndecodableField{column, line + lineBreaks(text.substr(0, found->position)),
                                    found->value};
        }
        line += lineBreaks(text);
    }
    return std::nullopt;
}

std::string undecodableProblem(const UndecodableField& found, TextEncoding encoding) {
    std::string name(encodingName(encoding));
    for (char& c : name) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return "第 " + std::to_string(found.line) + " 行第 " + std::to_string(found.column + 1) +
           " 列的字节 " + byteInHex(found.byte) + " 不是 " + name + " 编码的文字";
}

BatchTally writeRows(CsvReader& reader, const TableLayout& layout, BatchFormat format,
                     OutputEncoding encoding, std::ostream& out) {
    BatchTally tally;
    BlockWriter writer(out, format == BatchFormat::csv ? encoding : OutputEncoding::utf8);
    const RowWriter rows(format, layout);
    rows.appendHeader(writer.block());

    std::string problem;
    std::array<std::string_view, 6> texts;
    std::vector<std::string_view> cells;
    std::vector<std::string> shownCells;
    while (tally.written && (tally.stop = reader.next()) == CsvReader::Status::record) {
        if (isBlankRecord(reader)) {
            continue;
        }
        ++tally.rows;
        cells.clear();
        for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
            cells.push_back(reader.field(i));
        }
        GearReport report;
        RowOutcome outcome{"ok", std::nullopt, {}};
        if (const std::optional<UndecodableField> found = undecodableField(reader)) {
            problem = undecodableProblem(*found, reader.encoding());
            std::optional<std::string_view> field;
            for (std::size_t i = 0; i < layout.inputColumns.size(); ++i) {
                if (layout.inputColumns[i] == found->column) {
                    field = calc::kInputRows[i].key;
                }
            }
            outcome = {kUndecodableText, field, problem};
            shownCells.clear();
            for (const std::string_view cell : cells) {
                shownCells.push_back(withUndecodableShown(cell));
            }
            cells.assign(shownCells.begin(), shownCells.end());
        } else if (reader.fieldCount() != layout.columnCount) {
            problem = "该行有 " + std::to_string(reader.fieldCount()) + " 个字段，表头有 " +
                      std::to_string(layout.columnCount) + " 个";
            outcome = {kWrongFieldCount, std::nullopt, problem};
        } else {
            for (std::size_t i = 0; i < texts.size(); ++i) {
                texts[i] = cells[layout.inputColumns[i]];
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
        rows.appendRow(writer.block(), reader.recordLine(), cells, report, outcome);
        tally.written = writer.pass();
    }
    tally.written = tally.written && writer.finish();
    return tally;
}

}  // namespace involute::cli
