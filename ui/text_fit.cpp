#include "text_fit.h"

#include <algorithm>
#include <cmath>

#include "window_look.h"

namespace involute::ui {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kDesignDpi = 96.0;

}  // namespace

FontPixels fieldFontPixels(double dotsPerInch) {
    const auto largest =
        static_cast<int>(std::lround(kWindowFontPoints * dotsPerInch / kPointsPerInch));
    const auto atDesignDpi =
        static_cast<int>(std::lround(kSmallestFieldPoints * kDesignDpi / kPointsPerInch));
    const auto smallest = static_cast<int>(std::floor(atDesignDpi * dotsPerInch / kDesignDpi));
    return {largest, std::min(largest, smallest)};
}

TextFit fitText(const TextMeasure& measure, TextRoom room, FontPixels sizes, bool readOnly) {
    for (int pixels = sizes.largest; pixels >= sizes.smallest; --pixels) {
        if (measure.textWidth(pixels) <= room.width && measure.lineHeight(pixels) <= room.height) {
            return {pixels, false};
        }
    }
    return {sizes.smallest, readOnly};
}

int inkCentredLineTop(int roomHeight, DigitInk ink) {
    return (roomHeight - ink.height) / 2 - ink.top;
}

}  // namespace involute::ui
