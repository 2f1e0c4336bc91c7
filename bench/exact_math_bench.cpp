// The correctly rounded sine, cosine, tangent and arc tangent against the
// platform's, per call, and the gear calculation on each.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "bench/gear_values.h"
#include "bench/platform_gear_values.h"
#include "calc/exact_math.h"

namespace {

using namespace involute;

double platformSin(double x) {
    return std::sin(x);
}
double platformCos(double x) {
    return std::cos(x);
}
double platformTan(double x) {
    return std::tan(x);
}
double platformAtan(double x) {
    return std::atan(x);
}

// 4096 arguments drawn uniformly from [low, high).
std::vector<double> arguments(double low, double high) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> draw(low, high);
    std::vector<double> values(4096);
    for (double& value : values) {
        value = draw(random);
    }
    return values;
}

// Angles as the calculation meets them (0 to 90 degrees in radians), wider
// ones that need a reduction, and tangents for the arc tangent.
const std::vector<double>& gearAngles() {
    static const std::vector<double> values = arguments(0.0, 1.5707963);
    return values;
}
const std::vector<double>& wideAngles() {
    static const std::vector<double> values = arguments(-300.0, 300.0);
    return values;
}
const std::vector<double>& tangents() {
    static const std::vector<double> values = arguments(-10.0, 10.0);
    return values;
}

template <double (*Function)(double), const std::vector<double>& (*Arguments)()>
void perCall(benchmark::State& state) {
    const std::vector<double>& values = Arguments();
    for (auto _ : state) {
        for (const double x : values) {
            benchmark::DoNotOptimize(Function(x));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

BENCHMARK(perCall<calc::exactSin, gearAngles>)->Name("sin/exact/gear_angles");
BENCHMARK(perCall<platformSin, gearAngles>)->Name("sin/platform/gear_angles");
BENCHMARK(perCall<calc::exactSin, wideAngles>)->Name("sin/exact/wide_angles");
BENCHMARK(perCall<platformSin, wideAngles>)->Name("sin/platform/wide_angles");
BENCHMARK(perCall<calc::exactCos, gearAngles>)->Name("cos/exact/gear_angles");
BENCHMARK(perCall<platformCos, gearAngles>)->Name("cos/platform/gear_angles");
BENCHMARK(perCall<calc::exactCos, wideAngles>)->Name("cos/exact/wide_angles");
BENCHMARK(perCall<platformCos, wideAngles>)->Name("cos/platform/wide_angles");
BENCHMARK(perCall<calc::exactTan, gearAngles>)->Name("tan/exact/gear_angles");
BENCHMARK(perCall<platformTan, gearAngles>)->Name("tan/platform/gear_angles");
BENCHMARK(perCall<calc::exactTan, wideAngles>)->Name("tan/exact/wide_angles");
BENCHMARK(perCall<platformTan, wideAngles>)->Name("tan/platform/wide_angles");
BENCHMARK(perCall<calc::exactAtan, tangents>)->Name("atan/exact/tangents");
BENCHMARK(perCall<platformAtan, tangents>)->Name("atan/platform/tangents");

// Plausible helical gears, drawn like bench/batch_bench.sh draws its table.
std::vector<std::array<double, 6>> gears() {
    constexpr std::array<double, 12> kModules{0.8, 1, 1.25, 1.5, 2, 2.25, 2.5, 3, 4, 5, 6, 8};
    constexpr std::array<double, 4> kPressureAngles{14.5, 20, 22.5, 25};
    std::mt19937 random(42);
    std::vector<std::array<double, 6>> table(4096);
    for (auto& gear : table) {
        const double m = kModules[random() % kModules.size()];
        const double z = 12.0 + static_cast<double>(random() % 140);
        const double beta = static_cast<double>(random() % 3500) / 100.0;
        const double d = m * z / std::cos(beta * 0.017453292519943295);
        gear = {m, z, kPressureAngles[random() % 4], beta, d + 2 * m, d - m};
    }
    return table;
}

template <calc::GearValues (*Calculate)(const std::array<double, 6>&)>
void gearCalculation(benchmark::State& state) {
    static const std::vector<std::array<double, 6>> table = gears();
    for (auto _ : state) {
        for (const auto& gear : table) {
            benchmark::DoNotOptimize(Calculate(gear));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(table.size()));
}

BENCHMARK(gearCalculation<calc::gearValues>)->Name("gear_calculation/exact");
BENCHMARK(gearCalculation<calc_platform::gearValues>)->Name("gear_calculation/platform");

}  // namespace

BENCHMARK_MAIN();
