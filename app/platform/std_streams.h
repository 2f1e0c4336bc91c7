// The standard descriptors 0 (input), 1 (output) and 2 (error) as the
// program found them. On Windows involute.exe is a GUI-subsystem program,
// which Windows starts without a console (no console window flashes up when
// the calculator is started from the Start menu): for the command line it
// takes the console of the program that started it, cmd.exe or PowerShell.
#pragma once

namespace involute::platform {

struct StandardStreamsAtStart {
    bool inputClosed = false;
    bool outputClosed = false;
    bool errorClosed = false;
    // Windows, started with no console to take and no handle for standard
    // output or error (from Explorer or a shortcut): what the command line
    // writes there is shown in a message box when it ends (console.h).
    bool outputToMessageBox = false;
    bool errorToMessageBox = false;
};

// Notes which of the three standard descriptors are closed and opens the
// null device on each of them, so that a file the program opens later can
// never take the number of one and receive what is meant for the terminal
// (`involute batch in.csv >&-` would otherwise write into its own input).
// On Windows it first opens each standard handle that the parent did not
// redirect on the parent's console; a redirected one (a file, a pipe) is
// kept as it is. Call before opening anything.
[[nodiscard]] StandardStreamsAtStart holdStandardStreams();

}  // namespace involute::platform
