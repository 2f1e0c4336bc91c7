// The random gears gear_digits_change compares the two maths libraries on,
// drawn alike by it and by the platform's side (platform_gear_values.cpp).
#pragma once

#include <random>

#include "gear_calculation.h"

namespace involute::calc {

// Half plausible helical gears (as bench/batch_bench.sh draws them), half
// from wider ranges: `plausible` chooses.
[[nodiscard]] GearInputs randomGear(std::mt19937_64& random, bool plausible);

// The generator both sides start from.
inline constexpr std::mt19937_64::result_type kRandomGearSeed = 2024;

}  // namespace involute::calc
