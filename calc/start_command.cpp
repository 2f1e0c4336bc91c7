#include "calc/start_command.h"

#include <optional>

#include "calc/gear_calculation.h"
#include "calc/number_text.h"
#include "ui/input_focus.h"
#include "ui/window_states.h"

namespace involute::calc {

namespace {

using ui::Control;

Control controlOf(InputField field) {
    return ui::kInputFields[static_cast<std::size_t>(field)];
}

void writeResult(ui::Window& window, Control field, const std::optional<double>& value) {
    if (value) {
        window.setText(field, textFromNumber(*value));
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
            reportFault(window, *reading.fault);
            return;
        }
        inputs.set(field, reading.value);
    }

    window.setCaption(Control::Command1, ui::kCaptionRunning);
    ui::setResultColour(window, ui::kResultsCurrent);

    const GearRun run = computeGear(inputs);
    const GearResults& results = run.results;
    writeResult(window, Control::Text9, results.d);
    writeResult(window, Control::Text10, results.db);
    writeResult(window, Control::Text11, results.betaB);
    writeResult(window, Control::Text12, results.pbn);
    writeResult(window, Control::Text13, results.gS);
    writeResult(window, Control::Text14, results.L);

    if (run.fault) {
        reportFault(window, *run.fault);
        return;
    }
    window.setCaption(Control::Command1, ui::kCaptionDone);
}

}  // namespace involute::calc
