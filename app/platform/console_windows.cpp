// Standard streams on Windows: binary mode for files and pipes, WriteConsoleW
// for a console.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <iostream>
#include <streambuf>

#include "console.h"
#include "utf16_windows.h"
#include "utf8.h"

namespace involute::platform {

namespace {

// How many bytes at the end of `text` begin a UTF-8 sequence that is not yet
// complete; they wait for the next write so a character split between two
// buffers still shows as itself.
std::size_t incompleteTail(std::string_view text) {
    const std::size_t lookBack = std::min<std::size_t>(text.size(), 3);
    for (std::size_t back = 1; back <= lookBack; ++back) {
        if (utf8::isTruncatedCharacter(text.substr(text.size() - back))) {
            return back;
        }
    }
    return 0;
}

// A stream buffer that shows UTF-8 text on a console as UTF-16 characters.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;
    ~ConsoleBuffer() override { show(true); }

  protected:
    int_type overflow(int_type byte) override {
        if (!show(false)) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(byte, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(byte);
            pbump(1);
        }
        return traits_type::not_eof(byte);
    }

    int sync() override { return show(false) ? 0 : -1; }

  private:
    // Writes the buffer to the console, keeping an incomplete last character
    // unless `everything` is asked for.
    bool show(bool everything) {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t kept = everything ? 0 : incompleteTail(pending);
        const std::wstring wide = utf8::utf16FromUtf8(pending.substr(0, pending.size() - kept));
        bool written = true;
        for (std::size_t done = 0; done < wide.size() && written;) {
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            DWORD count = 0;
            written = WriteConsoleW(console_, wide.data() + done, chunk, &count, nullptr) != 0 &&
                      count > 0;
            done += count;
        }
        std::copy(pptr() - kept, pptr(), buffer_.data());
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        pbump(static_cast<int>(kept));
        return written;
    }

    HANDLE console_;
    std::array<char, 16384> buffer_{};
};

// The console behind a standard handle, or null when it is a file or a pipe.
HANDLE consoleOf(DWORD standardHandle) {
    HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

// Shows a stream on its console for as long as it lives.
class ConsoleStream {
  public:
    ConsoleStream(std::ostream& stream, HANDLE console)
        : stream_(stream), buffer_(console), previous_(stream.rdbuf(&buffer_)) {}
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;
    ~ConsoleStream() {
        stream_.flush();
        stream_.rdbuf(previous_);
    }

  private:
    std::ostream& stream_;
    ConsoleBuffer buffer_;
    std::streambuf* previous_;
};

}  // namespace

struct StandardStreams::Consoles {
    std::unique_ptr<ConsoleStream> out;
    std::unique_ptr<ConsoleStream> err;
};

StandardStreams::StandardStreams() : consoles_(std::make_unique<Consoles>()) {
    std::ios::sync_with_stdio(false);
    // Text mode would turn every "\n" into "\r\n" and stop reading at a ^Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (HANDLE console = consoleOf(STD_OUTPUT_HANDLE)) {
        consoles_->out = std::make_unique<ConsoleStream>(std::cout, console);
    }
    if (HANDLE console = consoleOf(STD_ERROR_HANDLE)) {
        consoles_->err = std::make_unique<ConsoleStream>(std::cerr, console);
    }
}

StandardStreams::~StandardStreams() {
    consoles_.reset();
    std::cout.flush();
}

}  // namespace involute::platform

namespace involute::platform {

bool StandardStreams::outIsConsole() const {
    return consoles_->out != nullptr;
}

}  // namespace involute::platform
