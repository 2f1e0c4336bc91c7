// What a behaviour test does to a window and reads back from it, the same
// for every binding: each binding's tests bring a driver that reaches its
// real window as a user's keys, clicks and clipboard would.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window.h"

namespace involute::testing {

enum class Key { tab, shiftTab, enter, keypadEnter, space, del };

struct ErrorReport {
    std::string title;
    std::string message;
    std::string button;
};

class BehaviourDriver {
  public:
    virtual ~BehaviourDriver() = default;

    // Opens the window as the program does; a fatal failure ends the test.
    virtual void open() = 0;
    virtual void close() = 0;

    // A field's text or a button's caption.
    [[nodiscard]] virtual std::string text(ui::Control control) = 0;
    // The name of the control with the focus ("" for none).
    [[nodiscard]] virtual std::string focus() = 0;
    [[nodiscard]] virtual bool wholeTextSelected(ui::Control field) = 0;
    // How the six results are shaded: "stale", "current" or "mixed".
    [[nodiscard]] virtual std::string resultShading() = 0;
    // The error reports shown since the last call, each answered.
    [[nodiscard]] virtual std::vector<ErrorReport> takeReports() = 0;

    // What the program does through the window contract.
    virtual void setText(ui::Control field, std::string_view text) = 0;
    virtual void setFocus(ui::Control control) = 0;

    // What the user does: a left click in the control, a key or characters
    // on the control with the focus, a paste there from the clipboard, a
    // double click on the given character of a field.
    virtual void click(ui::Control control) = 0;
    virtual void press(Key key) = 0;
    virtual void type(std::string_view characters) = 0;
    virtual void paste(std::string_view clipboard) = 0;
    virtual void doubleClick(ui::Control field, int character) = 0;
};

// The binding's driver; each test program links one.
std::unique_ptr<BehaviourDriver> makeBehaviourDriver();

}  // namespace involute::testing
