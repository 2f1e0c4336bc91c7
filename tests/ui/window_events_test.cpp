// Which handler each control's events run, as both bindings deliver them.
#include "window_events.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fake_window.h"

namespace involute {
namespace {

using testing::FakeWindow;
using ui::AfterEvent;
using ui::Control;
using ui::Event;

struct EventCase {
    const char* name;
    Control control;
    Event event;
    std::string firstOperation;  // empty: the event runs nothing
    AfterEvent after;
};

void PrintTo(const EventCase& row, std::ostream* os) {
    *os << row.name;
}

class Dispatch : public ::testing::TestWithParam<EventCase> {};

TEST_P(Dispatch, RunsTheHandlerTheLayoutWires) {
    const EventCase& row = GetParam();
    FakeWindow window;
    EXPECT_EQ(ui::dispatchEvent(window, row.control, row.event), row.after);
    EXPECT_EQ(window.operations().empty() ? std::string() : window.operations().front(),
              row.firstOperation);
}

INSTANTIATE_TEST_SUITE_P(
    Events, Dispatch,
    ::testing::Values(
        EventCase{"StartClickRuns", Control::Command1, Event::click, "text Text1",
                  AfterEvent::carryOn},
        EventCase{"StartFocusRunsNothing", Control::Command1, Event::gotFocus, "",
                  AfterEvent::carryOn},
        EventCase{"ExitClickEnds", Control::Command2, Event::click, "", AfterEvent::endProgram},
        EventCase{"ExitFocusStays", Control::Command2, Event::gotFocus, "", AfterEvent::carryOn},
        EventCase{"InputFocusSelects", Control::Text8, Event::gotFocus, "setSelStart Text8 0",
                  AfterEvent::carryOn},
        EventCase{"InputClickRunsNothing", Control::Text1, Event::click, "", AfterEvent::carryOn},
        EventCase{"ResultFocusRunsNothing", Control::Text9, Event::gotFocus, "",
                  AfterEvent::carryOn},
        EventCase{"LabelRunsNothing", Control::Label9, Event::click, "", AfterEvent::carryOn},
        EventCase{"WindowRunsNothing", Control::JKX1, Event::gotFocus, "", AfterEvent::carryOn}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace involute
