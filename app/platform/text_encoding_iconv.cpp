#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <stdexcept>

#include "text_encoding.h"

namespace involute::platform {

namespace {

const char* iconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::utf8:
            return "UTF-8";
        case TextEncoding::gb18030:
            return "GB18030";
        case TextEncoding::utf16le:
            return "UTF-16LE";
        case TextEncoding::utf16be:
            return "UTF-16BE";
    }
    return "UTF-8";
}

constexpr std::size_t kOutputStep = std::size_t{1} << 14;

}  // namespace

struct TextConverter::Handle {
    iconv_t descriptor;
    std::array<char, kOutputStep> buffer{};
};

TextConverter::TextConverter(TextEncoding from, TextEncoding to)
    : handle_(std::make_unique<Handle>(Handle{iconv_open(iconvName(to), iconvName(from)), {}})) {
    // glibc always has these four; without them there is nothing to fall back on.
    if (reinterpret_cast<std::intptr_t>(handle_->descriptor) == -1) {
        throw std::runtime_error(std::string("iconv cannot convert from ") + iconvName(from) +
                                 " to " + iconvName(to));
    }
}

TextConverter::~TextConverter() {
    iconv_close(handle_->descriptor);
}

TextConverter::Stop TextConverter::convert(std::string_view bytes, std::string& out) {
    // iconv's interface is not const-correct: it never writes to the input.
    char* in = const_cast<char*>(bytes.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast)
    std::size_t inLeft = bytes.size();
    // Through a buffer of its own, made once: growing `out` by the size of
    // the whole rest on every call would cost the rest's length for each
    // stray byte a table holds.
    std::array<char, kOutputStep>& buffer = handle_->buffer;
    for (;;) {
        char* next = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(handle_->descriptor, &in, &inLeft, &next, &outLeft);
        const int error = errno;
        out.append(buffer.data(), buffer.size() - outLeft);
        const Stop stop{bytes.size() - inLeft, false};
        if (result != static_cast<std::size_t>(-1)) {
            return stop;
        }
        if (error == E2BIG) {
            continue;
        }
        if (error == EILSEQ) {
            return {stop.converted, true};
        }
        return stop;  // EINVAL: a character cut off at the end
    }
}

}  // namespace involute::platform
