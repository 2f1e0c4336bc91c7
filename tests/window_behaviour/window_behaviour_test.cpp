// The window at work, the same rows for every binding: Start, its error
// reports, focus and selection, keys, paste and double click.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "behaviour_driver.h"

namespace involute::testing {
namespace {

using ui::Control;

const std::vector<std::string> kExampleResults = {"62.0650079416401", "57.5941477279766",
                                                  "23.3989618698559", "6.64229572671048",
                                                  "2.97170605410439", "12.8349709170999"};

const std::vector<std::string> kZeroResults = {"0", "0", "0", "0", "0", "0"};

// A row of a table below prints as its name.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// The cases of a table are named after their rows.
constexpr auto kRowName = [](const auto& row) { return std::string(row.param.name); };

// A start circle inside the base circle: the gear's diameters are known, its
// setting distance and recording length are not.
const std::vector<std::pair<Control, const char*>> kStartInsideBase = {{Control::Text1, "2"},
                                                                       {Control::Text2, "20"},
                                                                       {Control::Text4, "0"},
                                                                       {Control::Text6, "44"},
                                                                       {Control::Text8, "37"}};

class WindowBehaviour : public ::testing::Test {
  protected:
    void SetUp() override {
        driver_ = makeBehaviourDriver();
        driver_->open();
    }
    void TearDown() override {
        for (const ErrorReport& report : driver_->takeReports()) {
            ADD_FAILURE() << "unexpected error report: " << report.message;
        }
        driver_->close();
    }

    [[nodiscard]] BehaviourDriver& window() const { return *driver_; }

    // Clicks into the field and types `text` over its selection (deletes it
    // when `text` is empty).
    void typeInto(Control field, std::string_view text) const {
        window().click(field);
        if (text.empty()) {
            window().press(Key::del);
        }
        window().type(text);
    }

    [[nodiscard]] std::vector<std::string> texts(const std::vector<Control>& controls) const {
        std::vector<std::string> shown;
        shown.reserve(controls.size());
        for (const Control control : controls) {
            shown.push_back(window().text(control));
        }
        return shown;
    }
    [[nodiscard]] std::vector<std::string> results() const {
        return texts({Control::Text9, Control::Text10, Control::Text11, Control::Text12,
                      Control::Text13, Control::Text14});
    }

  private:
    std::unique_ptr<BehaviourDriver> driver_;
};

TEST_F(WindowBehaviour, OpensWithTheExampleAndStaleZeroResults) {
    EXPECT_EQ(texts({Control::Text1, Control::Text2, Control::Text3, Control::Text4, Control::Text6,
                     Control::Text8}),
              (std::vector<std::string>{"2.25", "25", "20", "25", "65.7", "57.9"}));
    EXPECT_EQ(results(), kZeroResults);
    EXPECT_EQ(window().resultShading(), "stale");
    EXPECT_EQ(window().text(Control::Command1), "开    始");
    EXPECT_EQ(window().text(Control::Command2), "退    出");
    EXPECT_EQ(window().focus(), "Command1");
}

TEST_F(WindowBehaviour, TabCycleFollowsTabIndex) {
    const std::vector<std::string> expected = {
        "Command2", "Text8",  "Text6",  "Text4",  "Text3",  "Text2",    "Text1",    "Text9",
        "Text10",   "Text11", "Text12", "Text13", "Text14", "Command1", "Command2", "Text8"};
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        window().press(Key::tab);
        visited.push_back(window().focus());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowBehaviour, ShiftTabCycleRunsBackwards) {
    const std::vector<std::string> expected = {"Text14", "Text13", "Text12",   "Text11",  "Text10",
                                               "Text9",  "Text1",  "Text2",    "Text3",   "Text4",
                                               "Text6",  "Text8",  "Command2", "Command1"};
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        window().press(Key::shiftTab);
        visited.push_back(window().focus());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowBehaviour, StartShowsTheExampleResults) {
    window().click(Control::Command1);
    EXPECT_EQ(results(), kExampleResults);
    EXPECT_EQ(window().text(Control::Command1), "计算结束");
    EXPECT_EQ(window().resultShading(), "current");
}

TEST_F(WindowBehaviour, StartTwiceGivesTheSameResults) {
    window().click(Control::Command1);
    window().click(Control::Command1);
    EXPECT_EQ(results(), kExampleResults);
    EXPECT_EQ(window().text(Control::Command1), "计算结束");
}

TEST_F(WindowBehaviour, ResultFieldFocusChangesNothing) {
    window().click(Control::Command1);
    window().click(Control::Text11);
    window().press(Key::tab);
    EXPECT_EQ(window().focus(), "Text12");
    window().setFocus(Control::Text13);
    EXPECT_EQ(window().focus(), "Text13");
    EXPECT_EQ(window().text(Control::Command1), "计算结束");
    EXPECT_EQ(window().resultShading(), "current");
    EXPECT_EQ(window().text(Control::Text12), "6.64229572671048");
}

enum class Arrival { tab, shiftTab, mouse, program };

struct ArrivalCase {
    const char* name;
    Arrival how;
    Control field;
};

class FocusArrival : public WindowBehaviour, public ::testing::WithParamInterface<ArrivalCase> {};

TEST_P(FocusArrival, SelectsTheWholeTextMarksResultsStaleAndTypingReplacesIt) {
    window().click(Control::Command1);
    switch (GetParam().how) {
        case Arrival::tab:
            window().setFocus(Control::Command2);
            window().press(Key::tab);
            break;
        case Arrival::shiftTab:
            window().setFocus(Control::Text9);
            window().press(Key::shiftTab);
            break;
        case Arrival::mouse:
            window().click(GetParam().field);
            break;
        case Arrival::program:
            window().setFocus(GetParam().field);
            break;
    }
    ASSERT_EQ(window().focus(), ui::controlName(GetParam().field));
    EXPECT_TRUE(window().wholeTextSelected(GetParam().field));
    EXPECT_EQ(window().text(Control::Command1), "开  始");
    EXPECT_EQ(window().resultShading(), "stale");
    EXPECT_EQ(results(), kExampleResults);

    window().type("31.5");
    EXPECT_EQ(window().text(GetParam().field), "31.5");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FocusArrival,
    ::testing::Values(ArrivalCase{"Tab", Arrival::tab, Control::Text8},
                      ArrivalCase{"ShiftTab", Arrival::shiftTab, Control::Text1},
                      ArrivalCase{"Mouse", Arrival::mouse, Control::Text3},
                      ArrivalCase{"Program", Arrival::program, Control::Text4}),
    kRowName);

// A character beyond U+FFFF is two UTF-16 units but one character.
class FocusingClick : public WindowBehaviour,
                      public ::testing::WithParamInterface<std::pair<Control, const char*>> {};

TEST_P(FocusingClick, SelectsATextWithCharactersBeyondUtf16Whole) {
    window().setText(GetParam().first, GetParam().second);
    window().click(GetParam().first);
    EXPECT_TRUE(window().wholeTextSelected(GetParam().first));
    EXPECT_EQ(window().text(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Texts, FocusingClick,
                         ::testing::Values(std::pair{Control::Text2, "𝟐𝟓"},
                                           std::pair{Control::Text4, "2\U0001F600"}));

struct FailureCase {
    const char* name;
    bool exampleFirst;  // the example's results are on screen before the failed run
    std::vector<std::pair<Control, const char*>> typed;
    const char* message;
    Control fieldAtFault;
    std::vector<std::string> results;
};

class FailedRun : public WindowBehaviour, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedRun, ReportsOnceThenReturnsToTheField) {
    if (GetParam().exampleFirst) {
        window().click(Control::Command1);
    }
    for (const auto& [field, text] : GetParam().typed) {
        typeInto(field, text);
    }
    window().click(Control::Command1);

    const std::vector<ErrorReport> reports = window().takeReports();
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports[0].title, "渐开线");
    EXPECT_EQ(reports[0].message, GetParam().message);
    EXPECT_EQ(reports[0].button, "确定");

    EXPECT_EQ(window().focus(), ui::controlName(GetParam().fieldAtFault));
    EXPECT_TRUE(window().wholeTextSelected(GetParam().fieldAtFault));
    EXPECT_EQ(window().text(Control::Command1), "开  始");
    EXPECT_EQ(window().resultShading(), "stale");
    EXPECT_EQ(results(), GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FailedRun,
    ::testing::Values(
        FailureCase{"ModuleWithComma",
                    false,
                    {{Control::Text1, "2,25"}},
                    "模数 “2,25” 不是有效的数字",
                    Control::Text1,
                    kZeroResults},
        FailureCase{"EmptyTipDiameter",
                    false,
                    {{Control::Text6, ""}},
                    "大径未填写，请输入一个数字",
                    Control::Text6,
                    kZeroResults},
        FailureCase{"EmptyTipDiameterKeepsTheExampleResults",
                    true,
                    {{Control::Text6, ""}},
                    "大径未填写，请输入一个数字",
                    Control::Text6,
                    kExampleResults},
        FailureCase{"StartCircleInsideBaseCircle",
                    false,
                    kStartInsideBase,
                    "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离",
                    Control::Text8,
                    {"40", "37.5877048314363", "0", "5.90426286818709", "", ""}},
        // The example's setting distance and recording length must not stay
        // beside the new gear's diameters.
        FailureCase{"StartCircleInsideBaseCircleAfterTheExample",
                    true,
                    kStartInsideBase,
                    "渐开线起始圆直径 37 小于基圆直径 37.5877048314363，无法计算安装距离",
                    Control::Text8,
                    {"40", "37.5877048314363", "0", "5.90426286818709", "", ""}}),
    kRowName);

struct KeyCase {
    const char* name;
    Control control;
    Key key;
};

class QuietKey : public WindowBehaviour, public ::testing::WithParamInterface<KeyCase> {};

// Enter is no shortcut for Start: there is no default button.
TEST_P(QuietKey, ChangesNothing) {
    window().setFocus(Control::Command1);
    window().click(GetParam().control);
    const std::string caption = window().text(Control::Command1);
    const std::vector<std::string> before = results();

    window().press(GetParam().key);

    EXPECT_EQ(window().focus(), ui::controlName(GetParam().control));
    EXPECT_EQ(window().text(Control::Command1), caption);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(window().text(Control::Text1), "2.25");
}

INSTANTIATE_TEST_SUITE_P(Keys, QuietKey,
                         ::testing::Values(KeyCase{"ReturnInAField", Control::Text1, Key::enter},
                                           KeyCase{"EnterInAField", Control::Text1,
                                                   Key::keypadEnter},
                                           KeyCase{"ReturnInAResult", Control::Text9, Key::enter}),
                         kRowName);

// A focused button is clicked by Enter as by Space.
class KeyOnAFocusedButton : public WindowBehaviour, public ::testing::WithParamInterface<Key> {};

TEST_P(KeyOnAFocusedButton, RunsStart) {
    ASSERT_EQ(window().focus(), "Command1");
    window().press(GetParam());
    EXPECT_EQ(window().text(Control::Command1), "计算结束");
    EXPECT_EQ(results(), kExampleResults);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyOnAFocusedButton,
                         ::testing::Values(Key::enter, Key::keypadEnter, Key::space));

// One cell copied from a spreadsheet comes with its line end: a Win32 edit
// control keeps the line before it, a Qt line edit keeps it too and the
// calculation takes it.
TEST_F(WindowBehaviour, PastedSpreadsheetCellIsTaken) {
    typeInto(Control::Text1, "7");
    window().click(Control::Text2);
    window().click(Control::Text1);
    window().paste("2.25\r\n");
    window().click(Control::Command1);
    EXPECT_EQ(results(), kExampleResults);
}

struct DoubleClickCase {
    const char* name;
    Control field;
    const char* text;
    int clickedCharacter;
};

class DoubleClick : public WindowBehaviour,
                    public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClick, SelectsTheWholeNumber) {
    window().setText(GetParam().field, GetParam().text);
    window().doubleClick(GetParam().field, GetParam().clickedCharacter);
    EXPECT_TRUE(window().wholeTextSelected(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, DoubleClick,
    ::testing::Values(
        DoubleClickCase{"ResultAfterItsPoint", Control::Text10, "56.2500000085674", 6},
        DoubleClickCase{"ResultInItsExponent", Control::Text9, "-1.2345E+300", 9},
        DoubleClickCase{"ResultInALongExponent", Control::Text9, "-1.23456789012345E+300", 19},
        DoubleClickCase{"SignedInput", Control::Text4, "-25", 2},
        DoubleClickCase{"FullWidthInput", Control::Text1, "２．２５", 3}),
    kRowName);

}  // namespace
}  // namespace involute::testing
