#pragma once

#include <QIcon>

namespace involute::ui::qt {

// The program's icon: an involute flank on its base circle, with the tangent
// that the setting distance is measured along. Rendered from the SVG that the
// desktop entry uses, in the sizes window managers ask for.
[[nodiscard]] QIcon applicationIcon();

// The desktop entry's name without ".desktop", for window managers that match
// a window to its menu entry.
inline constexpr const char* kDesktopFileName = "io.github.involute.Involute";

}  // namespace involute::ui::qt
