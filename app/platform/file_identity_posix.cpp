#include "file_identity.h"

#include <sys/stat.h>

namespace involute::platform {

namespace {

std::optional<FileIdentity> identityOfRegular(const struct stat& status) {
    if (!S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> regularFileIdentity(int descriptor) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0) {
        return std::nullopt;
    }
    return identityOfRegular(status);
}

std::optional<FileIdentity> fifoIdentity(const std::filesystem::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISFIFO(status.st_mode)) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileIdentity> regularFileIdentity(const std::filesystem::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return identityOfRegular(status);
}

}  // namespace involute::platform
