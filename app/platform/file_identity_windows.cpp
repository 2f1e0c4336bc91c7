// Windows keeps no inode: a file is known by the serial number of its volume
// and its index on that volume, which GetFileInformationByHandle gives for an
// open handle.
#include <io.h>
#include <windows.h>

#include "file_identity.h"

namespace involute::platform {

namespace {

std::optional<FileIdentity> identityOfRegular(HANDLE file) {
    if (file == INVALID_HANDLE_VALUE || file == nullptr || GetFileType(file) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(file, &information) == 0 ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    const std::uint64_t index =
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32U) | information.nFileIndexLow;
    return FileIdentity{information.dwVolumeSerialNumber, index};
}

}  // namespace

std::optional<FileIdentity> regularFileIdentity(int descriptor) {
    // The C runtime's descriptor stands for a handle; -2 marks one that is
    // not associated with a stream. The handle comes as an integer.
    const auto handle =
        reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));  // NOLINT(performance-no-int-to-ptr)
    return identityOfRegular(handle);
}

std::optional<FileIdentity> regularFileIdentity(const std::filesystem::path& path) {
    // Sharing every access keeps the look from failing on a file that this
    // or another program has open; opening follows symbolic links.
    HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::optional<FileIdentity> identity = identityOfRegular(file);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return identity;
}

std::optional<FileIdentity> fifoIdentity(const std::filesystem::path& /*path*/) {
    return std::nullopt;
}

}  // namespace involute::platform
