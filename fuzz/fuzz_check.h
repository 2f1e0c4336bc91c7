// Property checks for the fuzz targets. A broken property prints what broke
// and aborts: libFuzzer reports that as a crash and keeps the input, and the
// corpus replay test fails on it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace involute::fuzz {

// The text with every byte outside printable ASCII as \xNN, so that a
// report shows exactly what was typed.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out.push_back(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] inline void broken(std::string_view property, std::string_view detail) {
    std::fprintf(stderr, "property broken: %.*s\n  %s\n", static_cast<int>(property.size()),
                 property.data(), escaped(detail).c_str());
    std::abort();
}

inline void require(bool holds, std::string_view property, std::string_view detail) {
    if (!holds) {
        broken(property, detail);
    }
}

}  // namespace involute::fuzz
