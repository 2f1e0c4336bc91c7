// Cost of one Start command on a recording window, and of the calculation
// alone with and without its number text.
#include <benchmark/benchmark.h>

#include "fake_window.h"
#include "gear_calculation.h"
#include "gear_from_texts.h"
#include "number_text.h"
#include "start_command.h"

namespace {

using namespace involute;

void StartCommandOnFakeWindow(benchmark::State& state) {
    testing::FakeWindow window;
    for (auto _ : state) {
        calc::runStartCommand(window);
        window.clearOperations();
    }
}
BENCHMARK(StartCommandOnFakeWindow);

void CalculationFromTexts(benchmark::State& state) {
    const std::array<std::string_view, 6> texts{"2.25", "25", "20", "25", "65.7", "57.9"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::computeGearFromTexts(texts));
    }
}
BENCHMARK(CalculationFromTexts);

void CalculationAndResultText(benchmark::State& state) {
    const calc::GearInputs inputs{2.25, 25, 20, 25, 65.7, 57.9};
    for (auto _ : state) {
        const calc::GearRun run = calc::computeGear(inputs);
        for (const auto* value : {&run.results.d, &run.results.db, &run.results.betaB,
                                  &run.results.pbn, &run.results.gS, &run.results.L}) {
            benchmark::DoNotOptimize(calc::textFromNumber(**value));
        }
    }
}
BENCHMARK(CalculationAndResultText);

void BareCalculation(benchmark::State& state) {
    calc::GearInputs inputs{2.25, 25, 20, 25, 65.7, 57.9};
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(calc::computeGear(inputs));
    }
}
BENCHMARK(BareCalculation);

}  // namespace

BENCHMARK_MAIN();
