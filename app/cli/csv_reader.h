// A streaming reader of CSV files (RFC 4180).
//
// Reads records ended by CRLF, LF or CR, fields in double quotes with doubled
// quotes inside and line breaks kept. The fields are separated by commas,
// tabs or semicolons, whichever the header line (the first that is not blank)
// uses most; Excel writes tabs in its "Unicode text" and semicolons where the
// decimal point is a comma. The text is read through DecodedInput, so the
// records are UTF-8 whatever the file's encoding, with undecodable bytes
// marked. It holds one record at a time in buffers
// it reuses, so memory stays the same however long the file is; a record is
// limited in size so that a quote left open cannot swallow the rest of a long
// file.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decoded_input.h"

namespace involute::cli {

class CsvReader {
  public:
    static constexpr std::size_t kDefaultMaxRecordBytes = std::size_t{1} << 20;

    explicit CsvReader(std::istream& input, std::size_t maxRecordBytes = kDefaultMaxRecordBytes,
                       std::optional<TextEncoding> encoding = std::nullopt,
                       InputArrival arrival = nullptr);

    enum class Status {
        record,     // a record was read
        end,        // no more records
        malformed,  // not CSV: see problem() and problemLine()
        readError,  // the input could not be read
    };

    // Reads the next record; an empty line is a record of one empty field.
    Status next();

    [[nodiscard]] std::size_t fieldCount() const { return fieldEnds_.size(); }
    [[nodiscard]] std::string_view field(std::size_t index) const;
    // The record's fields one after another, to search all of them at once.
    [[nodiscard]] std::string_view fieldsText() const { return text_; }
    // The line the last record starts on, counting from 1.
    [[nodiscard]] std::size_t recordLine() const { return recordLine_; }
    [[nodiscard]] bool hadByteOrderMark() const { return input_.hadByteOrderMark(); }
    [[nodiscard]] bool hasUtf32ByteOrderMark() const { return input_.hasUtf32ByteOrderMark(); }
    // The input's encoding, known once the first record has been read.
    [[nodiscard]] TextEncoding encoding() const { return input_.encoding(); }
    [[nodiscard]] char separator() const { return separator_; }
    // See DecodedInput::setBeforeWaiting.
    void setBeforeWaiting(std::function<void()> beforeWaiting) {
        input_.setBeforeWaiting(std::move(beforeWaiting));
    }

    // Why the input is not CSV, in Chinese, and the line where that shows.
    [[nodiscard]] const std::string& problem() const { return problem_; }
    [[nodiscard]] std::size_t problemLine() const { return problemLine_; }

  private:
    bool refill();
    Status malformed(std::size_t line, std::string problem);
    void endField() { fieldEnds_.push_back(text_.size()); }
    // Ends the record at a line break; a CR may be followed by the LF of CRLF.
    Status endRecord(char lineBreak) {
        skipLineFeed_ = lineBreak == '\r';
        ++line_;
        endField();
        return Status::record;
    }

    DecodedInput input_;
    std::size_t maxRecordBytes_;
    std::string chunk_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    char separator_ = ',';
    bool started_ = false;
    bool finished_ = false;
    bool skipLineFeed_ = false;  // the last record ended in CR: a LF next belongs to it

    std::string text_;                    // the fields of the record, one after another
    std::vector<std::size_t> fieldEnds_;  // where each field ends in text_
    std::size_t line_ = 1;
    std::size_t recordLine_ = 0;
    std::string problem_;
    std::size_t problemLine_ = 0;
};

}  // namespace involute::cli
