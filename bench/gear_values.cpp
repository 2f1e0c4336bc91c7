#include "gear_values.h"

#include "gear_calculation.h"
#include "roll_angles.h"

namespace involute::calc {

GearValues gearValues(const GearInputs& inputs) {
    return quantityValues(computeGear(inputs).results);
}

}  // namespace involute::calc
