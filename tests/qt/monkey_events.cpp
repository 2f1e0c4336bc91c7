#include "monkey_events.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>

#include "qt_window.h"
#include "window_states.h"

namespace involute::testing {

namespace {

using ui::Control;
using namespace Qt::StringLiterals;

struct SpecialKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int weight;
};

// Shift+Tab arrives as Backtab with Shift on X11; plain Tab with Shift is
// what some platforms send, and must go backwards too.
const std::array kSpecialKeys{
    SpecialKey{"Tab", Qt::Key_Tab, Qt::NoModifier, 20},
    SpecialKey{"Shift+Backtab", Qt::Key_Backtab, Qt::ShiftModifier, 10},
    SpecialKey{"Shift+Tab", Qt::Key_Tab, Qt::ShiftModifier, 3},
    SpecialKey{"Space", Qt::Key_Space, Qt::NoModifier, 10},
    SpecialKey{"Return", Qt::Key_Return, Qt::NoModifier, 6},
    SpecialKey{"Enter", Qt::Key_Enter, Qt::KeypadModifier, 4},
    SpecialKey{"Backspace", Qt::Key_Backspace, Qt::NoModifier, 12},
    SpecialKey{"Delete", Qt::Key_Delete, Qt::NoModifier, 8},
    SpecialKey{"Left", Qt::Key_Left, Qt::NoModifier, 5},
    SpecialKey{"Right", Qt::Key_Right, Qt::NoModifier, 5},
    SpecialKey{"Up", Qt::Key_Up, Qt::NoModifier, 3},
    SpecialKey{"Down", Qt::Key_Down, Qt::NoModifier, 3},
    SpecialKey{"Home", Qt::Key_Home, Qt::NoModifier, 4},
    SpecialKey{"End", Qt::Key_End, Qt::NoModifier, 4},
    SpecialKey{"Escape", Qt::Key_Escape, Qt::NoModifier, 3},
};

// What a number field sees most: digits, point, signs and exponent letters.
const QString kNumberCharacters = QStringLiteral("0123456789.+-eE");
// A Chinese input method in full-width mode types these for a number; the
// ideographic space is a blank.
const QString kFullWidthCharacters = QStringLiteral("０１２３４５６７８９．。－＋ｅ　");
const QString kChineseCharacters =
    QStringLiteral("模数齿压力角螺旋大径渐开线起始圆分度基节确定中文");

const std::array kFocusableControls{
    Control::Command1, Control::Command2, Control::Text8,  Control::Text6, Control::Text4,
    Control::Text3,    Control::Text2,    Control::Text1,  Control::Text9, Control::Text10,
    Control::Text11,   Control::Text12,   Control::Text13, Control::Text14};
// Everything a click may aim at except the buttons and the fields.
const std::array kQuietControls{
    Control::JKX1,    Control::Frame1,  Control::GJ,      Control::Label1,
    Control::Label2,  Control::Label3,  Control::Label4,  Control::Label6,
    Control::Label8,  Control::Label9,  Control::Label10, Control::Label11,
    Control::Label12, Control::Label13, Control::Label14, Control::Label15};

// Numbers that sit on an edge of what a field reads: signs, zeros, the
// largest and smallest doubles, beyond them, full-width forms, blanks.
const std::array kEdgeNumbers{
    u"0",     u"-0",       u".5",     u"5.",   u"1e3",      u"-1E-3", u"1.79769313486232E+308",
    u"1e309", u"4.9e-324", u"1e-400", u"９０", u"６５。７", u"－２",  u"＋３ｅ２",
    u" 12 ",  u"　7　",    u"90",     u"-90",  u"180",      u"1e15",  u"-57.9",
    u"",      u"e5",       u"1.2.3"};

template <typename Array>
auto pick(MonkeyRandom& random, const Array& choices) {
    return choices[static_cast<std::size_t>(random.below(static_cast<int>(choices.size())))];
}

QChar pickCharacter(MonkeyRandom& random, const QString& characters) {
    return characters.at(random.below(static_cast<int>(characters.size())));
}

std::string quoted(const QString& text) {
    return "'" + text.toStdString() + "'";
}

std::string pointText(QPoint point) {
    return "(" + std::to_string(point.x()) + "," + std::to_string(point.y()) + ")";
}

QString digits(MonkeyRandom& random, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QChar(u'0' + random.below(10));
    }
    return text;
}

// A value a user might really type into the field, so that runs succeed
// often enough to be checked against the calculation.
QString plausibleNumber(MonkeyRandom& random, Control field) {
    const auto decimal = [&random](int low, int high, int places) {
        QString text = QString::number(low + random.below(high - low + 1));
        const int shown = random.below(places + 1);
        if (shown > 0) {
            text += u'.' + digits(random, shown);
        }
        return text;
    };
    switch (field) {
        case Control::Text1:
            return decimal(0, 9, 3);
        case Control::Text2:
            return decimal(5, 150, 0);
        case Control::Text3:
            return decimal(10, 30, 1);
        case Control::Text4:
            return decimal(0, 45, 2);
        default:
            return decimal(10, 400, 2);
    }
}

// The six inputs of a gear a user might measure: the tip diameter a little
// over the reference circle, the start circle a little under it, so that
// most such gears compute and some have their start circle inside the base
// circle; now and then a diameter of 0 (not given).
std::array<QString, 6> randomGear(MonkeyRandom& random) {
    constexpr double kDegree = 3.141592653589793 / 180;
    const double module = 1 + random.below(900) / 100.0;
    const int teeth = 8 + random.below(113);
    const std::array pressureAngles{14.5, 15.0, 20.0, 20.0, 22.5, 25.0};
    const double pressureAngle = pick(random, pressureAngles);
    const double helixAngle = random.below(401) / 10.0;
    const double reference = module * teeth / std::cos(helixAngle * kDegree);
    const double tip = reference + 2 * module;
    const double start = reference - module * random.below(250) / 100.0;
    return {QString::number(module, 'f', 2),
            QString::number(teeth),
            QString::number(pressureAngle),
            QString::number(helixAngle),
            random.percent(10) ? u"0"_s : QString::number(tip, 'f', 3),
            random.percent(15) ? u"0"_s : QString::number(start, 'f', 3)};
}

// The key code a keyboard sends with the character: for a character
// beyond ASCII, as on X11, its upper-case code point.
Qt::Key keyOf(QChar c) {
    return c.unicode() < 0x80 ? QTest::asciiToKey(static_cast<char>(c.unicode()))
                              : static_cast<Qt::Key>(c.toUpper().unicode());
}

QString fullWidth(const QString& ascii) {
    QString wide;
    for (const QChar c : ascii) {
        wide += (c >= u'!' && c <= u'~') ? QChar(c.unicode() - u'!' + u'！') : c;
    }
    return wide;
}

// Space, Return and keypad Enter click the button with the focus.
bool clicksAFocusedButton(Qt::Key key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

std::uint64_t MonkeyRandom::next() {
    // splitmix64
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

int MonkeyRandom::below(int bound) {
    return static_cast<int>(next() % static_cast<std::uint64_t>(bound));
}

Monkey::Monkey(ui::qt::QtWindow& window, std::uint64_t seed) : window_(window), random_(seed) {}

MonkeyEvent Monkey::act() {
    const int roll = random_.below(100);
    if (roll < 28) {
        return pressSpecialKey();
    }
    if (roll < 48) {
        return typeCharacter();
    }
    if (roll < 52) {
        return commitFromInputMethod();
    }
    if (roll < 62) {
        return enterNumber();
    }
    if (roll < 64) {
        return fillInTheForm();
    }
    if (roll < 86) {
        return clickSomewhere(false);
    }
    if (roll < 90) {
        return clickSomewhere(true);
    }
    if (roll < 93) {
        return dragInAField();
    }
    return moveFocusByProgram();
}

MonkeyEvent Monkey::pressSpecialKey() {
    int total = 0;
    for (const SpecialKey& each : kSpecialKeys) {
        total += each.weight;
    }
    const SpecialKey* key = nullptr;
    do {
        int roll = random_.below(total);
        for (const SpecialKey& each : kSpecialKeys) {
            if (roll < each.weight) {
                key = &each;
                break;
            }
            roll -= each.weight;
        }
    } while (clicksAFocusedButton(key->key) && exitHasFocus());

    MonkeyEvent event{"key " + std::string(key->name) + " on " + focusName()};
    if (clicksAFocusedButton(key->key) && focusName() == "Command1") {
        event.startClicks = 1;
    }
    QTest::keyClick(window_.windowHandle(), key->key, key->modifiers);
    return event;
}

MonkeyEvent Monkey::typeCharacter() {
    QString character;
    do {
        character = randomCharacter();
    } while (character == u" " && exitHasFocus());

    MonkeyEvent event{"type " + quoted(character) + " on " + focusName()};
    if (character == u" " && focusName() == "Command1") {
        event.startClicks = 1;
    }
    typeText(character);
    return event;
}

MonkeyEvent Monkey::commitFromInputMethod() {
    QString committed;
    const int length = 1 + random_.below(3);
    for (int i = 0; i < length; ++i) {
        committed +=
            pickCharacter(random_, random_.percent(50) ? kFullWidthCharacters : kChineseCharacters);
    }
    MonkeyEvent event{"input method commits " + quoted(committed) + " on " + focusName()};
    // Sent to any field with the focus, read-only or not: an input method
    // that missed a focus change, or asks too little, commits into whatever
    // has the focus, and a result field must not take it.
    auto* field = qobject_cast<QLineEdit*>(window_.focusWidget());
    if (field == nullptr) {
        event.description += " (no field takes it)";
        return event;
    }
    QInputMethodEvent commit;
    commit.setCommitString(committed);
    QApplication::sendEvent(field, &commit);
    return event;
}

MonkeyEvent Monkey::enterNumber() {
    const Control field = pick(random_, ui::kInputFields);
    const QString number = randomNumberText(field);
    MonkeyEvent event{"enter " + quoted(number) + " into " + std::string(controlName(field))};
    event.mayMoveCaretAfterFocus = true;
    if (random_.percent(50)) {
        event.description += " (focus by program)";
        window_.setFocus(field);
    } else {
        const QPoint at = randomPointOf(window_.control(field));
        event.description += " (focus by click at " + pointText(at) + ")";
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }
    typeText(number);
    return event;
}

MonkeyEvent Monkey::fillInTheForm() {
    const std::array<QString, 6> values =
        random_.percent(30)
            ? std::array<QString, 6>{u"2.25"_s, u"25"_s, u"20"_s, u"25"_s, u"65.7"_s, u"57.9"_s}
            : randomGear(random_);
    MonkeyEvent event{"fill in"};
    event.mayMoveCaretAfterFocus = true;
    for (std::size_t i = 0; i < values.size(); ++i) {
        event.description += " " + values[i].toStdString();
        clickAndSelectAll(ui::kInputFields[i]);
        typeText(values[i]);
    }
    return event;
}

void Monkey::clickAndSelectAll(Control field) {
    if (window_.focusWidget() == window_.control(field)) {
        QTest::keyClick(window_.windowHandle(), Qt::Key_End);
        QTest::keyClick(window_.windowHandle(), Qt::Key_Home, Qt::ShiftModifier);
    } else {
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          randomPointOf(window_.control(field)));
    }
}

void Monkey::typeText(const QString& text) {
    for (const QChar c : text) {
        sendKey(keyOf(c), QString(c), Qt::NoModifier);
    }
}

MonkeyEvent Monkey::clickSomewhere(bool twice) {
    const QPoint at = randomPointOf(randomClickTarget());
    const std::string target = nameAt(at);
    MonkeyEvent event{std::string(twice ? "double click" : "click") + " at " + pointText(at) +
                      " on " + target + " (focus on " + focusName() + ")"};
    event.mayMoveCaretAfterFocus = twice;
    if (target == "Command1") {
        event.startClicks = twice ? 2 : 1;
    }
    if (twice) {
        QTest::mouseDClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    } else {
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }
    return event;
}

MonkeyEvent Monkey::dragInAField() {
    QWidget* field = window_.control(random_.percent(60) ? pick(random_, ui::kInputFields)
                                                         : pick(random_, ui::kResultFields));
    const QPoint from = randomPointOf(field);
    const QPoint to = randomPointOf(field);
    MonkeyEvent event{"drag in " + field->objectName().toStdString() + " from " + pointText(from) +
                      " to " + pointText(to)};
    QWindow* handle = window_.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, to);
    return event;
}

MonkeyEvent Monkey::moveFocusByProgram() {
    const Control control = pick(random_, kFocusableControls);
    MonkeyEvent event{"program moves the focus from " + focusName() + " to " +
                      std::string(controlName(control))};
    window_.setFocus(control);
    return event;
}

QString Monkey::randomCharacter() {
    const int roll = random_.below(100);
    if (roll < 45) {
        return pickCharacter(random_, kNumberCharacters);
    }
    if (roll < 65) {
        return QChar(u' ' + random_.below(0x7F - 0x20));
    }
    if (roll < 90) {
        return pickCharacter(random_, kFullWidthCharacters);
    }
    return pickCharacter(random_, kChineseCharacters);
}

QString Monkey::randomNumberText(Control field) {
    static const std::array kExamples{u"2.25", u"25", u"20", u"25", u"65.7", u"57.9"};
    const int roll = random_.below(100);
    QString number;
    if (roll < 25) {
        const auto index = static_cast<std::size_t>(
            std::find(ui::kInputFields.begin(), ui::kInputFields.end(), field) -
            ui::kInputFields.begin());
        number = QString::fromUtf16(kExamples.at(index));
    } else if (roll < 60) {
        number = plausibleNumber(random_, field);
    } else if (roll < 80) {
        number = QString::fromUtf16(pick(random_, kEdgeNumbers));
    } else {
        const int length = 1 + random_.below(8);
        for (int i = 0; i < length; ++i) {
            number += pickCharacter(random_,
                                    random_.percent(70) ? kNumberCharacters : kFullWidthCharacters);
        }
    }
    return random_.percent(10) ? fullWidth(number) : number;
}

QWidget* Monkey::randomClickTarget() {
    const int roll = random_.below(100);
    if (roll < 20) {
        return window_.control(Control::Command1);
    }
    if (roll < 55) {
        return window_.control(pick(random_, ui::kInputFields));
    }
    if (roll < 75) {
        return window_.control(pick(random_, ui::kResultFields));
    }
    return window_.control(pick(random_, kQuietControls));
}

QPoint Monkey::randomPointOf(QWidget* control) {
    const QSize size = control->size();
    for (;;) {
        const QPoint local(random_.below(size.width()), random_.below(size.height()));
        const QPoint inWindow = control->mapTo(&window_, local);
        if (nameAt(inWindow) != "Command2") {
            return inWindow;
        }
    }
}

void Monkey::sendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Click, window_.windowHandle(), key, text, modifiers);
}

bool Monkey::exitHasFocus() const {
    return window_.focusWidget() == window_.control(Control::Command2);
}

std::string Monkey::focusName() const {
    const QWidget* focus = window_.focusWidget();
    return focus == nullptr ? std::string("nothing") : focus->objectName().toStdString();
}

std::string Monkey::nameAt(QPoint inWindow) const {
    const QWidget* hit = window_.childAt(inWindow);
    return (hit == nullptr ? static_cast<const QWidget*>(&window_) : hit)
        ->objectName()
        .toStdString();
}

}  // namespace involute::testing
