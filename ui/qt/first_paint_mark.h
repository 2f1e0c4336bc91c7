// A probe for start-up measurements (scripts/measure-startup.sh), shared by
// the calculator and the bare window it is compared with, so that both are
// timed at the same point. Off unless the environment asks for it.
#pragma once

class QWidget;

namespace involute::ui::qt {

// When INVOLUTE_FIRST_PAINT_MARK names a file, writes into it the wall-clock
// time in microseconds since the epoch at which `window` had been painted for
// the first time and its picture handed to the window system; else nothing.
void markFirstPaintIfAsked(QWidget& window);

}  // namespace involute::ui::qt
