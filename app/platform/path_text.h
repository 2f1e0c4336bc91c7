// File names: UTF-8 text in the command line, paths at the file system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace involute::platform {

// A path from a file name as typed. A std::filesystem::path made from plain
// char text reads it in the ANSI code page on Windows (and 齿轮.csv is lost);
// made from char8_t text it reads UTF-8 everywhere, and on Linux keeps the
// bytes as they are, valid UTF-8 or not.
[[nodiscard]] std::filesystem::path pathFromUtf8(std::string_view name);

// The path's name as UTF-8 text, the inverse of pathFromUtf8.
[[nodiscard]] std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace involute::platform
