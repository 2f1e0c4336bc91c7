// A Windows program started with a standard handle closed gets descriptors 0
// to 2 unassigned; the next file the C runtime opens would take the lowest
// free one. Each closed one is opened on the null device (NUL) instead.
#include <fcntl.h>
#include <io.h>

#include "std_streams.h"

namespace involute::platform {

namespace {

// Whether `descriptor` was closed; it is open on the null device afterwards.
bool holdOnNullDevice(int descriptor, int access) {
    if (_get_osfhandle(descriptor) >= 0) {
        return false;
    }
    const int opened = _open("NUL", access | _O_BINARY);
    if (opened != -1 && opened != descriptor) {
        _dup2(opened, descriptor);
        _close(opened);
    }
    return true;
}

}  // namespace

StandardStreamsAtStart holdStandardStreams() {
    StandardStreamsAtStart atStart;
    atStart.inputClosed = holdOnNullDevice(0, _O_RDONLY);
    atStart.outputClosed = holdOnNullDevice(1, _O_WRONLY);
    atStart.errorClosed = holdOnNullDevice(2, _O_WRONLY);
    return atStart;
}

}  // namespace involute::platform
