#include "run_command.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "command_line.h"
#include "path_text.h"

namespace involute::testing {

CommandResult runCommand(const std::vector<std::string_view>& words, std::string_view input) {
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    CommandResult result;
    result.status = cli::runCommandLine(words, cli::Streams{in, out, err});
    result.out = out.str();
    result.err = err.str();
    return result;
}

ScratchDirectory::ScratchDirectory() {
    // create_directory makes a new directory or reports that the name is taken,
    // so a random name that is free becomes this test's own.
    std::random_device seed;
    std::mt19937_64 names(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate =
            std::filesystem::temp_directory_path() / ("involute-test-" + std::to_string(names()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a scratch directory");
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / platform::pathFromUtf8(name);
    std::ofstream(file, std::ios::binary) << bytes;
    return platform::utf8FromPath(file);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace involute::testing
