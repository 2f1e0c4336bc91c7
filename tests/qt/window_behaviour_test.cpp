// The Qt window at work where its toolkit decides: a focus that returns,
// the caret, dragging, input methods, the focus frame and Exit. The rows
// both windows share are in tests/window_behaviour.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>
#include <ostream>

#include "window_fixture.h"

namespace involute {
namespace {

using testing::WindowTest;
using ui::Control;
using QtWindowBehaviour = WindowTest;

// A focus that comes back to a field (the window reactivated, a context menu
// closed) is no GotFocus: the user's caret and selection stay.
TEST_F(QtWindowBehaviour, ReturningFocusIsNoGotFocus) {
    click("Text1");
    click("Command1");
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent returning(QEvent::FocusIn, reason);
        QApplication::sendEvent(field("Text2"), &returning);
        EXPECT_EQ(captionOf("Command1"), "计算结束") << reason;
        EXPECT_FALSE(field("Text2")->hasSelectedText()) << reason;
    }
}

TEST_F(QtWindowBehaviour, SecondClickPlacesTheCaret) {
    click("Text6");
    ASSERT_EQ(field("Text6")->selectedText().toStdString(), "65.7");
    QTest::mouseClick(field("Text6"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 9));
    EXPECT_FALSE(field("Text6")->hasSelectedText());
    EXPECT_EQ(field("Text6")->cursorPosition(), 0);
    QTest::keyClicks(field("Text6"), QStringLiteral("1"));
    EXPECT_EQ(textOf("Text6"), "165.7");
}

TEST_F(QtWindowBehaviour, DragOfTheFocusingClickKeepsTheSelection) {
    QLineEdit* text1 = field("Text1");
    QTest::mousePress(text1, Qt::LeftButton, Qt::NoModifier, QPoint(90, 9));
    QMouseEvent drag(QEvent::MouseMove, QPointF(4, 9), text1->mapToGlobal(QPointF(4, 9)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(text1, &drag);
    QTest::mouseRelease(text1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 9));
    EXPECT_EQ(text1->selectedText().toStdString(), "2.25");
}

struct SelectionCase {
    const char* name;
    const char16_t* text;
    int selStart;
    int selLength;
    const char* selected;
};

void PrintTo(const SelectionCase& row, std::ostream* os) {
    *os << row.name;
}

class SelectionInCharacters : public WindowTest,
                              public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionInCharacters, MapsToUtf16) {
    const std::string text = QString::fromUtf16(GetParam().text).toStdString();
    window().setText(Control::Text2, text);
    window().setSelStart(Control::Text2, GetParam().selStart);
    window().setSelLength(Control::Text2, GetParam().selLength);
    EXPECT_EQ(field("Text2")->selectedText().toStdString(), GetParam().selected);
    EXPECT_EQ(window().text(Control::Text2), text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SelectionInCharacters,
    ::testing::Values(SelectionCase{"Ascii", u"65.7", 1, 2, "5."},
                      SelectionCase{"WholeFullWidth", u"２．２５", 0, 4, "２．２５"},
                      SelectionCase{"AfterAPair", u"\U0001D7D0\U0001D7D3mm", 1, 2, "𝟓m"},
                      SelectionCase{"WholeWithPairs", u"\U0001D7D0\U0001D7D3", 0, 2, "𝟐𝟓"},
                      SelectionCase{"LengthPastTheEnd", u"25", 1, 9, "5"},
                      SelectionCase{"StartPastTheEnd", u"25", 7, 1, ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct CommitCase {
    const char* name;
    const char* field;
    const char16_t* committed;
    const char* textAfter;
    bool takesInput;
};

void PrintTo(const CommitCase& row, std::ostream* os) {
    *os << row.name;
}

class InputMethodCommit : public WindowTest, public ::testing::WithParamInterface<CommitCase> {};

// A Chinese input method commits whole words into the field with the focus.
// A result field takes none: it tells the input method so, and keeps its
// digits should one commit all the same.
TEST_P(InputMethodCommit, TypesIntoInputFieldsOnly) {
    click("Command1");
    click(GetParam().field);
    QLineEdit* target = field(GetParam().field);
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(target, &query);
    EXPECT_EQ(query.value(Qt::ImEnabled).toBool(), GetParam().takesInput);

    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf16(GetParam().committed));
    QApplication::sendEvent(target, &commit);
    EXPECT_EQ(textOf(GetParam().field), GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, InputMethodCommit,
    ::testing::Values(CommitCase{"InputField", "Text2", u"３０", "３０", true},
                      CommitCase{"ResultField", "Text12", u"中文", "6.64229572671048", false},
                      CommitCase{"LastResultField", "Text14", u"１", "12.8349709170999", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(QtWindowBehaviour, StartShowsItsFocusFrameFromTheStart) {
    ASSERT_EQ(focusName(), "Command1");
    const QImage atStart = button("Command1")->grab().toImage();
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), "Command1");
    EXPECT_TRUE(button("Command1")->grab().toImage() == atStart) << "no focus frame at start";
}

enum class Ending { clickExit, spaceOnExit, closeWindow };

struct EndingCase {
    const char* name;
    Ending how;
};

void PrintTo(const EndingCase& row, std::ostream* os) {
    *os << row.name;
}

class ProgramEnd : public WindowTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ProgramEnd, EndsTheEventLoop) {
    QTimer::singleShot(0, &window(), [this] {
        switch (GetParam().how) {
            case Ending::clickExit:
                click("Command2");
                break;
            case Ending::spaceOnExit:
                window().setFocus(Control::Command2);
                press(Qt::Key_Space);
                break;
            case Ending::closeWindow:
                window().close();
                break;
        }
    });
    // Guards against a hang only; a program that ends returns 0 long before.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(99); });
    guard.start(30000);
    EXPECT_EQ(QApplication::exec(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEnd,
                         ::testing::Values(EndingCase{"ClickExit", Ending::clickExit},
                                           EndingCase{"SpaceOnExit", Ending::spaceOnExit},
                                           EndingCase{"CloseTheWindow", Ending::closeWindow}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace involute
