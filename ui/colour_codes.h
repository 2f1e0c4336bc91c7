// Colour codes (ui/window.h) as red, green and blue, and the system colours
// they name, whatever toolkit shows them.
//
// With the top bit set, the low byte indexes a system colour, which follows
// the user's scheme: 4 (menu bar) marks results that may not belong to the
// inputs shown, 5 (window background) is the background of a field.
// Otherwise the code is RGB with red in the low byte; bits 24 to 30 are
// ignored.
#pragma once

#include <functional>

#include "window.h"

namespace involute::ui {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr ColourCode kSystemColourBit = 0x80000000;

// System colour indexes the window's own rule looks at.
inline constexpr unsigned kMenuColour = 4;
inline constexpr unsigned kWindowColour = 5;
inline constexpr unsigned kButtonFaceColour = 15;
inline constexpr unsigned kMenuBarColour = 30;  // the menu bar of flat menus

[[nodiscard]] constexpr bool isSystemColour(ColourCode code) {
    return (code & kSystemColourBit) != 0;
}

[[nodiscard]] constexpr unsigned systemColourIndex(ColourCode code) {
    return code & 0xFFu;
}

// The colour of a code that is not a system colour's.
[[nodiscard]] constexpr Rgb rgbOf(ColourCode code) {
    return {static_cast<int>(code & 0xFFu), static_cast<int>((code >> 8) & 0xFFu),
            static_cast<int>((code >> 16) & 0xFFu)};
}

[[nodiscard]] constexpr ColourCode codeOf(Rgb colour) {
    return static_cast<ColourCode>(colour.red) | (static_cast<ColourCode>(colour.green) << 8) |
           (static_cast<ColourCode>(colour.blue) << 16);
}

// The colour of a system colour index in the user's scheme.
using SystemColourScheme = std::function<Rgb(unsigned index)>;

// The colour a system colour is shown in: the scheme's, except that the
// menu colour, where the scheme gives it the field background's, would not
// mark stale results at all; the button face stands in for it then, or, when
// that is the field background too, the field background shaded an eighth
// of the way towards black (towards white when the mean of its red, green
// and blue is at most half way).
[[nodiscard]] Rgb shownSystemColour(unsigned index, const SystemColourScheme& scheme);

}  // namespace involute::ui
