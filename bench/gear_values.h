// The nine values `involute calc` prints for a gear (d, db, βb, pbn, gS, L,
// αt, ξs, ξa), empty where the calculation stops with a fault.
//
// bench/CMakeLists.txt compiles gear_values.cpp twice: in involute::calc on
// the correctly rounded functions, and in involute::calc_platform on the
// platform's maths library (platform_gear_values.h), so one program can
// compare the two.
#pragma once

#include <array>
#include <optional>

namespace involute::calc {

using GearValues = std::array<std::optional<double>, 9>;

// Inputs in reading order: m, z, αn, β, da, dS.
[[nodiscard]] GearValues gearValues(const std::array<double, 6>& inputs);

}  // namespace involute::calc
