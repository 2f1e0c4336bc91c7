// Standard streams on Windows: binary mode for files and pipes, WriteConsoleW
// for a console, a message box where there is neither.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>

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

// What standard output and error write where Windows gave them nowhere to
// go, in the order they write it, shown in one message box when it ends; its
// icon says whether any of it is an error.
class MessageBoxText {
  public:
    MessageBoxText() = default;
    MessageBoxText(const MessageBoxText&) = delete;
    MessageBoxText& operator=(const MessageBoxText&) = delete;
    ~MessageBoxText() {
        const std::size_t end = text_.find_last_not_of('\n');
        if (end == std::string::npos) {
            return;
        }
        const std::wstring wide = utf8::utf16FromUtf8(std::string_view(text_).substr(0, end + 1));
        const UINT icon = anyError_ ? MB_ICONERROR : MB_ICONINFORMATION;
        MessageBoxW(nullptr, wide.c_str(), L"渐开线", MB_OK | icon);
    }

    void add(std::string_view text, bool isError) {
        text_ += text;
        anyError_ = anyError_ || (isError && !text.empty());
    }

  private:
    std::string text_;
    bool anyError_ = false;
};

// A stream buffer that adds everything at once to the message box's text,
// keeping output and error in the order they were written.
class MessageBoxBuffer : public std::streambuf {
  public:
    MessageBoxBuffer(MessageBoxText& text, bool isError) : text_(text), isError_(isError) {}

  protected:
    int_type overflow(int_type byte) override {
        if (!traits_type::eq_int_type(byte, traits_type::eof())) {
            const char character = traits_type::to_char_type(byte);
            text_.add(std::string_view(&character, 1), isError_);
        }
        return traits_type::not_eof(byte);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        text_.add(std::string_view(text, static_cast<std::size_t>(count)), isError_);
        return count;
    }

  private:
    MessageBoxText& text_;
    bool isError_;
};

// Writes a stream through `buffer` for as long as it lives.
class RedirectedStream {
  public:
    RedirectedStream(std::ostream& stream, std::unique_ptr<std::streambuf> buffer)
        : stream_(stream), buffer_(std::move(buffer)), previous_(stream.rdbuf(buffer_.get())) {}
    RedirectedStream(const RedirectedStream&) = delete;
    RedirectedStream& operator=(const RedirectedStream&) = delete;
    ~RedirectedStream() {
        stream_.flush();
        stream_.rdbuf(previous_);
    }

  private:
    std::ostream& stream_;
    std::unique_ptr<std::streambuf> buffer_;
    std::streambuf* previous_;
};

// Where `stream` goes: its console, the message box, or (null) its file or
// pipe as it is.
std::unique_ptr<RedirectedStream> redirect(std::ostream& stream, DWORD standardHandle,
                                           bool toMessageBox,
                                           std::unique_ptr<MessageBoxText>& messageBox) {
    if (toMessageBox) {
        if (messageBox == nullptr) {
            messageBox = std::make_unique<MessageBoxText>();
        }
        return std::make_unique<RedirectedStream>(
            stream,
            std::make_unique<MessageBoxBuffer>(*messageBox, standardHandle == STD_ERROR_HANDLE));
    }
    if (HANDLE console = consoleOf(standardHandle)) {
        return std::make_unique<RedirectedStream>(stream, std::make_unique<ConsoleBuffer>(console));
    }
    return nullptr;
}

}  // namespace

struct StandardStreams::Consoles {
    // Shown when the streams have let go of it: declared before them.
    std::unique_ptr<MessageBoxText> messageBox;
    std::unique_ptr<RedirectedStream> out;
    std::unique_ptr<RedirectedStream> err;
};

StandardStreams::StandardStreams(const StandardStreamsAtStart& atStart)
    : consoles_(std::make_unique<Consoles>()) {
    std::ios::sync_with_stdio(false);
    // Text mode would turn every "\n" into "\r\n" and stop reading at a ^Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    consoles_->out =
        redirect(std::cout, STD_OUTPUT_HANDLE, atStart.outputToMessageBox, consoles_->messageBox);
    consoles_->err =
        redirect(std::cerr, STD_ERROR_HANDLE, atStart.errorToMessageBox, consoles_->messageBox);
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
