#include "ui/qt/colour_codes.h"

#include <algorithm>
#include <array>

namespace involute::ui::qt {

namespace {

constexpr ColourCode kSystemColourBit = 0x80000000;

// The palette role, of the active group, that plays the part of a system
// colour index. Only the indices the window sets or its tests name have a
// row; any other is the field background.
struct SystemColour {
    unsigned index;
    QPalette::ColorRole role;
};

constexpr std::array<SystemColour, 9> kSystemColours{{
    {4, QPalette::Window},        // menu bar
    {5, QPalette::Base},          // window background
    {7, QPalette::WindowText},    // menu text
    {8, QPalette::Text},          // window text
    {13, QPalette::Highlight},    // highlight
    {15, QPalette::Button},       // button face
    {18, QPalette::ButtonText},   // button text
    {24, QPalette::ToolTipBase},  // tooltip background
    {30, QPalette::Window},       // menu bar (flat menus)
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
    const auto* row = std::find_if(kSystemColours.begin(), kSystemColours.end(),
                                   [index](const SystemColour& c) { return c.index == index; });
    if (row == kSystemColours.end()) {
        return fieldBackground;
    }
    const QColor colour = palette.color(QPalette::Active, row->role);
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
