// The calculation on six field texts, for the tests, the benchmark and the
// fuzz targets, which check the window and the command line against it.
#pragma once

#include <array>
#include <string_view>

#include "gear_calculation.h"

namespace involute::calc {

// Reads the six texts in reading order, stopping at the first that is not a
// number, then computes.
[[nodiscard]] GearRun computeGearFromTexts(const std::array<std::string_view, 6>& texts);

}  // namespace involute::calc
