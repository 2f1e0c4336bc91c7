#include "gear_values.h"

#include "calc/gear_calculation.h"
#include "calc/roll_angles.h"

namespace involute::calc {

GearValues gearValues(const GearInputs& inputs) {
    return quantityValues(computeGear(inputs).results);
}

}  // namespace involute::calc
