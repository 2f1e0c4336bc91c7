#include "colour_codes.h"

namespace involute::ui {

namespace {

Rgb shadedAwayFrom(Rgb colour) {
    const int target = (colour.red + colour.green + colour.blue) / 3 > 128 ? 0 : 255;
    const auto eighthTowards = [target](int channel) { return channel + (target - channel) / 8; };
    return {eighthTowards(colour.red), eighthTowards(colour.green), eighthTowards(colour.blue)};
}

bool marksStaleResults(unsigned index) {
    return index == kMenuColour || index == kMenuBarColour;
}

}  // namespace

Rgb shownSystemColour(unsigned index, const SystemColourScheme& scheme) {
    const Rgb colour = scheme(index);
    if (!marksStaleResults(index)) {
        return colour;
    }
    const Rgb fieldBackground = scheme(kWindowColour);
    if (colour != fieldBackground) {
        return colour;
    }
    const Rgb buttonFace = scheme(kButtonFaceColour);
    return buttonFace != fieldBackground ? buttonFace : shadedAwayFrom(fieldBackground);
}

}  // namespace involute::ui
