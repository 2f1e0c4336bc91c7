#include "std_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace involute::platform {

namespace {

// Whether `descriptor` was closed; it is open on the null device afterwards.
bool holdOnNullDevice(int descriptor) {
    if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
        return false;
    }
    // The lowest free number is taken, and the lower standard ones are
    // already held, so this lands on `descriptor` itself.
    const int opened = open("/dev/null", O_RDWR);
    if (opened != -1 && opened != descriptor) {
        dup2(opened, descriptor);
        close(opened);
    }
    return true;
}

}  // namespace

StandardStreamsAtStart holdStandardStreams() {
    StandardStreamsAtStart atStart;
    atStart.inputClosed = holdOnNullDevice(STDIN_FILENO);
    atStart.outputClosed = holdOnNullDevice(STDOUT_FILENO);
    atStart.errorClosed = holdOnNullDevice(STDERR_FILENO);
    return atStart;
}

}  // namespace involute::platform
