// Twips (1/1440 inch) to logical pixels. Qt's high-DPI scaling maps logical
// pixels to device pixels, so at 96 logical DPI a twip is 1/15 pixel whatever
// the scale factor: a larger scale draws the same layout sharper.
#pragma once

#include <QPointF>
#include <QRect>

#include "twips.h"
#include "window_layout.h"

class QScreen;

namespace involute::ui::qt {

using ui::pixelsFromTwips;

// Each of left, top, width and height converted on its own, so equal twips
// sizes stay equal pixel sizes. `dpi` holds the horizontal and vertical DPI.
[[nodiscard]] QRect pixelsFromTwips(const TwipsRect& rect, QPointF dpi);

// The screen's logical DPI; 96 when there is no screen.
[[nodiscard]] QPointF logicalDpi(const QScreen* screen);

// The client area moved the least distance that puts it inside `available`;
// when it is larger than `available`, its top-left corner goes to the
// corner of `available`.
[[nodiscard]] QRect clampedInto(const QRect& clientArea, const QRect& available);

}  // namespace involute::ui::qt
