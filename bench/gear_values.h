// The nine values `involute calc` prints for a gear (d, db, βb, pbn, gS, L,
// αt, ξs, ξa), empty where the calculation stops with a fault.
// On the correctly rounded functions, or on the platform's maths library in
// a program that links involute::maths_platform.
#pragma once

#include "gear_calculation.h"

namespace involute::calc {

using GearValues = QuantityValues;

[[nodiscard]] GearValues gearValues(const GearInputs& inputs);

}  // namespace involute::calc
