#include "calc/roll_angles.h"

#include <cmath>

#include "calc/angle_functions.h"
#include "calc/gear_faults.h"

namespace involute::calc {

namespace {

struct RollAngle {
    std::optional<double> degrees;
    bool overflow = false;
};

RollAngle rollAngle(double rollLength, double db) {
    if (db == 0.0) {
        return {};
    }
    const double degrees = ((2.0 * rollLength) / db) * radToDeg();
    if (!std::isfinite(degrees)) {
        return {std::nullopt, true};
    }
    return {degrees};
}

}  // namespace

ProfileAngles profileAngles(const GearInputs& inputs, const GearResults& results) {
    ProfileAngles angles;
    if (results.alphaT) {
        angles.alphaT = *results.alphaT * radToDeg();
    }
    if (!results.db || !results.gS || !results.L || results.branch == ProfileBranch::none) {
        return angles;
    }
    const RollAngle start = rollAngle(*results.gS, *results.db);
    if (start.overflow) {
        angles.fault = overflowFault(Quantity::xiS, InputField::startDiameter, inputs.dS);
        return angles;
    }
    angles.xiS = start.degrees;
    if (results.branch == ProfileBranch::startOnly) {
        return angles;
    }
    const double gA = *results.gS + *results.L;
    const RollAngle tip = rollAngle(gA, *results.db);
    if (tip.overflow) {
        angles.fault = overflowFault(Quantity::xiA, InputField::tipDiameter, inputs.da);
        return angles;
    }
    angles.xiA = tip.degrees;
    return angles;
}

}  // namespace involute::calc
