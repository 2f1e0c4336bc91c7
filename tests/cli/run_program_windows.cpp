// A Windows program gets one command line, which it splits into words itself;
// each word is quoted here so that CommandLineToArgvW and the C runtime give
// back exactly that word.
#include <windows.h>

#include <gtest/gtest.h>

#include "run_program.h"
#include "utf16_windows.h"

namespace involute::testing {

namespace {

std::wstring commandLineWord(std::wstring_view word) {
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring_view::npos) {
        return std::wstring(word);
    }
    // Backslashes are literal except before a quote, where each one needs a
    // second; the quote itself takes one more.
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : word) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        const std::size_t escapes = character == L'"' ? 2 * backslashes + 1 : backslashes;
        text.append(escapes, L'\\');
        text += character;
        backslashes = 0;
    }
    text.append(2 * backslashes, L'\\');
    text += L'"';
    return text;
}

// A file handle the child inherits as one of its standard handles.
class InheritedFile {
  public:
    InheritedFile(const std::filesystem::path& path, bool forWriting) {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        handle_ =
            CreateFileW(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                        forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    InheritedFile(const InheritedFile&) = delete;
    InheritedFile& operator=(const InheritedFile&) = delete;
    ~InheritedFile() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    [[nodiscard]] HANDLE handle() const { return handle_; }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

CommandResult runProgram(const std::vector<std::string>& words, std::string_view input) {
    const ScratchDirectory scratch;
    const std::filesystem::path in = scratch.path() / "stdin";
    const std::filesystem::path out = scratch.path() / "stdout";
    const std::filesystem::path err = scratch.path() / "stderr";
    scratch.write("stdin", input);

    const std::wstring program = utf8::utf16FromUtf8(INVOLUTE_EXECUTABLE);
    std::wstring commandLine = commandLineWord(program);
    for (const std::string& word : words) {
        commandLine += L' ';
        commandLine += commandLineWord(utf8::utf16FromUtf8(word));
    }

    CommandResult result;
    {
        const InheritedFile standardInput(in, false);
        const InheritedFile standardOutput(out, true);
        const InheritedFile standardError(err, true);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = standardInput.handle();
        startup.hStdOutput = standardOutput.handle();
        startup.hStdError = standardError.handle();
        PROCESS_INFORMATION process{};
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                           nullptr, &startup, &process) == 0) {
            ADD_FAILURE() << "cannot start " << INVOLUTE_EXECUTABLE << ": error " << GetLastError();
            return result;
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        result.status = static_cast<int>(status);
    }
    result.out = readFile(out);
    result.err = readFile(err);
    return result;
}

}  // namespace involute::testing
