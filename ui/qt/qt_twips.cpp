#include "qt_twips.h"

#include <QScreen>

namespace involute::ui::qt {

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

QRect clampedInto(const QRect& clientArea, const QRect& available) {
    const int left =
        clampedStart(clientArea.left(), clientArea.width(), available.left(), available.width());
    const int top =
        clampedStart(clientArea.top(), clientArea.height(), available.top(), available.height());
    return {left, top, clientArea.width(), clientArea.height()};
}

}  // namespace involute::ui::qt
