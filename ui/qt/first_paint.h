// The moment a window has first been painted: work that need not hold up the
// first picture waits for it, and start-up measurements
// (scripts/measure-startup.sh) are taken at it, the same way in the
// calculator and in the bare window it is compared with.
#pragma once

#include <functional>

class QWidget;

namespace involute::ui::qt {

// Runs `then` once, from the event loop, as soon as `window` has been painted
// for the first time and its picture handed to the window system. Of two
// calls for one window, the later one's `then` runs first.
void afterFirstPaint(QWidget& window, std::function<void()> then);

// When INVOLUTE_FIRST_PAINT_MARK names a file, writes into it, after the first
// paint of `window`, the wall-clock time in microseconds since the epoch;
// else nothing.
void markFirstPaintIfAsked(QWidget& window);

}  // namespace involute::ui::qt
