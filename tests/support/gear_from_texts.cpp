#include "gear_from_texts.h"

#include <utility>

namespace involute::calc {

GearRun computeGearFromTexts(const std::array<std::string_view, 6>& texts) {
    InputsReading reading = readInputs(texts);
    if (reading.fault) {
        return {GearResults{}, std::move(reading.fault)};
    }
    return computeGear(reading.inputs);
}

}  // namespace involute::calc
