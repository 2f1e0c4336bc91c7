#include "system_colours.h"

namespace involute::ui::win32 {

namespace {

constexpr ColourCode kSystemColourBit = 0x80000000;

int eighthTowards(int channel, int target) {
    return channel + (target - channel) / 8;
}

COLORREF shadedAwayFrom(COLORREF colour) {
    const int red = GetRValue(colour);
    const int green = GetGValue(colour);
    const int blue = GetBValue(colour);
    const int target = (red + green + blue) / 3 > 128 ? 0 : 255;
    return RGB(eighthTowards(red, target), eighthTowards(green, target),
               eighthTowards(blue, target));
}

bool marksStaleResults(int index) {
    return index == COLOR_MENU || index == COLOR_MENUBAR;
}

}  // namespace

COLORREF colourFromCode(ColourCode code, SystemColourLookup lookup) {
    if ((code & kSystemColourBit) == 0) {
        return static_cast<COLORREF>(code & 0x00FFFFFFu);
    }
    const auto index = static_cast<int>(code & 0xFFu);
    const COLORREF colour = lookup(index);
    const COLORREF fieldBackground = lookup(COLOR_WINDOW);
    if (!marksStaleResults(index) || colour != fieldBackground) {
        return colour;
    }
    const COLORREF buttonFace = lookup(COLOR_BTNFACE);
    return buttonFace != fieldBackground ? buttonFace : shadedAwayFrom(fieldBackground);
}

}  // namespace involute::ui::win32
