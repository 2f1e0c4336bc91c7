#pragma once

#include "window.h"

namespace involute::calc {

// Click of the Start button: reads the six input fields, computes and writes
// the six results, and shows the run on the button caption and the result
// shading. A failed run is reported and hands the focus to the field to
// correct. One that failed while computing then shows only the results it
// wrote and empties the other result fields; one that failed while reading
// its inputs wrote nothing, and the previous results stay.
void runStartCommand(ui::Window& window);

}  // namespace involute::calc
