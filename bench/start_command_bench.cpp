// Cost of one Start command on a recording window, and of the calculation
// alone with and without its number text.
#include <benchmark/benchmark.h>

#include "fake_window.h"
#include "gear_calculation.h"
#include "gear_quantities.h"
#include "number_text.h"
#include "start_command.h"

namespace {

using namespace involute;

// The window's example gear, as read.
const calc::GearInputs kExampleInputs = calc::readInputs(calc::exampleTexts()).inputs;

void StartCommandOnFakeWindow(benchmark::State& state) {
    testing::FakeWindow window;
    for (auto _ : state) {
        calc::runStartCommand(window);
        window.clearOperations();
    }
}
BENCHMARK(StartCommandOnFakeWindow);

void CalculationFromTexts(benchmark::State& state) {
    const std::array<std::string_view, 6> texts = calc::exampleTexts();
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::computeGear(calc::readInputs(texts).inputs));
    }
}
BENCHMARK(CalculationFromTexts);

void CalculationAndResultText(benchmark::State& state) {
    for (auto _ : state) {
        const calc::GearRun run = calc::computeGear(kExampleInputs);
        for (const std::optional<double>& value : run.results.shown) {
            benchmark::DoNotOptimize(calc::textFromNumber(*value));
        }
    }
}
BENCHMARK(CalculationAndResultText);

void BareCalculation(benchmark::State& state) {
    calc::GearInputs inputs = kExampleInputs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(calc::computeGear(inputs));
    }
}
BENCHMARK(BareCalculation);

}  // namespace

BENCHMARK_MAIN();
