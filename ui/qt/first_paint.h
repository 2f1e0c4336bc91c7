// The moment a window has first been painted: work that need not hold up the
// first picture waits for it. (Start-up is measured at the same moment by a
// probe of the measuring tool's own, tools/first_paint_probe.cpp.)
#pragma once

#include <functional>

class QWidget;

namespace involute::ui::qt {

// Runs `then` once, from the event loop, as soon as `window` has been painted
// for the first time and its picture handed to the window system. Of two
// calls for one window, the later one's `then` runs first.
void afterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace involute::ui::qt
