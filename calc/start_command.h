#pragma once

#include "ui/window.h"

namespace involute::calc {

// Click of the Start button: reads the six input fields, computes and writes
// the six results, and shows the run on the button caption and the result
// shading. A failed run keeps what it had written, is reported, and hands the
// focus to the field to correct.
void runStartCommand(ui::Window& window);

}  // namespace involute::calc
