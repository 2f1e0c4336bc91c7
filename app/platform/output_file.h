// An output file that is whole or not there: `involute batch -o` writes under
// a temporary name in the target's folder and puts the file in the target's
// place only once the last byte is written and flushed. A failure, an
// unfinished run or a signal (SIGINT, SIGTERM, SIGHUP; Ctrl+C or a closed
// console on Windows) removes the temporary file and leaves the previous
// target as it was; two runs onto one target never mix their rows. A target
// that is no regular file (the null device, a FIFO) is written directly.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>

namespace involute::platform {

class OutputFile {
  public:
    explicit OutputFile(const std::filesystem::path& target);
    ~OutputFile();  // without commit(): the temporary file is removed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Whether the file could be made; nothing is written otherwise.
    [[nodiscard]] bool opened() const;
    [[nodiscard]] std::ostream& stream();

    // Flushes, closes and puts the file in place; false when any of it
    // failed, the temporary file then removed.
    [[nodiscard]] bool commit();

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace involute::platform
