// Builders for the faults of a run, with their messages to the user.
// Messages are simplified Chinese within GB2312.
#pragma once

#include <string_view>

#include "gear_calculation.h"

namespace involute::calc {

[[nodiscard]] GearFault overflowFault(Quantity quantity, InputField field, double fieldValue);
// `baseHelixDegrees` is where the arc sine of cos αn · sin β ends, ±90.
[[nodiscard]] GearFault baseHelixFault(double alphaNDegrees, double betaDegrees,
                                       double baseHelixDegrees);
[[nodiscard]] GearFault insideBaseCircleFault(InputField field, double diameter, double db);

}  // namespace involute::calc
