#include "input_focus.h"

#include "window_states.h"

namespace involute::ui {

void onInputFieldGotFocus(Window& window, Control field) {
    window.setSelStart(field, 0);
    window.setSelLength(field, lengthInCharacters(window.text(field)));
    window.setCaption(Control::Command1, kCaptionEditing);
    setResultColour(window, kResultsStale);
}

void returnToField(Window& window, Control field) {
    window.setFocus(field);
    // A toolkit runs the GotFocus handler on its own when the focus moves; a
    // field that already had the focus gets no event, so run it here as well.
    onInputFieldGotFocus(window, field);
}

}  // namespace involute::ui
