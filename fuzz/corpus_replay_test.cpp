// Runs a fuzz target once on each file of its seed corpus, one test per
// file, so that every build checks the properties and a crash input kept in
// the corpus stays fixed. The build names the target and its corpus folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_check.h"

namespace {

std::vector<std::string> corpusFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(INVOLUTE_FUZZ_CORPUS)) {
        if (entry.is_regular_file()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, InputKeepsTheProperties) {
    const std::filesystem::path file = std::filesystem::path(INVOLUTE_FUZZ_CORPUS) / GetParam();
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    // A broken property prints itself and aborts the test.
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Corpus file names are test names: letters, digits and underscores, as
// libFuzzer's hash names are.
INSTANTIATE_TEST_SUITE_P(INVOLUTE_FUZZ_TARGET, Corpus, ::testing::ValuesIn(corpusFiles()),
                         [](const auto& row) { return row.param; });

}  // namespace
