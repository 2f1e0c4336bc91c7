// The CSV reader and writer on their own: RFC 4180 and the forms files take.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "csv_reader.h"
#include "csv_writer.h"

namespace involute::cli {
namespace {

struct Record {
    std::size_t line;
    std::vector<std::string> fields;

    bool operator==(const Record&) const = default;
};

void PrintTo(const Record& record, std::ostream* os) {
    *os << "line " << record.line << ":";
    for (const std::string& field : record.fields) {
        *os << " [" << field << "]";
    }
}

struct Reading {
    std::vector<Record> records;
    CsvReader::Status last = CsvReader::Status::end;
    std::string problem;
    std::size_t problemLine = 0;
    bool byteOrderMark = false;
};

Reading readAll(const std::string& bytes,
                std::size_t maxRecordBytes = CsvReader::kDefaultMaxRecordBytes) {
    std::istringstream input(bytes);
    CsvReader reader(input, maxRecordBytes);
    Reading reading;
    while ((reading.last = reader.next()) == CsvReader::Status::record) {
        Record record{reader.recordLine(), {}};
        for (std::size_t i = 0; i < reader.fieldCount(); ++i) {
            record.fields.emplace_back(reader.field(i));
        }
        reading.records.push_back(std::move(record));
    }
    reading.problem = reader.problem();
    reading.problemLine = reader.problemLine();
    reading.byteOrderMark = reader.hadByteOrderMark();
    return reading;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<Record> records;
};

void PrintTo(const ReadCase& row, std::ostream* os) {
    *os << row.name;
}

class CsvRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CsvRead, Records) {
    const Reading reading = readAll(GetParam().bytes);
    EXPECT_EQ(reading.last, CsvReader::Status::end) << reading.problem;
    EXPECT_EQ(reading.records, GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvRead,
    ::testing::Values(
        ReadCase{"Nothing", "", {}},
        ReadCase{"LineFeeds", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"CrLf", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"CarriageReturnsAlone", "a,b\rc,d\r", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"NoFinalLineEnd", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"EmptyFields", ",a,,\n", {{1, {"", "a", "", ""}}}},
        ReadCase{"EmptyLineIsOneEmptyField", "a\n\nb\n", {{1, {"a"}}, {2, {""}}, {3, {"b"}}}},
        ReadCase{
            "QuotedFields", "\"a,b\",\"say \"\"hi\"\"\",\"\"\n", {{1, {"a,b", "say \"hi\"", ""}}}},
        ReadCase{"LineBreaksInsideQuotes",
                 "\"one\r\ntwo\",x\n\"three\nfour\"\nlast\n",
                 {{1, {"one\r\ntwo", "x"}}, {3, {"three\nfour"}}, {5, {"last"}}}},
        ReadCase{"CarriageReturnsAloneInsideQuotes",
                 "a\r\"one\rtwo\rthree\",x\r\"\r\n\",\"\n\"\rlast\r",
                 {{1, {"a"}}, {2, {"one\rtwo\rthree", "x"}}, {5, {"\r\n", "\n"}}, {8, {"last"}}}},
        ReadCase{"BlanksAreKept", " a , b \n", {{1, {" a ", " b "}}}},
        ReadCase{"ByteOrderMarkIsSkipped", "\xEF\xBB\xBFm,z\n", {{1, {"m", "z"}}}},
        ReadCase{"ByteOrderMarkOnlyAtTheStart",
                 "a\n\xEF\xBB\xBF"
                 "b\n",
                 {{1, {"a"}},
                  {2,
                   {"\xEF\xBB\xBF"
                    "b"}}}},
        ReadCase{"Utf8Untouched", "模数,２．２５\n", {{1, {"模数", "２．２５"}}}}),
    [](const auto& row) { return row.param.name; });

TEST(CsvRead, TellsWhetherTheFileHadAByteOrderMark) {
    EXPECT_TRUE(readAll("\xEF\xBB\xBFm\n").byteOrderMark);
    EXPECT_FALSE(readAll("m\n").byteOrderMark);
    EXPECT_FALSE(readAll("\xEF\xBB").byteOrderMark);
}

struct MalformedCase {
    const char* name;
    std::string bytes;
    std::size_t recordsBefore;
    std::size_t line;
    std::string problem;
};

void PrintTo(const MalformedCase& row, std::ostream* os) {
    *os << row.name;
}

class CsvMalformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(CsvMalformed, StopsWithTheLine) {
    const Reading reading = readAll(GetParam().bytes);
    EXPECT_EQ(reading.last, CsvReader::Status::malformed);
    EXPECT_EQ(reading.records.size(), GetParam().recordsBefore);
    EXPECT_EQ(reading.problemLine, GetParam().line);
    EXPECT_EQ(reading.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvMalformed,
    ::testing::Values(MalformedCase{"UnterminatedQuoteNamesWhereItOpened", "a\nb,\"c\nd\ne\n", 1, 2,
                                    "引号没有闭合"},
                      MalformedCase{
                          "QuoteInsideUnquotedField", "a\nb\nc\"d\n", 2, 3,
                          "字段中间出现引号（含引号的字段须整个放在引号内，内部的引号写两次）"},
                      MalformedCase{"TextAfterClosingQuote", "\"a\nb\"c\n", 0, 2,
                                    "引号后紧跟着其他字符（字段须在引号处结束）"}),
    [](const auto& row) { return row.param.name; });

TEST(CsvRead, RecordsCrossReadBlocks) {
    // Line ends and quoted fields at every offset around the 64 KiB block edge.
    std::string bytes;
    std::vector<Record> expected;
    std::size_t line = 1;
    for (int i = 0; bytes.size() < std::size_t{3} * 65536; ++i) {
        const std::string field = std::string(static_cast<std::size_t>(i % 13), 'x');
        bytes += field + ",\"q\"\"" + field + "\r\n\"\r\n";
        expected.push_back({line, {field, "q\"" + field + "\r\n"}});
        line += 2;
    }
    const Reading reading = readAll(bytes);
    EXPECT_EQ(reading.last, CsvReader::Status::end);
    EXPECT_EQ(reading.records, expected);
}

// Exactly the limit: a record of it is read, one byte more is not, wherever
// the reader's pieces of the input end.
TEST(CsvRead, RecordLimitIsExact) {
    constexpr std::size_t kLimit = 100000;
    const std::string fits = std::string(kLimit - 2, 'x') + ",y\n";
    EXPECT_EQ(readAll(fits, kLimit).last, CsvReader::Status::end);
    const Reading longer = readAll("z" + fits, kLimit);
    EXPECT_EQ(longer.last, CsvReader::Status::malformed);
    EXPECT_EQ(longer.problem, "记录超过 97 KiB");
}

TEST(CsvRead, AnOpenQuoteCannotSwallowALongFile) {
    std::string bytes = "a\n\"";
    bytes.append(300000, 'x');
    const Reading reading = readAll(bytes, 100000);
    EXPECT_EQ(reading.last, CsvReader::Status::malformed);
    EXPECT_EQ(reading.problemLine, 2u);
    EXPECT_EQ(reading.problem, "记录超过 97 KiB，可能是引号没有闭合");
}

struct WriteCase {
    const char* name;
    std::string field;
    std::string written;
};

void PrintTo(const WriteCase& row, std::ostream* os) {
    *os << row.name;
}

class CsvWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(CsvWrite, QuotesOnlyWhenNeededAndReadsBack) {
    std::string out;
    appendCsvField(out, GetParam().field);
    EXPECT_EQ(out, GetParam().written);

    const Reading reading = readAll(out + kCsvRecordEnd.data());
    ASSERT_EQ(reading.records.size(), 1u);
    EXPECT_EQ(reading.records[0].fields, std::vector<std::string>{GetParam().field});
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvWrite,
                         ::testing::Values(WriteCase{"Plain", "2.25", "2.25"},
                                           WriteCase{"Chinese", "模数 “x”", "模数 “x”"},
                                           WriteCase{"Blanks", " a b ", " a b "},
                                           WriteCase{"Comma", "2,25", "\"2,25\""},
                                           WriteCase{"Quote", "B \"2\"", "\"B \"\"2\"\"\""},
                                           WriteCase{"LineBreaks", "a\r\nb\nc", "\"a\r\nb\nc\""}),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute::cli
