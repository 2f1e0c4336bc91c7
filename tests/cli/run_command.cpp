#include "tests/cli/run_command.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/cli/command_line.h"

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
    std::string pattern =
        (std::filesystem::temp_directory_path() / "involute-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch directory");
    }
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace involute::testing
