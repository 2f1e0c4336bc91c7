// What a batch row costs without any input or output: the calculation of one
// gear from its six texts and the formatting of its results, the floor that
// `involute batch` is measured against (bench/batch_bench.sh). Also the CSV
// reader alone, for telling the costs of a slow batch apart, and the reading
// of a very wide header.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "csv_reader.h"
#include "gear_calculation.h"
#include "gear_report.h"
#include "table_layout.h"

namespace {

using namespace involute;

// Gears that differ in every input, drawn like bench/batch_bench.sh draws its
// table, so that number reading and printing see varied digits and not a
// few texts the branch predictors learn by heart.
struct GearTexts {
    std::array<std::string, 6> texts;

    [[nodiscard]] std::array<std::string_view, 6> views() const {
        return {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
    }
};

std::vector<GearTexts> generatedGears(std::size_t count) {
    constexpr std::array<double, 12> kModules{0.8, 1, 1.25, 1.5, 2, 2.25, 2.5, 3, 4, 5, 6, 8};
    constexpr std::array<double, 4> kPressureAngles{14.5, 20, 22.5, 25};
    std::mt19937 random(42);
    std::vector<GearTexts> gears;
    for (std::size_t i = 0; i < count; ++i) {
        const double m = kModules[random() % kModules.size()];
        const int z = 12 + static_cast<int>(random() % 140);
        const double alphaN = kPressureAngles[random() % kPressureAngles.size()];
        const double beta = static_cast<double>(random() % 3500) / 100;
        // Tip and start circles between the base and the reference circle,
        // placed from the calculation's own d and db.
        const calc::GearRun circles =
            calc::computeGear({m, static_cast<double>(z), alphaN, beta, 0.0, 0.0});
        const double d = *circles.results.d;
        const double db = *circles.results.db;
        std::array<char, std::size_t{6} * 32> buffer{};
        GearTexts gear;
        const auto format = [&buffer](const char* pattern, auto value) {
            std::snprintf(buffer.data(), buffer.size(), pattern, value);
            return std::string(buffer.data());
        };
        gear.texts = {format("%g", m),    format("%d", z),           format("%g", alphaN),
                      format("%g", beta), format("%.4f", d + 2 * m), format("%.4f", (db + d) / 2)};
        gears.push_back(std::move(gear));
    }
    return gears;
}

const std::vector<GearTexts> kGears = generatedGears(4096);

void CalculationAndFormatting(benchmark::State& state) {
    std::string row;
    std::size_t next = 0;
    for (auto _ : state) {
        row.clear();
        const cli::GearReport report = cli::evaluateGear(kGears[next].views());
        cli::appendCsvResults(row, report);
        benchmark::DoNotOptimize(row.data());
        next = (next + 1) % kGears.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CalculationAndFormatting);

void CsvReading(benchmark::State& state) {
    std::string table;
    for (int i = 0; i < 100000; ++i) {
        for (std::size_t k = 0; k < 6; ++k) {
            table += kGears[static_cast<std::size_t>(i) % kGears.size()].texts[k];
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

// A header as wide as Excel's sheet (16,384 columns) and wider, every echoed
// column unnamed: each needs a name of its own (`_2`, `_3`, ...).
void WideHeaderLayout(benchmark::State& state) {
    const auto columns = static_cast<std::size_t>(state.range(0));
    std::vector<std::string_view> header{"m", "z", "alpha", "beta", "da", "ds"};
    header.resize(columns);
    for (auto _ : state) {
        const cli::TableLayoutReading reading = cli::layoutFromHeader(header);
        benchmark::DoNotOptimize(reading.layout.echoedNames.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(WideHeaderLayout)->Arg(16384)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
