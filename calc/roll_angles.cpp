#include "roll_angles.h"

#include <cmath>

#include "angle_functions.h"

namespace involute::calc {

namespace {

// Absent without a base circle, and when the angle is too large for a
// double (a base circle below about 1e-305 against a roll length of a few
// millimetres): the six results stand without it.
std::optional<double> rollAngle(double rollLength, double db) {
    if (db == 0.0) {
        return std::nullopt;
    }
    const double degrees = ((2.0 * rollLength) / db) * radToDeg();
    if (!std::isfinite(degrees)) {
        return std::nullopt;
    }
    return degrees;
}

}  // namespace

ProfileAngles profileAngles(const GearResults& results) {
    ProfileAngles angles;
    if (results.alphaT) {
        angles.alphaT = *results.alphaT * radToDeg();
    }
    if (!results.db || !results.gS || results.branch == ProfileBranch::none) {
        return angles;
    }
    angles.xiS = rollAngle(*results.gS, *results.db);
    if (results.branch == ProfileBranch::startOnly || !results.gA) {
        return angles;
    }
    // From the tip circle's own roll length: gS + L rounds twice.
    angles.xiA = rollAngle(*results.gA, *results.db);
    return angles;
}

}  // namespace involute::calc
