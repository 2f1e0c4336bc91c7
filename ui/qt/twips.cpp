#include "ui/qt/twips.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace involute::ui::qt {

int pixelsFromTwips(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

QRect pixelsFromTwips(const TwipsRect& rect, QPointF dpi) {
    return {pixelsFromTwips(rect.left, dpi.x()), pixelsFromTwips(rect.top, dpi.y()),
            pixelsFromTwips(rect.width, dpi.x()), pixelsFromTwips(rect.height, dpi.y())};
}

QPointF logicalDpi(const QScreen* screen) {
    if (screen == nullptr) {
        return {96.0, 96.0};
    }
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

namespace {

// The start of a span of `length` moved into [low, low + room).
int clampedStart(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

QRect clampedInto(const QRect& clientArea, const QRect& available) {
    const int left =
        clampedStart(clientArea.left(), clientArea.width(), available.left(), available.width());
    const int top =
        clampedStart(clientArea.top(), clientArea.height(), available.top(), available.height());
    return {left, top, clientArea.width(), clientArea.height()};
}

}  // namespace involute::ui::qt
