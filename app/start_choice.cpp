#include "start_choice.h"

namespace involute::app {

namespace {

// Qt takes its options with one dash; ours at the top level all have two but
// -h, the short form of --help.
bool isQtOption(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && word[1] != '-' && word != "-h";
}

}  // namespace

bool startsCommandLine(std::span<const std::string_view> words) {
    if (words.empty() || words.front().empty()) {
        return false;
    }
    return !isQtOption(words.front());
}

}  // namespace involute::app
