// The window's events and the handlers the layout wires to them, for every
// binding: a binding turns its toolkit's click and focus notifications into
// an Event and hands it here; what runs, if anything, is the layout's
// (ui/window_layout.h) to say.
#pragma once

#include "window.h"

namespace involute::ui {

enum class Event {
    click,     // a button was clicked, by the mouse or a key
    gotFocus,  // the keyboard focus moved to the control
};

// What the binding does once the handler has run.
enum class AfterEvent { carryOn, endProgram };

// Runs the handler of the control's layout row if it takes that event:
// Click of a button the Start command or Exit, GotFocus of an input field the
// input-focus handler. Exit touches no control and asks the binding to end.
AfterEvent dispatchEvent(Window& window, Control control, Event event);

}  // namespace involute::ui
