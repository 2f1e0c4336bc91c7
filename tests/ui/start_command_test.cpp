#include "start_command.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "fake_window.h"
#include "window_states.h"

namespace involute {
namespace {

using testing::FakeWindow;
using ui::Control;

const std::vector<std::string> kReadInputs = {"text Text1", "text Text2", "text Text3",
                                              "text Text4", "text Text6", "text Text8"};

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<std::string> shade(const char* colour) {
    std::vector<std::string> ops;
    for (const char* field : {"Text9", "Text10", "Text11", "Text12", "Text13", "Text14"}) {
        ops.push_back(std::string("setBackColor ") + field + " " + colour);
    }
    return ops;
}

const std::vector<std::string> kRunningState =
    concat({{"setCaption Command1 正在计算"}, shade("0x80000005")});

const std::vector<std::string> kExampleTopFour = {
    "setText Text9 62.0650079416401", "setText Text10 57.5941477279766",
    "setText Text11 23.3989618698559", "setText Text12 6.64229572671048"};

// After the report of a run that failed while computing: the result fields
// from the first it could not write on are emptied.
std::vector<std::string> emptyFrom(const std::string& firstUnwritten) {
    std::vector<std::string> ops;
    bool unwritten = false;
    for (const char* field : {"Text9", "Text10", "Text11", "Text12", "Text13", "Text14"}) {
        unwritten = unwritten || field == firstUnwritten;
        if (unwritten) {
            ops.push_back(std::string("setText ") + field + " ");
        }
    }
    return ops;
}

// After a report: the focus and a full selection on the field at fault, the
// Editing caption, the results grey.
std::vector<std::string> backTo(const std::string& field, int length) {
    return concat(
        {{"setFocus " + field, "setSelStart " + field + " 0", "text " + field,
          "setSelLength " + field + " " + std::to_string(length), "setCaption Command1 开  始"},
         shade("0x80000004")});
}

TEST(StartCommand, GoodRunOperationsInOrder) {
    FakeWindow window;
    calc::runStartCommand(window);
    EXPECT_EQ(window.operations(),
              concat({kReadInputs,
                      kRunningState,
                      kExampleTopFour,
                      {"setText Text13 2.97170605410439", "setText Text14 12.8349709170999",
                       "setCaption Command1 计算结束"}}));
    EXPECT_TRUE(window.reports().empty());
    EXPECT_EQ(window.focus(), Control::Command1);
}

TEST(StartCommand, TwoRunsGiveTheSameResults) {
    FakeWindow window;
    calc::runStartCommand(window);
    const std::vector<std::string> first = window.operations();
    window.clearOperations();
    calc::runStartCommand(window);
    EXPECT_EQ(window.operations(), first);
    EXPECT_EQ(window.caption(Control::Command1), ui::kCaptionDone);
}

struct FailureCase {
    const char* name;
    std::vector<std::pair<Control, const char*>> typed;
    std::vector<std::string> operations;
};

void PrintTo(const FailureCase& row, std::ostream* os) {
    *os << row.name;
}

class FailedStart : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailedStart, ReportsAndReturnsToTheField) {
    FakeWindow window;
    for (const auto& [field, text] : GetParam().typed) {
        window.type(field, text);
    }
    std::vector<std::string> inputsBefore;
    inputsBefore.reserve(ui::kInputFields.size());
    for (const Control field : ui::kInputFields) {
        inputsBefore.push_back(window.text(field));
    }
    window.clearOperations();

    calc::runStartCommand(window);

    EXPECT_EQ(window.operations(), GetParam().operations);
    EXPECT_EQ(window.reports().size(), 1u);
    for (std::size_t i = 0; i < ui::kInputFields.size(); ++i) {
        EXPECT_EQ(window.text(ui::kInputFields[i]), inputsBefore[i]) << "input text changed";
    }
}

const std::vector<std::string> kSpurTopFour = {
    "setText Text9 40", "setText Text10 37.5877048314363", "setText Text11 0",
    "setText Text12 5.90426286818709"};

INSTANTIATE_TEST_SUITE_P(
    StartCommand, FailedStart,
    ::testing::Values(
        FailureCase{
            "BadModuleStopsBeforeAnyChange",
            {{Control::Text1, "2,25"}},
            concat({{"text Text1", "reportError 模数 “2,25” 不是有效的数字"}, backTo("Text1", 4)})},
        FailureCase{"BadStartCircleReadsEveryField",
                    {{Control::Text8, "五十"}},
                    concat({kReadInputs,
                            {"reportError 渐开线起始圆 “五十” 不是有效的数字"},
                            backTo("Text8", 2)})},
        FailureCase{"StartCircleInsideBaseCircleKeepsTopFour",
                    {{Control::Text1, "2"},
                     {Control::Text2, "20"},
                     {Control::Text4, "0"},
                     {Control::Text6, "44"},
                     {Control::Text8, "37"}},
                    concat({kReadInputs,
                            kRunningState,
                            kSpurTopFour,
                            {"reportError 渐开线起始圆直径 37 小于基圆直径 37.5877048314363，"
                             "无法计算安装距离"},
                            backTo("Text8", 2),
                            emptyFrom("Text13")})},
        FailureCase{"TipInsideBaseCircleWritesNeitherLength",
                    {{Control::Text1, "2"},
                     {Control::Text2, "20"},
                     {Control::Text4, "0"},
                     {Control::Text6, "37"},
                     {Control::Text8, "38"}},
                    concat({kReadInputs,
                            kRunningState,
                            kSpurTopFour,
                            {"reportError 大径 37 小于基圆直径 37.5877048314363，无法计算记录长度"},
                            backTo("Text6", 2),
                            emptyFrom("Text13")})},
        FailureCase{
            "BaseHelixUndefinedReturnsToHelixAngle",
            {{Control::Text3, "0"}, {Control::Text4, "90"}},
            concat({kReadInputs,
                    kRunningState,
                    {"setText Text9 3.48179808160082E+16", "setText Text10 3.48179808160082E+16",
                     "reportError 压力角 0、螺旋角 90 时基圆螺旋角为 90°，无法计算基圆螺旋角"},
                    backTo("Text4", 2),
                    emptyFrom("Text11")})}),
    [](const auto& row) { return row.param.name; });

// Runs the example, then again with `field` set to `text`; returns the result
// texts after the second run.
std::vector<std::string> resultsAfterSecondRun(FakeWindow& window, Control field,
                                               const char* text) {
    calc::runStartCommand(window);
    window.type(field, text);
    calc::runStartCommand(window);
    std::vector<std::string> results;
    results.reserve(ui::kResultFields.size());
    for (const Control result : ui::kResultFields) {
        results.push_back(window.text(result));
    }
    return results;
}

const std::vector<std::string> kExampleResults = {"62.0650079416401", "57.5941477279766",
                                                  "23.3989618698559", "6.64229572671048",
                                                  "2.97170605410439", "12.8349709170999"};

TEST(StartCommand, FailureWhileComputingShowsNoResultOfTheGearBefore) {
    FakeWindow window;
    const std::vector<std::string> results = resultsAfterSecondRun(window, Control::Text6, "50");

    EXPECT_EQ(results, std::vector<std::string>({"62.0650079416401", "57.5941477279766",
                                                 "23.3989618698559", "6.64229572671048", "", ""}));
    EXPECT_EQ(window.caption(Control::Command1), ui::kCaptionEditing);
    for (const Control field : ui::kResultFields) {
        EXPECT_EQ(window.backColor(field), ui::kResultsStale);
    }
    EXPECT_EQ(window.focus(), Control::Text6);
    EXPECT_EQ(window.selStart(Control::Text6), 0);
    EXPECT_EQ(window.selLength(Control::Text6), 2);
}

TEST(StartCommand, FailureWhileReadingKeepsTheResultsOfTheGearBefore) {
    FakeWindow window;
    EXPECT_EQ(resultsAfterSecondRun(window, Control::Text8, "x"), kExampleResults);
    EXPECT_EQ(window.caption(Control::Command1), ui::kCaptionEditing);
    for (const Control field : ui::kResultFields) {
        EXPECT_EQ(window.backColor(field), ui::kResultsStale);
    }
}

}  // namespace
}  // namespace involute
