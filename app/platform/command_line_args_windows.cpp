// The wide command line, split by the same rules the C runtime uses for argv.
#include <windows.h>

#include <shellapi.h>

#include "command_line_args.h"
#include "utf16_windows.h"

namespace involute::platform {

std::vector<std::string> commandLineArguments(int /*argc*/, char** /*argv*/) {
    int count = 0;
    LPWSTR* const words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (words == nullptr) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.push_back(utf8::utf8FromUtf16(words[i]));
    }
    LocalFree(static_cast<HLOCAL>(words));
    return arguments;
}

}  // namespace involute::platform
