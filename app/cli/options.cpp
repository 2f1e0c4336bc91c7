#include "options.h"
#include "printable_text.h"

namespace involute::cli {

namespace {

std::optional<std::size_t> findLong(std::span<const CommandOption> options, std::string_view name) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].name == name || (!options[i].alias.empty() && options[i].alias == name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> findLetter(std::span<const CommandOption> options, char letter) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].letter != 0 && options[i].letter == letter) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

ParsedOptions parseOptions(std::span<const CommandOption> options,
                           std::span<const std::string_view> words) {
    ParsedOptions parsed;
    parsed.values.resize(options.size());
    const auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.positionals.push_back(word);  // "-" alone names standard input
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }

        std::optional<std::size_t> index;
        std::optional<std::string_view> attached;  // value in the same word
        if (word.starts_with("--")) {
            std::string_view name = word.substr(2);
            if (const auto equals = name.find('='); equals != std::string_view::npos) {
                attached = name.substr(equals + 1);
                name = name.substr(0, equals);
            }
            index = findLong(options, name);
        } else {
            index = findLetter(options, word[1]);
            if (word.size() > 2) {
                attached = word.substr(2);
            }
        }
        if (!index) {
            return fail("未知选项 " + utf8::printableText(word));
        }

        const CommandOption& option = options[*index];
        const std::string shownName = word.starts_with("--")
                                          ? "--" + std::string(option.name)
                                          : utf8::printableText(word.substr(0, 2));
        if (parsed.values[*index]) {
            return fail("选项 " + shownName + " 给了不止一次");
        }
        if (!option.takesValue) {
            if (attached) {
                return fail("选项 " + shownName + " 不带数值");
            }
            parsed.values[*index] = "";
            continue;
        }
        if (!attached) {
            if (i + 1 == words.size()) {
                return fail("选项 " + shownName + " 缺少数值");
            }
            attached = words[++i];
        }
        parsed.values[*index] = attached;
    }
    return parsed;
}

}  // namespace involute::cli
