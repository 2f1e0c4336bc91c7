// What screen readers learn of the window's controls where Qt's own
// accessibility would mislead them: the window is a window (a plain top-level
// QWidget is a client area, announced as a filler); a field is editable or
// read-only, never both, and a result's text and selection stay readable; a
// field is labelled by its label alone, and a frame labels nothing (Qt makes
// a group box's title the label of everything inside it, beside each label's
// own relation to its field).
#pragma once

namespace involute::ui::qt {

// Installs the interfaces for the window's controls; once per process is
// enough, and more calls change nothing.
void installAccessibleControls();

}  // namespace involute::ui::qt
