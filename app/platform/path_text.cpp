#include "path_text.h"

namespace involute::platform {

std::filesystem::path pathFromUtf8(std::string_view name) {
    std::u8string text(name.size(), u8'\0');
    for (std::size_t i = 0; i < name.size(); ++i) {
        text[i] = static_cast<char8_t>(name[i]);
    }
    return {text};
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace involute::platform
