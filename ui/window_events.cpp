#include "window_events.h"

#include "input_focus.h"
#include "start_command.h"
#include "window_layout.h"

namespace involute::ui {

AfterEvent dispatchEvent(Window& window, Control control, Event event) {
    const ControlRow* row = findLayoutRow(control);
    if (row == nullptr) {
        return AfterEvent::carryOn;
    }
    switch (row->extras.handler) {
        case Handler::none:
            break;
        case Handler::startCommand:
            if (event == Event::click) {
                calc::runStartCommand(window);
            }
            break;
        case Handler::exitProgram:
            if (event == Event::click) {
                return AfterEvent::endProgram;
            }
            break;
        case Handler::inputFocus:
            if (event == Event::gotFocus) {
                onInputFieldGotFocus(window, control);
            }
            break;
    }
    return AfterEvent::carryOn;
}

}  // namespace involute::ui
