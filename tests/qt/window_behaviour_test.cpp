// The window at work: focus, Start, error reports, keys and Exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>
#include <ostream>

#include "window_fixture.h"

namespace involute {
namespace {

using testing::DialogRecord;
using testing::WindowTest;
using ui::Control;

const std::vector<std::string> kExampleResults = {"62.0650079416401", "57.5941477279766",
                                                  "23.3989618698559", "6.64229572671048",
                                                  "2.97170605410439", "12.8349709170999"};

const char* const kResultNames[] = {"Text9", "Text10", "Text11", "Text12", "Text13", "Text14"};

class WindowBehaviour : public WindowTest {
  protected:
    // The colour the result fields show, by name: "menu bar" or "field".
    std::string resultShading() const {
        const QColor menuBar = QApplication::palette(field("Text9")).color(QPalette::Window);
        const QColor background = QApplication::palette(field("Text9")).color(QPalette::Base);
        std::string shading;
        for (const char* result : kResultNames) {
            const QColor shown = field(result)->palette().color(QPalette::Base);
            const std::string each = shown == menuBar      ? "menu bar"
                                     : shown == background ? "field"
                                                           : shown.name().toStdString();
            if (!shading.empty() && each != shading) {
                return "mixed";
            }
            shading = each;
        }
        return shading;
    }
};

TEST_F(WindowBehaviour, StartShowsTheExampleResults) {
    click("Command1");
    EXPECT_EQ(resultTexts(), kExampleResults);
    EXPECT_EQ(captionOf("Command1"), "计算结束");
    EXPECT_EQ(resultShading(), "field");
}

TEST_F(WindowBehaviour, StartTwiceGivesTheSameResults) {
    click("Command1");
    click("Command1");
    EXPECT_EQ(resultTexts(), kExampleResults);
    EXPECT_EQ(captionOf("Command1"), "计算结束");
}

TEST_F(WindowBehaviour, SpaceOnStartRunsIt) {
    ASSERT_EQ(focusName(), "Command1");
    press(Qt::Key_Space);
    EXPECT_EQ(resultTexts(), kExampleResults);
}

TEST_F(WindowBehaviour, EditingAfterARunKeepsTheResults) {
    click("Command1");
    click("Text4");
    EXPECT_EQ(captionOf("Command1"), "开  始");
    EXPECT_EQ(resultShading(), "menu bar");
    EXPECT_EQ(resultTexts(), kExampleResults);
}

TEST_F(WindowBehaviour, ResultFieldFocusChangesNothing) {
    click("Command1");
    click("Text11");
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "Text12");
    EXPECT_EQ(captionOf("Command1"), "计算结束");
    EXPECT_EQ(resultShading(), "field");
    EXPECT_EQ(textOf("Text12"), "6.64229572671048");
}

// A focus that comes back to a field (the window reactivated, a context menu
// closed) is no GotFocus: the user's caret and selection stay.
TEST_F(WindowBehaviour, ReturningFocusIsNoGotFocus) {
    click("Text1");
    click("Command1");
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent returning(QEvent::FocusIn, reason);
        QApplication::sendEvent(field("Text2"), &returning);
        EXPECT_EQ(captionOf("Command1"), "计算结束") << reason;
        EXPECT_FALSE(field("Text2")->hasSelectedText()) << reason;
    }
}

enum class Arrival { tab, shiftTab, mouse, program };

struct ArrivalCase {
    const char* name;
    Arrival how;
    const char* field;
};

void PrintTo(const ArrivalCase& row, std::ostream* os) {
    *os << row.name;
}

class FocusArrival : public WindowBehaviour, public ::testing::WithParamInterface<ArrivalCase> {};

TEST_P(FocusArrival, SelectsTheWholeTextAndTypingReplacesIt) {
    click("Command1");
    switch (GetParam().how) {
        case Arrival::tab:
            window().setFocus(Control::Command2);
            press(Qt::Key_Tab);
            break;
        case Arrival::shiftTab:
            window().setFocus(Control::Text9);
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Arrival::mouse:
            click(GetParam().field);
            break;
        case Arrival::program:
            window().setFocus(Control::Text4);
            break;
    }
    ASSERT_EQ(focusName(), GetParam().field);
    QLineEdit* arrived = field(GetParam().field);
    const QString before = arrived->text();
    EXPECT_EQ(arrived->selectedText(), before);
    EXPECT_EQ(arrived->selectionStart(), 0);
    EXPECT_EQ(captionOf("Command1"), "开  始");
    EXPECT_EQ(resultShading(), "menu bar");
    EXPECT_EQ(resultTexts(), kExampleResults);

    QTest::keyClicks(arrived, QStringLiteral("31.5"));
    EXPECT_EQ(arrived->text().toStdString(), "31.5");
}

INSTANTIATE_TEST_SUITE_P(Ways, FocusArrival,
                         ::testing::Values(ArrivalCase{"Tab", Arrival::tab, "Text8"},
                                           ArrivalCase{"ShiftTab", Arrival::shiftTab, "Text1"},
                                           ArrivalCase{"Mouse", Arrival::mouse, "Text3"},
                                           ArrivalCase{"Program", Arrival::program, "Text4"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(WindowBehaviour, SecondClickPlacesTheCaret) {
    click("Text6");
    ASSERT_EQ(field("Text6")->selectedText().toStdString(), "65.7");
    QTest::mouseClick(field("Text6"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 9));
    EXPECT_FALSE(field("Text6")->hasSelectedText());
    EXPECT_EQ(field("Text6")->cursorPosition(), 0);
    QTest::keyClicks(field("Text6"), QStringLiteral("1"));
    EXPECT_EQ(textOf("Text6"), "165.7");
}

TEST_F(WindowBehaviour, DragOfTheFocusingClickKeepsTheSelection) {
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

TEST_F(WindowBehaviour, FocusSelectsATextWithCharactersBeyondUtf16) {
    window().setText(Control::Text2, "𝟐𝟓");
    click("Text2");
    EXPECT_EQ(field("Text2")->selectedText().toStdString(), "𝟐𝟓");
}

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

struct FailureCase {
    const char* name;
    bool exampleFirst;  // the example's results are on screen before the failed run
    std::vector<std::pair<const char*, const char*>> typed;
    const char* message;
    const char* fieldAtFault;
    std::vector<std::string> results;
};

void PrintTo(const FailureCase& row, std::ostream* os) {
    *os << row.name;
}

class FailedRun : public WindowBehaviour, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedRun, ReportsOnceThenReturnsToTheField) {
    if (GetParam().exampleFirst) {
        click("Command1");
    }
    for (const auto& [name, text] : GetParam().typed) {
        typeInto(name, text);
    }
    click("Command1");

    const std::vector<DialogRecord> dialogs = takeDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].objectName, "errorReport");
    EXPECT_EQ(dialogs[0].title, "渐开线");
    EXPECT_EQ(dialogs[0].text, GetParam().message);
    EXPECT_EQ(dialogs[0].buttons, std::vector<std::string>{"确定"});

    EXPECT_EQ(window().focusWidget()->objectName().toStdString(), GetParam().fieldAtFault);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_EQ(focusName(), GetParam().fieldAtFault);
    QLineEdit* atFault = field(GetParam().fieldAtFault);
    EXPECT_EQ(atFault->selectedText(), atFault->text());
    EXPECT_EQ(captionOf("Command1"), "开  始");
    EXPECT_EQ(resultShading(), "menu bar");
    EXPECT_EQ(resultTexts(), GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FailedRun,
    ::testing::Values(
        FailureCase{"ModuleWithComma",
                    false,
                    {{"Text1", "2,25"}},
                    "模数 “2,25” 不是有效的数字",
                    "Text1",
                    {"0", "0", "0", "0", "0", "0"}},
        FailureCase{"EmptyTipDiameter",
                    false,
                    {{"Text6", ""}},
                    "大径未填写，请输入一个数字",
                    "Text6",
                    {"0", "0", "0", "0", "0", "0"}},
        FailureCase{"EmptyTipDiameterKeepsTheExampleResults",
                    true,
                    {{"Text6", ""}},
                    "大径未填写，请输入一个数字",
                    "Text6",
                    kExampleResults},
        FailureCase{
            "StartCircleInsideBaseCircle",
            false,
            {{"Text1", "2"}, {"Text2", "20"}, {"Text4", "0"}, {"Text6", "44"}, {"Text8", "37"}},
            "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离",
            "Text8",
            {"40", "37.5877048314363", "0", "5.90426286818709", "", ""}},
        // The example's setting distance and recording length must not stay
        // beside the new gear's diameters.
        FailureCase{
            "StartCircleInsideBaseCircleAfterTheExample",
            true,
            {{"Text1", "2"}, {"Text2", "20"}, {"Text4", "0"}, {"Text6", "44"}, {"Text8", "37"}},
            "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离",
            "Text8",
            {"40", "37.5877048314363", "0", "5.90426286818709", "", ""}}),
    [](const auto& row) { return std::string(row.param.name); });

struct QuietKeyCase {
    const char* name;
    const char* control;
    Qt::Key key;
};

void PrintTo(const QuietKeyCase& row, std::ostream* os) {
    *os << row.name;
}

class QuietKey : public WindowBehaviour, public ::testing::WithParamInterface<QuietKeyCase> {};

// Enter is no shortcut for Start: there is no default button.
TEST_P(QuietKey, ChangesNothing) {
    window().setFocus(Control::Command1);
    click(GetParam().control);
    const std::string caption = captionOf("Command1");
    const std::vector<std::string> results = resultTexts();
    const std::string text = textOf("Text1");

    press(GetParam().key);

    EXPECT_EQ(focusName(), GetParam().control);
    EXPECT_EQ(captionOf("Command1"), caption);
    EXPECT_EQ(resultTexts(), results);
    EXPECT_EQ(textOf("Text1"), text);
}

INSTANTIATE_TEST_SUITE_P(Keys, QuietKey,
                         ::testing::Values(QuietKeyCase{"ReturnInAField", "Text1", Qt::Key_Return},
                                           QuietKeyCase{"EnterInAField", "Text1", Qt::Key_Enter},
                                           QuietKeyCase{"ReturnInAResult", "Text9",
                                                        Qt::Key_Return}),
                         [](const auto& row) { return std::string(row.param.name); });

// A focused button is clicked by Enter as by Space; the focus frame shows
// from the start, as after a Tab.
class KeyOnAFocusedButton : public WindowBehaviour,
                            public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(KeyOnAFocusedButton, RunsStart) {
    ASSERT_EQ(focusName(), "Command1");
    press(GetParam());
    EXPECT_EQ(captionOf("Command1"), "计算结束");
    EXPECT_EQ(resultTexts(), kExampleResults);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyOnAFocusedButton,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

TEST_F(WindowBehaviour, StartShowsItsFocusFrameFromTheStart) {
    ASSERT_EQ(focusName(), "Command1");
    const QImage atStart = button("Command1")->grab().toImage();
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), "Command1");
    EXPECT_TRUE(button("Command1")->grab().toImage() == atStart) << "no focus frame at start";
}

// One cell copied from a spreadsheet comes with its line end.
TEST_F(WindowBehaviour, PastedSpreadsheetCellIsTaken) {
    typeInto("Text1", "7");
    click("Text2");
    click("Text1");
    QGuiApplication::clipboard()->setText(QStringLiteral("2.25\r\n"));
    press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(textOf("Text1"), "2.25\r\n");
    click("Command1");
    EXPECT_EQ(resultTexts(), kExampleResults);
}

struct DoubleClickCase {
    const char* name;
    Control field;
    const char* text;
    int clickedCharacter;
};

void PrintTo(const DoubleClickCase& row, std::ostream* os) {
    *os << row.name;
}

class DoubleClick : public WindowBehaviour,
                    public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClick, SelectsTheWholeNumber) {
    const DoubleClickCase& row = GetParam();
    window().setText(row.field, row.text);
    QLineEdit* edit = field(std::string(ui::controlName(row.field)));
    // The first pixel that puts the caret after the clicked character.
    int x = 0;
    while (x < edit->width() &&
           edit->cursorPositionAt(QPoint(x, edit->height() / 2)) <= row.clickedCharacter) {
        ++x;
    }
    QTest::mouseDClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(x - 1, edit->height() / 2));
    EXPECT_EQ(edit->selectedText(), edit->text());
}

INSTANTIATE_TEST_SUITE_P(Numbers, DoubleClick,
                         ::testing::Values(DoubleClickCase{"ResultAfterItsPoint", Control::Text10,
                                                           "56.2500000085674", 6},
                                           DoubleClickCase{"ResultInItsExponent", Control::Text9,
                                                           "-1.23456789012345E+300", 19},
                                           DoubleClickCase{"SignedInput", Control::Text4, "-25", 2},
                                           DoubleClickCase{"FullWidthInput", Control::Text1,
                                                           "２．２５", 3}),
                         [](const auto& row) { return std::string(row.param.name); });

enum class Ending { clickExit, spaceOnExit, closeWindow };

struct EndingCase {
    const char* name;
    Ending how;
};

void PrintTo(const EndingCase& row, std::ostream* os) {
    *os << row.name;
}

class ProgramEnd : public WindowBehaviour, public ::testing::WithParamInterface<EndingCase> {};

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
