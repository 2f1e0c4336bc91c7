#include "gear_values.h"

#include "gear_calculation.h"
#include "roll_angles.h"

namespace involute::calc {

GearValues gearValues(const std::array<double, 6>& inputs) {
    GearInputs gear;
    for (std::size_t i = 0; i < kInputsInReadingOrder.size(); ++i) {
        gear.set(kInputsInReadingOrder[i], inputs[i]);
    }
    const GearRun run = computeGear(gear);
    const ProfileAngles angles = profileAngles(run.results);
    const GearResults& r = run.results;
    return {r.d, r.db, r.betaB, r.pbn, r.gS, r.L, angles.alphaT, angles.xiS, angles.xiA};
}

}  // namespace involute::calc
