// What output_file.cpp needs of the system: a new file beside the target,
// removed by a signal, and put in the target's place in one step.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>

namespace involute::platform {

struct TemporaryFile {
    std::FILE* file;
    std::filesystem::path path;
};

// A new, empty file in `target`'s folder with a name no other file has, open
// for writing, with `target`'s permissions when it exists. Until it is
// replaced or discarded, a signal that ends the program removes it.
[[nodiscard]] std::optional<TemporaryFile> createTemporaryBeside(
    const std::filesystem::path& target);

// Puts the closed temporary file in `target`'s place, replacing what was
// there in one step; false when that failed.
[[nodiscard]] bool replaceWithTemporary(const std::filesystem::path& temporary,
                                        const std::filesystem::path& target);

// Removes the closed temporary file.
void discardTemporary(const std::filesystem::path& temporary);

}  // namespace involute::platform
