// `involute batch` rows.
//
// Streams: one record is read, computed and appended to an output block at a
// time, and the block goes to the stream when it is full, so memory does not
// grow with the table and rows leave in input order.
#include "batch_rows.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "csv_writer.h"
#include "gear_quantities.h"
#include "gear_report.h"
#include "json_writer.h"
#include "printable_text.h"
#include "text_encoding.h"
#include "utf8.h"

namespace involute::cli {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
constexpr std::string_view kWrongFieldCount = "wrong_field_count";
constexpr std::string_view kUndecodableText = "undecodable_text";
constexpr std::string_view kUnencodableText = "unencodable_text";
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

std::string byteInHex(unsigned char byte) {
    return "0x" + utf8::hexDigits(byte);
}

// A code point's hexadecimal digits, at least four, as U+XXXX shows them.
std::string codePointDigits(char32_t codePoint) {
    std::string digits;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const auto byte =
            static_cast<unsigned char>((codePoint >> static_cast<unsigned>(shift)) & 0xFFU);
        if (shift < 16 || byte != 0) {
            digits += utf8::hexDigits(byte);
        }
    }
    return digits;
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
// the output's encoding a row at a time, so that a row holding a character
// the encoding lacks can fail alone.
class BlockWriter {
  public:
    BlockWriter(std::ostream& out, OutputEncoding encoding) : out_(out) {
        block_.reserve(2 * kBlockBytes);
        if (encoding == OutputEncoding::gb18030) {
            encoder_ = std::make_unique<platform::TextConverter>(TextEncoding::utf8,
                                                                 TextEncoding::gb18030);
        } else if (encoding == OutputEncoding::utf8WithByteOrderMark) {
            block_ += kByteOrderMark;
        }
    }

    // Appends `text` (UTF-8) in the output's encoding; false, with nothing
    // appended, when a character of it has no form there. glibc's GB18030
    // lacks some private-use characters.
    bool append(std::string_view text) {
        if (!encoder_) {
            block_ += text;
            return true;
        }
        const std::size_t start = block_.size();
        for (;;) {
            const std::size_t euro = text.find(platform::kEuroSign);
            const std::string_view piece = text.substr(0, euro);
            if (encoder_->convert(piece, block_).converted != piece.size()) {
                block_.resize(start);
                return false;
            }
            if (euro == std::string_view::npos) {
                return true;
            }
            block_ += platform::kGbkEuroByte;
            text.remove_prefix(euro + platform::kEuroSign.size());
        }
    }

    // `text` with each character the output's encoding lacks written as
    // \uXXXX, and the first such character.
    std::string encodable(std::string_view text, std::optional<char32_t>& firstLacking) {
        std::string shown;
        for (std::size_t at = 0; at < text.size();) {
            const utf8::Character character = utf8::firstCharacter(text.substr(at));
            const std::string_view bytes = text.substr(at, character.length);
            at += character.length;
            probe_.clear();
            if (!encoder_ || character.codePoint < 0x80 ||
                encoder_->convert(bytes, probe_).converted == bytes.size()) {
                shown += bytes;
                continue;
            }
            firstLacking = firstLacking.value_or(character.codePoint);
            shown += "\\u" + codePointDigits(character.codePoint);
        }
        return shown;
    }

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
    std::unique_ptr<platform::TextConverter> encoder_;  // none for UTF-8
    std::string block_;
    std::string probe_;
};

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
    return reader.encoding() == TextEncoding::gb18030 ? OutputEncoding::gb18030
                                                      : OutputEncoding::utf8WithByteOrderMark;
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

// The cell whose text `writer` cannot encode, as the outcome of its row; the
// cells and the message as the output can hold them.
RowOutcome unencodableOutcome(BlockWriter& writer, const TableLayout& layout, std::size_t line,
                              std::vector<std::string_view>& cells,
                              std::vector<std::string>& shownCells, std::string& problem) {
    std::optional<char32_t> lacking;
    std::optional<std::string_view> field;
    shownCells.clear();
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const bool found = lacking.has_value();
        shownCells.push_back(writer.encodable(cells[column], lacking));
        for (std::size_t i = 0; i < layout.inputColumns.size() && !found && lacking; ++i) {
            if (layout.inputColumns[i] == column) {
                field = calc::kInputRows[i].key;
            }
        }
    }
    cells.assign(shownCells.begin(), shownCells.end());
    problem = "第 " + std::to_string(line) + " 行的字符 U+" + codePointDigits(lacking.value_or(0)) +
              " 无法写成 GB18030 编码，在这一行中写作 \\u" + codePointDigits(lacking.value_or(0));
    return {kUnencodableText, field, problem};
}

BatchTally writeRows(CsvReader& reader, const TableLayout& layout, BatchFormat format,
                     OutputEncoding encoding, std::ostream& out, bool toTerminal) {
    BatchTally tally;
    BlockWriter writer(out, format == BatchFormat::csv ? encoding : OutputEncoding::utf8);
    // The rows computed so far go out before the reading waits for more, so
    // that a table piped in row by row is answered row by row. A failed
    // write shows in the stream's state, which the next write reports.
    reader.setBeforeWaiting([&writer] { static_cast<void>(writer.finish()); });
    TableLayout shownLayout = layout;
    if (toTerminal) {
        for (std::string& name : shownLayout.echoedNames) {
            name = utf8::printableText(name);
        }
    }
    const RowWriter rows(format, shownLayout);
    std::string row;
    rows.appendHeader(row);
    std::optional<char32_t> lackingInHeader;
    tally.written = writer.append(writer.encodable(row, lackingInHeader));

    std::string problem;
    std::array<std::string_view, 6> texts;
    std::vector<std::string_view> cells;
    std::vector<std::string> shownCells;
    std::vector<std::string> terminalCells;
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
        if (toTerminal) {
            terminalCells.clear();
            for (const std::string_view cell : cells) {
                terminalCells.push_back(utf8::printableText(cell));
            }
            cells.assign(terminalCells.begin(), terminalCells.end());
        }
        row.clear();
        rows.appendRow(row, reader.recordLine(), cells, report, outcome);
        if (!writer.append(row)) {
            outcome =
                unencodableOutcome(writer, layout, reader.recordLine(), cells, shownCells, problem);
            report = {};
            row.clear();
            rows.appendRow(row, reader.recordLine(), cells, report, outcome);
            // Every character left has a form in the encoding.
            tally.written = writer.append(row);
        }
        if (outcome.status != "ok") {
            ++tally.failedRows;
        }
        tally.written = tally.written && writer.pass();
    }
    reader.setBeforeWaiting({});
    tally.written = tally.written && writer.finish();
    return tally;
}

}  // namespace involute::cli
