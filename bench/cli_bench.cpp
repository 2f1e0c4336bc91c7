// What a batch row costs without any input or output: the calculation of one
// gear from its six texts and the formatting of its results, the floor that
// `involute batch` is measured against (bench/batch_bench.sh). Also the CSV
// reader alone, for telling the costs of a slow batch apart.
#include <benchmark/benchmark.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/csv_reader.h"
#include "app/cli/gear_report.h"

namespace {

using namespace involute;

// A few gears that differ in every input, as a generated table would.
const std::vector<std::array<std::string_view, 6>> kRows{
    {"2.25", "25", "20", "25", "65.7", "57.9"}, {"1.5", "31", "20", "15", "51.1", "45.6"},
    {"4", "57", "20", "0", "236", "219.3"},     {"0.8", "113", "14.5", "30", "106", "104.6"},
    {"5", "31", "25", "12", "170", "150.5"},    {"3", "18", "20", "8.5", "60.6", "52.2"},
    {"2", "20", "20", "0", "44", "38"},         {"6", "44", "22.5", "21", "295.4", "271.8"},
};

void CalculationAndFormatting(benchmark::State& state) {
    std::string row;
    std::size_t next = 0;
    for (auto _ : state) {
        row.clear();
        const cli::GearReport report = cli::evaluateGear(kRows[next]);
        cli::appendCsvResults(row, report);
        benchmark::DoNotOptimize(row.data());
        next = (next + 1) % kRows.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CalculationAndFormatting);

void CsvReading(benchmark::State& state) {
    std::string table;
    for (int i = 0; i < 100000; ++i) {
        for (std::size_t k = 0; k < 6; ++k) {
            table += kRows[i % kRows.size()][k];
            table += k < 5 ? "," : "\r\n";
        }
    }
    for (auto _ : state) {
        std::istringstream input(table);
        cli::CsvReader reader(input);
        std::size_t fields = 0;
        while (reader.next() == cli::CsvReader::Status::record) {
            fields += reader.fieldCount();
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(CsvReading)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
