#pragma once

#include "window.h"

namespace involute::ui {

// GotFocus of an input field: selects the field's whole text so the next
// keystroke replaces it, and marks the results shown as not current (Editing).
void onInputFieldGotFocus(Window& window, Control field);

// Leaves the window in the Editing state with the focus and a full selection on
// `field`; used after a failed run has been reported.
void returnToField(Window& window, Control field);

}  // namespace involute::ui
