// Colour codes (ui/window.h) as Windows colours.
//
// With the top bit set, the low byte indexes a system colour (GetSysColor):
// 4 is the menu colour, 5 the window background, the background of a field.
// The menu colour marks results that may not belong to the inputs shown; in
// a colour scheme where it equals the window background (wine's, and some
// Windows themes) the mark would vanish, so the button face colour, or failing
// that the window colour shaded an eighth of the way towards black (white
// when it is dark), stands in for it. Otherwise the code is RGB with red in
// the low byte, the layout of a COLORREF; bits 24 to 30 are ignored.
#pragma once

#include <windows.h>

#include "window.h"

namespace involute::ui::win32 {

// The system colour of an index, GetSysColor or a stand-in for tests.
// WINAPI: GetSysColor's own calling convention, which 32-bit Windows
// tells apart from the C one.
using SystemColourLookup = DWORD(WINAPI*)(int index);

[[nodiscard]] COLORREF colourFromCode(ColourCode code, SystemColourLookup lookup = &GetSysColor);

}  // namespace involute::ui::win32
