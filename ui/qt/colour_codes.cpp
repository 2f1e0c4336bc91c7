#include "colour_codes.h"

#include <array>
#include <optional>

namespace involute::ui::qt {

namespace {

constexpr ColourCode kSystemColourBit = 0x80000000;

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr std::optional<SystemColour> active(QPalette::ColorRole role) {
    return SystemColour{QPalette::Active, role};
}

constexpr std::optional<SystemColour> inactive(QPalette::ColorRole role) {
    return SystemColour{QPalette::Inactive, role};
}

constexpr std::optional<SystemColour> disabled(QPalette::ColorRole role) {
    return SystemColour{QPalette::Disabled, role};
}

// The palette colour that plays the part of each system colour index.
constexpr std::array<std::optional<SystemColour>, 31> kSystemColours{{
    active(QPalette::Midlight),         // 0 scroll bar
    active(QPalette::Dark),             // 1 desktop
    active(QPalette::Highlight),        // 2 active title bar
    inactive(QPalette::Highlight),      // 3 inactive title bar
    active(QPalette::Window),           // 4 menu bar
    active(QPalette::Base),             // 5 window background
    active(QPalette::Shadow),           // 6 window frame
    active(QPalette::WindowText),       // 7 menu text
    active(QPalette::Text),             // 8 window text
    active(QPalette::HighlightedText),  // 9 title bar text
    active(QPalette::Window),           // 10 active border
    inactive(QPalette::Window),         // 11 inactive border
    active(QPalette::Dark),             // 12 application workspace
    active(QPalette::Highlight),        // 13 highlight
    active(QPalette::HighlightedText),  // 14 highlighted text
    active(QPalette::Button),           // 15 button face
    active(QPalette::Dark),             // 16 button shadow
    disabled(QPalette::Text),           // 17 grey text
    active(QPalette::ButtonText),       // 18 button text
    inactive(QPalette::WindowText),     // 19 inactive title bar text
    active(QPalette::Light),            // 20 button highlight
    active(QPalette::Shadow),           // 21 3-D dark shadow
    active(QPalette::Midlight),         // 22 3-D light
    active(QPalette::ToolTipText),      // 23 tooltip text
    active(QPalette::ToolTipBase),      // 24 tooltip background
    std::nullopt,                       // 25 unused
    active(QPalette::Link),             // 26 hot-tracked item
    active(QPalette::Highlight),        // 27 active title bar gradient
    inactive(QPalette::Highlight),      // 28 inactive title bar gradient
    active(QPalette::Highlight),        // 29 highlighted menu item
    active(QPalette::Window),           // 30 menu bar (flat menus)
}};

// `colour` moved an eighth of the way to black, or to white when it is dark.
QColor shadedAwayFrom(const QColor& colour) {
    const int target = colour.lightness() > 128 ? 0 : 255;
    const auto eighthTowards = [target](int channel) { return channel + (target - channel) / 8; };
    return QColor(eighthTowards(colour.red()), eighthTowards(colour.green()),
                  eighthTowards(colour.blue()));
}

constexpr unsigned kMenuIndex = 4;
constexpr unsigned kMenuBarIndex = 30;

QColor systemColour(unsigned index, const QPalette& palette) {
    const QColor fieldBackground = palette.color(QPalette::Active, QPalette::Base);
    if (index >= kSystemColours.size() || !kSystemColours[index]) {
        return fieldBackground;
    }
    const QColor colour = palette.color(kSystemColours[index]->group, kSystemColours[index]->role);
    // The menu-bar colour marks results that may not belong to the inputs; in
    // a palette whose window and field backgrounds agree it would not show.
    if ((index == kMenuIndex || index == kMenuBarIndex) && colour == fieldBackground) {
        return shadedAwayFrom(colour);
    }
    return colour;
}

}  // namespace

QColor colourFromCode(ColourCode code, const QPalette& palette) {
    if ((code & kSystemColourBit) != 0) {
        return systemColour(code & 0xFFu, palette);
    }
    return QColor(static_cast<int>(code & 0xFFu), static_cast<int>((code >> 8) & 0xFFu),
                  static_cast<int>((code >> 16) & 0xFFu));
}

}  // namespace involute::ui::qt
