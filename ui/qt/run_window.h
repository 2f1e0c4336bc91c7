// Start-up of the calculator's window.
#pragma once

namespace involute::ui::qt {

// Makes the application (Qt's own options such as -platform are taken from
// the arguments), loads Qt's Chinese texts and the window's fonts, shows the
// window JKX1 and runs the event loop until Exit or the window is closed.
// Returns the program's exit status.
int runWindow(int argc, char** argv);

}  // namespace involute::ui::qt
