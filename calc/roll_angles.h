// Angles a profile tester is set up with, derived once from a run's results.
//
// Testers that roll the flank along the base circle are set up in roll
// angles: ξ = 2·g / db, the arc the base circle turns while the base tangent
// rolls the length g, here in degrees. g is the setting distance gS at the
// start circle and gA = gS + L at the tip circle.
#pragma once

#include <optional>

#include "gear_calculation.h"

namespace involute::calc {

struct ProfileAngles {
    std::optional<double> alphaT;  // transverse pressure angle, degrees
    std::optional<double> xiS;     // roll angle at the start circle, degrees
    std::optional<double> xiA;     // roll angle at the tip circle, degrees
};

// The angles of a run that succeeded. A roll angle is absent when its roll
// length was not taken (start or tip diameter 0: the window shows "0" there),
// when the base circle has no size (db = 0), as no involute exists then, and
// when it is too large for a double: the six results of the run are the
// contract, and an angle derived from them never fails the run.
[[nodiscard]] ProfileAngles profileAngles(const GearResults& results);

}  // namespace involute::calc
