#include "system_colours.h"

#include "colour_codes.h"

namespace involute::ui::win32 {

COLORREF colourFromCode(ColourCode code, SystemColourLookup lookup) {
    if (!isSystemColour(code)) {
        return static_cast<COLORREF>(code & 0x00FFFFFFu);
    }
    // A COLORREF has the layout of a colour code: red in the low byte.
    const auto scheme = [lookup](unsigned index) { return rgbOf(lookup(static_cast<int>(index))); };
    return codeOf(shownSystemColour(systemColourIndex(code), scheme));
}

}  // namespace involute::ui::win32
