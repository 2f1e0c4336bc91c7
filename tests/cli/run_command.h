// Runs the command line in process on in-memory streams, and scratch files
// for the subcommands that read or write files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace involute::testing {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `words` start with the subcommand; `input` is standard input.
CommandResult runCommand(const std::vector<std::string_view>& words, std::string_view input = {});

// A fresh directory, removed with everything in it at the end of the test.
class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to a file in the directory and returns its path as
    // UTF-8, as the command line takes file names.
    std::string write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

[[nodiscard]] std::string readFile(const std::filesystem::path& path);

}  // namespace involute::testing
