// Colour codes (ui/window.h) turned into colours of the platform palette.
//
// With the top bit set, the low byte indexes a system colour, which follows
// the user's palette: 4 (menu bar) is the palette's Window colour and 5 (window
// background, the background of a field) its Base colour. Otherwise the code
// is RGB with red in the low byte; bits 24 to 30 are ignored.
#pragma once

#include <QColor>
#include <QPalette>

#include "window.h"

namespace involute::ui::qt {

[[nodiscard]] QColor colourFromCode(ColourCode code, const QPalette& palette);

}  // namespace involute::ui::qt
