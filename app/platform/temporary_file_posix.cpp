// The temporary file on POSIX: mkstemp() beside the target, rename() over it,
// unlink() from a signal handler (async-signal-safe).
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>

#include "temporary_file.h"

namespace involute::platform {

namespace {

// The one temporary file a run writes, for the signal handler: a fixed
// buffer, as a handler may not allocate.
std::array<char, 4096> gTemporaryPath{};
volatile std::sig_atomic_t gTemporaryArmed = 0;

// Those that end a run on a terminal or from a service manager, and the
// file size limit (ulimit -f), which would otherwise leave the file behind.
constexpr std::array<int, 4> kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

extern "C" void removeTemporaryAndEnd(int signal) {
    if (gTemporaryArmed != 0) {
        unlink(gTemporaryPath.data());
    }
    // Ends the program as the signal would have, with its status.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void armSignals() {
    struct sigaction action {};
    action.sa_handler = removeTemporaryAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : kEndingSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : kEndingSignals) {
        struct sigaction previous {};
        sigaction(signal, nullptr, &previous);
        // A signal the shell set to be ignored (nohup) stays ignored.
        if (previous.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}

void disarm() {
    gTemporaryArmed = 0;
}

// What a new file's permissions would be: the target's, or those a newly
// created file gets under the process's umask.
mode_t permissionsFor(const std::filesystem::path& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) {
        return status.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<TemporaryFile> createTemporaryBeside(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    std::string name = (folder / ("." + target.filename().string() + ".involute-XXXXXX")).string();
    if (name.size() >= gTemporaryPath.size()) {
        return std::nullopt;
    }
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) {
        return std::nullopt;
    }
    std::memcpy(gTemporaryPath.data(), name.c_str(), name.size() + 1);
    gTemporaryArmed = 1;
    armSignals();
    std::FILE* file =
        fchmod(descriptor, permissionsFor(target)) == 0 ? fdopen(descriptor, "wb") : nullptr;
    if (file == nullptr) {
        close(descriptor);
        discardTemporary(name);
        return std::nullopt;
    }
    return TemporaryFile{file, name};
}

bool replaceWithTemporary(const std::filesystem::path& temporary,
                          const std::filesystem::path& target) {
    const bool replaced = std::rename(temporary.c_str(), target.c_str()) == 0;
    disarm();
    return replaced;
}

void discardTemporary(const std::filesystem::path& temporary) {
    unlink(temporary.c_str());
    disarm();
}

}  // namespace involute::platform
