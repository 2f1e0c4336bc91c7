#include "csv_reader.h"

#include <algorithm>
#include <array>
#include <optional>

namespace involute::cli {

namespace {

constexpr std::string_view kSeparators = ",\t;";

// The separator the header line uses most, outside quotes; a comma when it
// uses none, or as many commas as any other. Lines of nothing but blanks and
// separators before it are skipped, as the header is. Nothing while the
// header line has not ended within `text`.
std::optional<char> separatorOf(std::string_view text) {
    std::array<std::size_t, kSeparators.size()> counts{};
    bool quoted = false;
    bool content = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            content = true;
        } else if (quoted) {
            continue;
        } else if (c == '\n' || c == '\r') {
            if (content) {
                const auto most = std::max_element(counts.begin(), counts.end());
                return kSeparators[static_cast<std::size_t>(most - counts.begin())];
            }
            counts = {};
        } else if (const std::size_t which = kSeparators.find(c); which != std::string_view::npos) {
            ++counts[which];
        } else if (c != ' ') {
            content = true;
        }
    }
    return std::nullopt;
}

// The separator of a header line that the input's end cut short.
char separatorOfLastLine(std::string text) {
    text += '\n';
    return separatorOf(text).value_or(',');
}

enum class State {
    fieldStart,     // nothing of the field read yet
    unquoted,       // inside a field without quotes
    quoted,         // inside a quoted field
    quoteInQuoted,  // a quote inside a quoted field: its end, or the first of a doubled quote
};

}  // namespace

CsvReader::CsvReader(std::istream& input, std::size_t maxRecordBytes,
                     std::optional<TextEncoding> encoding, InputArrival arrival)
    : input_(input, encoding, arrival), maxRecordBytes_(maxRecordBytes) {}

std::string_view CsvReader::field(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : fieldEnds_[index - 1];
    return std::string_view(text_).substr(begin, fieldEnds_[index] - begin);
}

bool CsvReader::refill() {
    pos_ = 0;
    end_ = 0;
    if (!input_.read(chunk_)) {
        return false;
    }
    if (!started_) {
        // The header line may come in pieces, from a pipe: it is read whole
        // (up to the record limit) before its separators are counted.
        started_ = true;
        std::optional<char> separator;
        std::string piece;
        while (!(separator = separatorOf(chunk_)) && chunk_.size() <= maxRecordBytes_ &&
               input_.read(piece)) {
            chunk_ += piece;
        }
        separator_ = separator ? *separator : separatorOfLastLine(chunk_);
    }
    end_ = chunk_.size();
    return true;
}

CsvReader::Status CsvReader::malformed(std::size_t line, std::string problem) {
    finished_ = true;
    problem_ = std::move(problem);
    problemLine_ = line;
    return Status::malformed;
}

CsvReader::Status CsvReader::next() {
    text_.clear();
    fieldEnds_.clear();
    if (finished_) {
        return Status::end;
    }
    recordLine_ = line_;
    State state = State::fieldStart;
    std::size_t quoteLine = 0;  // where the open quoted field began
    bool sawAnything = false;

    // The limit holds to the byte, whichever piece of the input the record
    // grows in.
    const auto tooLong = [&] { return text_.size() + fieldEnds_.size() > maxRecordBytes_; };
    const auto refuseTooLong = [&] {
        return malformed(recordLine_, "记录超过 " + std::to_string(maxRecordBytes_ >> 10) + " KiB" +
                                          (state == State::quoted ? "，可能是引号没有闭合" : ""));
    };
    for (;;) {
        if (tooLong()) {
            return refuseTooLong();
        }
        if (pos_ == end_) {
            if (!refill()) {
                finished_ = true;
                if (input_.readFailed()) {
                    return Status::readError;
                }
                if (state == State::quoted) {
                    return malformed(quoteLine, "引号没有闭合");
                }
                if (!sawAnything) {
                    return Status::end;
                }
                endField();
                return Status::record;
            }
        }

        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (chunk_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        sawAnything = true;

        if (state == State::unquoted || state == State::quoted) {
            // Take the plain run up to the next byte that matters at once.
            const char* begin = chunk_.data() + pos_;
            const char* stop = chunk_.data() + end_;
            const char separator = separator_;
            const char* special =
                state == State::unquoted
                    ? std::find_if(begin, stop,
                                   [separator](char c) {
                                       return c == separator || c == '\n' || c == '\r' || c == '"';
                                   })
                    : std::find_if(begin, stop,
                                   [](char c) { return c == '"' || c == '\n' || c == '\r'; });
            text_.append(begin, special);
            pos_ += static_cast<std::size_t>(special - begin);
            if (tooLong()) {
                return refuseTooLong();
            }
            if (special == stop) {
                continue;
            }
        }

        const char c = chunk_[pos_++];
        switch (state) {
            case State::fieldStart:
            case State::unquoted:
                if (c == separator_) {
                    endField();
                    state = State::fieldStart;
                } else if (c == '\n' || c == '\r') {
                    return endRecord(c);
                } else if (c == '"') {
                    if (state == State::unquoted) {
                        return malformed(line_,
                                         "字段中间出现引号（含引号的字段须整个放在引号内，"
                                         "内部的引号写两次）");
                    }
                    quoteLine = line_;
                    state = State::quoted;
                } else {
                    text_ += c;
                    state = State::unquoted;
                }
                break;
            case State::quoted:
                if (c == '"') {
                    state = State::quoteInQuoted;
                } else {
                    // A line break kept inside the field: CR, LF, or the LF
                    // of a CRLF, which counts with its CR.
                    const std::size_t fieldStart = fieldEnds_.empty() ? 0 : fieldEnds_.back();
                    if (c == '\r' || text_.size() == fieldStart || text_.back() != '\r') {
                        ++line_;
                    }
                    text_ += c;
                }
                break;
            case State::quoteInQuoted:
                if (c == '"') {
                    text_ += '"';
                    state = State::quoted;
                } else if (c == separator_) {
                    endField();
                    state = State::fieldStart;
                } else if (c == '\n' || c == '\r') {
                    return endRecord(c);
                } else {
                    return malformed(line_, "引号后紧跟着其他字符（字段须在引号处结束）");
                }
                break;
        }
    }
}

}  // namespace involute::cli
