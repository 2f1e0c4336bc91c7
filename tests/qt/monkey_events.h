// Random user events for the monkey test of the window: special keys,
// typed characters (ASCII, full-width, Chinese), input-method commits, whole
// numbers typed into a field, single and double clicks and drags at random
// points of random controls, and focus moves by the program. Every key and
// mouse event goes through the window system layer, as a user's would, and
// each event is described in words so that a failure can be read and
// replayed from its seed.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <string>

#include "window.h"

class QWidget;

namespace involute::ui::qt {
class QtWindow;
}

namespace involute::testing {

// A small generator whose sequence depends on the seed alone, on any
// compiler (the standard library's distributions are not portable).
class MonkeyRandom {
  public:
    explicit MonkeyRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // 0 to bound - 1; bound must be positive.
    int below(int bound);
    bool percent(int chance) { return below(100) < chance; }

  private:
    std::uint64_t state_;
};

struct MonkeyEvent {
    std::string description;
    // How many times the event may click the Start button (a double click
    // clicks twice); 0 for an event that must not run the Start command.
    int startClicks = 0;
    // Whether the event may move the caret after it brought the focus to a
    // field (a double click, or typing): if not, a field the focus arrived
    // at must have its whole text selected afterwards.
    bool mayMoveCaretAfterFocus = false;
};

// Never touches the Exit button: no click on it, no Space while it has the
// focus. It may get the focus.
class Monkey {
  public:
    Monkey(ui::qt::QtWindow& window, std::uint64_t seed);

    // Picks one event and delivers it; returns once it has been handled,
    // any error report closed included.
    MonkeyEvent act();

  private:
    MonkeyEvent pressSpecialKey();
    MonkeyEvent typeCharacter();
    MonkeyEvent commitFromInputMethod();
    MonkeyEvent enterNumber();
    MonkeyEvent fillInTheForm();
    MonkeyEvent clickSomewhere(bool twice);
    MonkeyEvent dragInAField();
    MonkeyEvent moveFocusByProgram();

    QString randomCharacter();
    QString randomNumberText(ui::Control field);
    // Gives the field the focus by a click and selects its whole text, as a
    // user does before typing a new value.
    void clickAndSelectAll(ui::Control field);
    // One key press per character, each with the character as its text.
    void typeText(const QString& text);
    // A random point of the control, in window coordinates, away from
    // the Exit button.
    QPoint randomPointOf(QWidget* control);
    QWidget* randomClickTarget();

    // Sends one key with its text to the window's focus control.
    void sendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers);
    // Whether Space now would click the Exit button.
    [[nodiscard]] bool exitHasFocus() const;
    [[nodiscard]] std::string focusName() const;
    [[nodiscard]] std::string nameAt(QPoint inWindow) const;

    ui::qt::QtWindow& window_;
    MonkeyRandom random_;
};

}  // namespace involute::testing
