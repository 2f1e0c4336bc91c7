// The window's single-line edit controls, subclassed for what a plain edit
// control does not do: the click that brings the focus keeps the whole-text
// selection, the text line sits vertically centred in the field (the client
// area shrinks to the line's height, and the band around it takes the field's
// background colour), and a text that is cut even at the smallest size
// carries a small dark red triangle in the field's top right corner.
#pragma once

#include <windows.h>

#include <string>

namespace involute::ui::win32 {

// The field's text as the edit control counts it, in UTF-16 units.
[[nodiscard]] std::u16string fieldUnits(HWND edit);

// Subclasses a newly made edit control.
void makeFieldEdit(HWND edit);

// The field inside its border, in the field's window coordinates: the room
// a line of text may take.
[[nodiscard]] RECT fieldInterior(HWND edit);

// Shows or hides the mark of a cut text.
void setCutMark(HWND edit, bool cut);
[[nodiscard]] bool hasCutMark(HWND edit);

}  // namespace involute::ui::win32
