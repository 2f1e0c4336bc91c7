// The standard streams the command line reads and writes. Files and pipes
// get exactly the bytes written: UTF-8 text, line ends as the output format
// has them (no text-mode translation on Windows), and standard input is read
// as bytes. A console shows the UTF-8 text as Unicode characters, which on
// Windows takes WriteConsoleW: bytes written to a console are read in its
// code page, and GB2312's code page garbles UTF-8. Where Windows gave
// standard output or error neither a console nor a handle
// (StandardStreamsAtStart), their text is shown in a message box at the end.
#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include "std_streams.h"

namespace involute::platform {

// Prepares the process's standard streams for as long as it lives; its end
// flushes what is buffered and gives the streams back as they were.
class StandardStreams {
  public:
    explicit StandardStreams(const StandardStreamsAtStart& atStart = {});
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    [[nodiscard]] std::istream& in() const;
    [[nodiscard]] std::ostream& out() const;
    [[nodiscard]] std::ostream& err() const;
    // Whether standard output shows on a terminal (a console or the message
    // box on Windows), which takes characters, not the bytes of a file's
    // encoding.
    [[nodiscard]] bool outIsConsole() const;

  private:
    struct Consoles;  // what a system keeps while the streams are prepared
    std::unique_ptr<Consoles> consoles_;
};

}  // namespace involute::platform
