// Twips (1/1440 inch), the unit of the window's layout, to pixels, and the
// placement of the window on the screen; free of any toolkit.
#pragma once

namespace involute::ui {

inline constexpr double kTwipsPerInch = 1440.0;

// Rounded to the nearest pixel, halves away from zero.
[[nodiscard]] int pixelsFromTwips(int twips, double dotsPerInch);

// The start of a span of `length` moved the least distance that puts it into
// [low, low + room); a span longer than `room` starts at `low`.
[[nodiscard]] int clampedStart(int start, int length, int low, int room);

}  // namespace involute::ui
