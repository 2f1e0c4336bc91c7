#include "qt_colour_codes.h"

#include <algorithm>
#include <array>

#include "colour_codes.h"

namespace involute::ui::qt {

namespace {

// The palette role, of the active group, that plays the part of a system
// colour index. Only the indices the window sets, its colour rule reads or
// its tests name have a row; any other is the field background.
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

QColor qtColour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

// The palette's colour for a system colour index; the field background for
// an index the palette has no part for.
Rgb paletteColour(unsigned index, const QPalette& palette) {
    const auto* row = std::find_if(kSystemColours.begin(), kSystemColours.end(),
                                   [index](const SystemColour& c) { return c.index == index; });
    const QColor colour =
        palette.color(QPalette::Active, row == kSystemColours.end() ? QPalette::Base : row->role);
    return {colour.red(), colour.green(), colour.blue()};
}

}  // namespace

QColor colourFromCode(ColourCode code, const QPalette& palette) {
    if (!isSystemColour(code)) {
        return qtColour(rgbOf(code));
    }
    const auto scheme = [&palette](unsigned index) { return paletteColour(index, palette); };
    return qtColour(shownSystemColour(systemColourIndex(code), scheme));
}

}  // namespace involute::ui::qt
