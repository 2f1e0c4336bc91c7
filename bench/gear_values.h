// The nine values `involute calc` prints for a gear (d, db, βb, pbn, gS, L,
// αt, ξs, ξa), empty where the calculation stops with a fault.
// On the correctly rounded functions, or on the platform's maths library in
// a program that links involute::maths_platform.
#pragma once

#include <array>
#include <optional>

namespace involute::calc {

using GearValues = std::array<std::optional<double>, 9>;

// Inputs in reading order: m, z, αn, β, da, dS.
[[nodiscard]] GearValues gearValues(const std::array<double, 6>& inputs);

}  // namespace involute::calc
