// The correctly rounded sine, cosine, tangent and arc tangent against the
// platform's, per call (gear_calculation_bench times the gear calculation on
// each).
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "exact_math.h"

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

BENCHMARK(perCall<maths::exactSin, gearAngles>)->Name("sin/exact/gear_angles");
BENCHMARK(perCall<platformSin, gearAngles>)->Name("sin/platform/gear_angles");
BENCHMARK(perCall<maths::exactSin, wideAngles>)->Name("sin/exact/wide_angles");
BENCHMARK(perCall<platformSin, wideAngles>)->Name("sin/platform/wide_angles");
BENCHMARK(perCall<maths::exactCos, gearAngles>)->Name("cos/exact/gear_angles");
BENCHMARK(perCall<platformCos, gearAngles>)->Name("cos/platform/gear_angles");
BENCHMARK(perCall<maths::exactCos, wideAngles>)->Name("cos/exact/wide_angles");
BENCHMARK(perCall<platformCos, wideAngles>)->Name("cos/platform/wide_angles");
BENCHMARK(perCall<maths::exactTan, gearAngles>)->Name("tan/exact/gear_angles");
BENCHMARK(perCall<platformTan, gearAngles>)->Name("tan/platform/gear_angles");
BENCHMARK(perCall<maths::exactTan, wideAngles>)->Name("tan/exact/wide_angles");
BENCHMARK(perCall<platformTan, wideAngles>)->Name("tan/platform/wide_angles");
BENCHMARK(perCall<maths::exactAtan, tangents>)->Name("atan/exact/tangents");
BENCHMARK(perCall<platformAtan, tangents>)->Name("atan/platform/tangents");

}  // namespace

BENCHMARK_MAIN();
