// Whether the window has a display to open on, asked before Qt is started:
// Qt ends the program with an abort when its platform cannot connect, which a
// user at a console or over ssh would read as a crash.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace involute::ui::qt {

// Nothing when the window can be shown on X11, or when the display is Qt's
// to find: a platform other than xcb named by `-platform` or QT_QPA_PLATFORM,
// or, with none named, a Wayland session whose compositor answers. Otherwise the message for the
// user, in simplified Chinese: no X display is named (DISPLAY unset), or the one named (DISPLAY, or
// Qt's `-display NAME`) does not answer. `words` are the arguments after the program name.
[[nodiscard]] std::optional<std::string> displayProblem(std::span<const std::string_view> words);

}  // namespace involute::ui::qt
