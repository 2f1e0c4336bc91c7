// The window JKX1 as data: one row per control, in the order the controls are
// created. Geometry is in twips (1/1440 inch), relative to the container:
// frames, buttons and the credit line sit in the window's client area, labels
// and fields inside their frame. Free of any toolkit: ui/qt/qt_window.cpp and
// ui/win32/win32_window.cpp each build their controls from it in one loop.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "window.h"

namespace involute::ui {

enum class ControlKind { frame, label, textBox, commandButton };

// Which of the window's handlers an event of the control runs.
enum class Handler {
    none,
    startCommand,  // Click: the Start command
    exitProgram,   // Click: ends the program
    inputFocus,    // GotFocus: selects the text, marks the results stale
};

enum class FontRole { window, credit };

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlExtras {
    bool readOnly = false;
    std::optional<ColourCode> backColour;
    std::optional<ColourCode> foreColour;
    std::optional<Control> labelFor;  // the field a label names
    FontRole font = FontRole::window;
    Handler handler = Handler::none;
};

struct ControlRow {
    ControlKind kind;
    Control name;
    Control parent;
    std::string_view caption;  // caption, or the initial text of a field (UTF-8)
    TwipsRect geometry;
    int tabIndex;
    ControlExtras extras;
};

inline constexpr std::string_view kWindowTitle = "渐开线";
// The client area at its design position, from the screen's top-left corner.
inline constexpr TwipsRect kDesignClientArea{1500, 2175, 8055, 4200};

// The credit line: "设 计： " and the configured team credit.
extern const std::string_view kCreditLine;

inline constexpr std::size_t kLayoutRowCount = 29;
extern const std::array<ControlRow, kLayoutRowCount> kWindowLayout;

// The control's row; nullptr for the window itself.
[[nodiscard]] const ControlRow* findLayoutRow(Control control);

// A caption without its padding blanks: "模      数" -> "模数".
[[nodiscard]] std::string withoutBlanks(std::string_view caption);

// The name a screen reader speaks for a field or a button: the caption of the
// field's label or the button's own, without its padding blanks; empty for
// the other controls.
[[nodiscard]] std::string spokenName(const ControlRow& row);

}  // namespace involute::ui
