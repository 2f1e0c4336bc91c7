// The rows `involute batch` writes: one per input record, in input order,
// as CSV or as JSON Lines.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/csv_reader.h"
#include "app/cli/table_layout.h"

namespace involute::cli {

enum class BatchFormat { csv, json };

// The encoding of a CSV output; JSON Lines are always UTF-8.
enum class OutputEncoding { utf8, utf8WithByteOrderMark, gb18030 };

// By default a CSV output is in the input's encoding family, so that it opens
// where the table came from: GB18030 for GB18030 (Chinese Excel's "CSV"), and
// UTF-8 with a byte order mark when the input had one. UTF-16 (Excel's
// "Unicode text") gives UTF-8 with a byte order mark, which Excel reads back
// as Unicode and every CSV tool reads too. Known once the header is read.
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
// holding an undecodable byte fails alone, with the byte shown as \xNN.
// Output goes to `out` in large blocks.
[[nodiscard]] BatchTally writeRows(CsvReader& reader, const TableLayout& layout, BatchFormat format,
                                   OutputEncoding encoding, std::ostream& out);

}  // namespace involute::cli
