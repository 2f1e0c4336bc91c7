// The window toolkit contract.
//
// The calculator is one window, JKX1: six input fields (Text1 to Text4, Text6,
// Text8), six read-only result fields (Text9 to Text14), the Start button
// Command1 and the Exit button Command2. All state lives in those controls; no
// handler keeps anything of its own between events. The toolkit (the Qt binding
// in ui/qt, the Win32 one in ui/win32, or a fake window in the tests) owns the
// controls and delivers one event at a time on its one thread, through
// ui/window_events.h: Click of Command1 runs the Start command
// (calc/start_command.h), GotFocus of an input field runs the input-focus
// handler (ui/input_focus.h), Click of Command2 ends the program. Handlers act
// only through the Window interface below, so the gear calculation and the
// handlers are tested against a recording fake without a display.
//
// Texts cross the interface as UTF-8. Selection positions and lengths count
// characters (Unicode code points), not bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace involute::ui {

// Every control of the window, by the name it carries in the layout.
enum class Control {
    JKX1,
    Frame1,
    GJ,
    Text1,
    Text2,
    Text3,
    Text4,
    Text6,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Label1,
    Label2,
    Label3,
    Label4,
    Label6,
    Label8,
    Label9,
    Label10,
    Label11,
    Label12,
    Label13,
    Label14,
    Label15,
    Command1,
    Command2,
};

// The name a control carries in the layout ("Text1", "Command1", ...).
std::string_view controlName(Control control);

// A 32-bit colour code. With the top bit set, the low byte indexes a system
// colour; otherwise it is RGB with red in the low byte.
using ColourCode = std::uint32_t;

class Window {
  public:
    virtual ~Window() = default;

    // The field's whole current text.
    [[nodiscard]] virtual std::string text(Control field) const = 0;
    // Replaces the field's text whole; shown at once.
    virtual void setText(Control field, std::string_view text) = 0;
    virtual void setCaption(Control button, std::string_view caption) = 0;
    virtual void setBackColor(Control field, ColourCode colour) = 0;
    // Caret to that character position, selection cleared.
    virtual void setSelStart(Control field, int position) = 0;
    // Selects that many characters from the caret.
    virtual void setSelLength(Control field, int length) = 0;
    // Moves the keyboard focus; a toolkit delivers the field's GotFocus as usual.
    virtual void setFocus(Control control) = 0;
    // Tells the user of a failed run and returns once the user has read it.
    virtual void reportError(std::string_view message) = 0;

  protected:
    Window() = default;
    Window(const Window&) = default;
    Window& operator=(const Window&) = default;
};

// Length of a UTF-8 text in characters. A malformed byte counts as one
// character, as a toolkit would show it as one replacement character.
[[nodiscard]] int lengthInCharacters(std::string_view text);

}  // namespace involute::ui
