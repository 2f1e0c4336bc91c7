// The gear calculation over plausible gears: built as gear_calculation_bench
// on the correctly rounded functions and as gear_calculation_platform_bench
// on the platform's maths library (involute::maths_platform).
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "gear_values.h"

namespace {

using namespace involute;

// Plausible helical gears, drawn like bench/batch_bench.sh draws its table.
std::vector<calc::GearInputs> gears() {
    constexpr std::array<double, 12> kModules{0.8, 1, 1.25, 1.5, 2, 2.25, 2.5, 3, 4, 5, 6, 8};
    constexpr std::array<double, 4> kPressureAngles{14.5, 20, 22.5, 25};
    std::mt19937 random(42);
    std::vector<calc::GearInputs> table(4096);
    for (auto& gear : table) {
        const double m = kModules[random() % kModules.size()];
        const double z = 12.0 + static_cast<double>(random() % 140);
        const double beta = static_cast<double>(random() % 3500) / 100.0;
        const double d = m * z / std::cos(beta * 0.017453292519943295);
        gear = {{m, z, kPressureAngles[random() % 4], beta, d + 2 * m, d - m}};
    }
    return table;
}

void gearCalculation(benchmark::State& state) {
    static const std::vector<calc::GearInputs> table = gears();
    for (auto _ : state) {
        for (const auto& gear : table) {
            benchmark::DoNotOptimize(calc::gearValues(gear));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(table.size()));
}

BENCHMARK(gearCalculation);

}  // namespace

BENCHMARK_MAIN();
