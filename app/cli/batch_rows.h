// The rows `involute batch` writes: one per input record, in input order,
// as CSV or as JSON Lines.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "csv_reader.h"
#include "table_layout.h"

namespace involute::cli {

enum class BatchFormat { csv, json };

// The encoding of a CSV output; JSON Lines are always UTF-8.
enum class OutputEncoding { utf8, utf8WithByteOrderMark, gb18030 };

// By default a CSV output is GB18030 for GB18030 input (Chinese Excel's
// "CSV" opens where it came from) and UTF-8 with a byte order mark for all
// else: Chinese Excel reads a CSV without one in code page 936, and
// LibreOffice, pandas and Python's csv read the mark. Known once the header
// is read.
[[nodiscard]] OutputEncoding defaultOutputEncoding(const CsvReader& reader);

// The first field of the current record holding a byte that is not text in
// the input's encoding: its column (from 0), the line it is on and its value.
struct UndecodableField {
    std::size_t column;
    std::size_t line;
    unsigned char byte;
};
[[nodiscard]] std::optional<UndecodableField> undecodableField(const CsvReader& reader);

// What to say about it, naming the line, the column and the encoding.
[[nodiscard]] std::string undecodableProblem(const UndecodableField& found, TextEncoding encoding);

struct BatchTally {
    std::size_t rows = 0;
    std::size_t failedRows = 0;
    CsvReader::Status stop = CsvReader::Status::end;  // why the reading ended
    bool written = true;                              // false when the output failed
};

// Whether a record holds nothing but blanks; such lines are skipped.
[[nodiscard]] bool isBlankRecord(const CsvReader& reader);

// Writes the output header, then reads the records after the input header,
// computes each and writes its row, a CSV output in `encoding`. A record
// holding an undecodable byte fails alone, with the byte shown as \xNN, and
// so does one holding a character the output's encoding lacks, shown as
// \uXXXX (status unencodable_text).
// Output goes to `out` in large blocks, and whatever is written so far
// before the reading waits for the input.
// When `toTerminal`, the cells and names echoed show control characters
// escaped as messages do (\x1B), so a table cannot drive the terminal;
// files and pipes get the bytes as they are.
[[nodiscard]] BatchTally writeRows(CsvReader& reader, const TableLayout& layout, BatchFormat format,
                                   OutputEncoding encoding, std::ostream& out,
                                   bool toTerminal = false);

}  // namespace involute::cli
