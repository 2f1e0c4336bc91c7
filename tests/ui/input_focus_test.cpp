#include "input_focus.h"

#include <gtest/gtest.h>

#include <ostream>

#include "fake_window.h"
#include "start_command.h"
#include "window_states.h"

namespace involute {
namespace {

using testing::FakeWindow;
using ui::Control;

class InputFocus : public ::testing::TestWithParam<Control> {};

TEST_P(InputFocus, SelectsWholeTextAndMarksResultsStale) {
    FakeWindow window;
    calc::runStartCommand(window);
    window.type(GetParam(), "１２．５ mm");
    window.clearOperations();

    ui::onInputFieldGotFocus(window, GetParam());

    const std::string name(ui::controlName(GetParam()));
    EXPECT_EQ(window.operations(),
              (std::vector<std::string>{
                  "setSelStart " + name + " 0", "text " + name, "setSelLength " + name + " 7",
                  "setCaption Command1 开  始", "setBackColor Text9 0x80000004",
                  "setBackColor Text10 0x80000004", "setBackColor Text11 0x80000004",
                  "setBackColor Text12 0x80000004", "setBackColor Text13 0x80000004",
                  "setBackColor Text14 0x80000004"}));
    EXPECT_EQ(window.text(Control::Text9), "62.0650079416401") << "results must stay";
}

INSTANTIATE_TEST_SUITE_P(EveryInputField, InputFocus, ::testing::ValuesIn(ui::kInputFields),
                         [](const auto& row) { return std::string(ui::controlName(row.param)); });

struct LengthCase {
    const char* name;
    std::string_view text;
    int characters;
};

void PrintTo(const LengthCase& row, std::ostream* os) {
    *os << row.name;
}

class CharacterLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(CharacterLength, CountsCodePoints) {
    EXPECT_EQ(ui::lengthInCharacters(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(Utf8, CharacterLength,
                         ::testing::Values(LengthCase{"Empty", "", 0},
                                           LengthCase{"Ascii", "65.7", 4},
                                           LengthCase{"Chinese", "渐开线", 3},
                                           LengthCase{"FullWidth", "２．２５", 4},
                                           LengthCase{"FourByte", "\U0001F600x", 2},
                                           LengthCase{"TruncatedSequence", "\xE6\xB8", 2},
                                           LengthCase{"StrayContinuation", "\x80\x80", 2}),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute
