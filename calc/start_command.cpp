#include "start_command.h"

#include <array>
#include <optional>

#include "gear_calculation.h"
#include "input_focus.h"
#include "number_text.h"
#include "window_states.h"

namespace involute::calc {

namespace {

using ui::Control;

Control controlOf(InputField field) {
    return ui::kInputFields[static_cast<std::size_t>(field)];
}

// The results in the order of the result fields, Text9 first.
std::array<const std::optional<double>*, 6> resultsInFieldOrder(const GearResults& results) {
    return {&results.d, &results.db, &results.betaB, &results.pbn, &results.gS, &results.L};
}

void writeResults(ui::Window& window, const GearResults& results) {
    const auto values = resultsInFieldOrder(results);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (*values[i]) {
            window.setText(ui::kResultFields[i], textFromNumber(**values[i]));
        }
    }
}

// A run that fails part way has written the results of this gear up to the
// failing step; the fields after it still hold another gear's numbers, which
// nothing on screen would tell apart from these. They are emptied.
void emptyUnwrittenResults(ui::Window& window, const GearResults& results) {
    const auto values = resultsInFieldOrder(results);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!*values[i]) {
            window.setText(ui::kResultFields[i], "");
        }
    }
}

void reportFault(ui::Window& window, const GearFault& fault) {
    window.reportError(fault.message);
    ui::returnToField(window, controlOf(fault.field));
}

}  // namespace

void runStartCommand(ui::Window& window) {
    GearInputs inputs;
    for (const InputField field : kInputsInReadingOrder) {
        const InputReading reading = readInput(field, window.text(controlOf(field)));
        if (reading.fault) {
            // Nothing was written: the six results shown still belong to one
            // gear, and they stay, shaded as not current.
            reportFault(window, *reading.fault);
            return;
        }
        inputs.set(field, reading.value);
    }

    window.setCaption(Control::Command1, ui::kCaptionRunning);
    ui::setResultColour(window, ui::kResultsCurrent);

    const GearRun run = computeGear(inputs);
    writeResults(window, run.results);

    if (run.fault) {
        reportFault(window, *run.fault);
        emptyUnwrittenResults(window, run.results);
        return;
    }
    window.setCaption(Control::Command1, ui::kCaptionDone);
}

}  // namespace involute::calc
