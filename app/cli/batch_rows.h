// The rows `involute batch` writes: one per input record, in input order,
// as CSV or as JSON Lines.
#pragma once

#include <cstddef>
#include <ostream>

#include "app/cli/csv_reader.h"
#include "app/cli/table_layout.h"

namespace involute::cli {

enum class BatchFormat { csv, json };

struct BatchTally {
    std::size_t rows = 0;
    std::size_t failedRows = 0;
    CsvReader::Status stop = CsvReader::Status::end;  // why the reading ended
    bool written = true;                              // false when the output failed
};

// Whether a record holds nothing but blanks; such lines are skipped.
[[nodiscard]] bool isBlankRecord(const CsvReader& reader);

// Writes the output header, then reads the records after the input header,
// computes each and writes its row. A CSV output starts with a byte order
// mark when the input did. Output goes to `out` in large blocks.
[[nodiscard]] BatchTally writeRows(CsvReader& reader, const TableLayout& layout, BatchFormat format,
                                   std::ostream& out);

}  // namespace involute::cli
