// The calculator window: builds it, shows it and runs the event loop until
// it is closed. Returns the exit status.
#pragma once

int runWindow(int argc, char** argv);
