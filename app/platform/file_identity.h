// Which file an open stream is, so that the command line can refuse to write
// onto the file it is reading, whatever route (path, redirection, symbolic or
// hard link) leads to it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace involute::platform {

// A file's identity on this machine: the device and inode number on POSIX,
// the volume serial number and file index on Windows. Two names, links or
// descriptors of one file have the same identity.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the regular file open on `descriptor`; nothing when the
// descriptor is closed or open on anything else (terminal, pipe, device such
// as the null device), as writing there cannot destroy what is read.
[[nodiscard]] std::optional<FileIdentity> regularFileIdentity(int descriptor);

// The same for the file at `path`, following symbolic links; nothing when no
// regular file is there.
[[nodiscard]] std::optional<FileIdentity> regularFileIdentity(const std::filesystem::path& path);

// The identity of the FIFO at `path`, found without opening it (opening one
// waits for the other end); nothing for anything else, and always nothing on
// Windows, whose file systems hold no FIFOs.
[[nodiscard]] std::optional<FileIdentity> fifoIdentity(const std::filesystem::path& path);

}  // namespace involute::platform
