// Fuzzes the Start command on the recording fake window.
//
// The input is up to six lines, typed into the input fields in reading order
// (a field without a line keeps the worked example's text); the result fields
// hold an earlier run's results. Whatever was typed: the inputs stay as typed,
// every result text is "0" or a finite number, a good run ends Done, and a
// failed run is reported once and leaves the window Editing with the field at
// fault selected; one that failed while computing shows what it wrote and
// empties the other result fields, one that could not read its inputs leaves
// the earlier results.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fake_window.h"
#include "fuzz_check.h"
#include "gear_calculation.h"
#include "gear_from_texts.h"
#include "gear_quantities.h"
#include "number_text.h"
#include "start_command.h"
#include "utf8.h"
#include "window_states.h"

namespace {

using involute::fuzz::require;
using involute::testing::FakeWindow;
using involute::ui::Control;
namespace calc = involute::calc;
namespace ui = involute::ui;

constexpr std::size_t kFields = 6;

// What the result fields show before the run: the worked example's results.
constexpr std::array<std::string_view, kFields> kEarlierResults{
    "62.0650079416401", "57.5941477279766", "23.3989618698559",
    "6.64229572671048", "2.97170605410439", "12.8349709170999"};

// A message box shows the first part of a pasted page, not all of it.
constexpr std::size_t kLongestMessage = 512;

struct Operation {
    std::string verb;
    std::string control;
    std::string argument;
};

Operation parse(const std::string& line) {
    const std::size_t verbEnd = line.find(' ');
    if (line.compare(0, verbEnd, "reportError") == 0) {
        return {line.substr(0, verbEnd), "", line.substr(verbEnd + 1)};
    }
    const std::size_t controlEnd = line.find(' ', verbEnd + 1);
    return {line.substr(0, verbEnd), line.substr(verbEnd + 1, controlEnd - verbEnd - 1),
            controlEnd == std::string::npos ? "" : line.substr(controlEnd + 1)};
}

std::string name(Control control) {
    return std::string(ui::controlName(control));
}

// Characters of a valid UTF-8 text: every byte that is not a continuation.
int characters(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::vector<std::string> shownResults(const calc::GearResults& results) {
    std::vector<std::string> texts;
    for (const auto* value :
         {&results.d, &results.db, &results.betaB, &results.pbn, &results.gS, &results.L}) {
        if (*value) {
            texts.push_back(calc::textFromNumber(**value));
        }
    }
    return texts;
}

class StartCommandRun {
  public:
    explicit StartCommandRun(std::string_view input) : input_(input) {
        for (std::size_t i = 0; i < kFields; ++i) {
            window_.type(ui::kResultFields[i], kEarlierResults[i]);
        }
        std::size_t begin = 0;
        for (std::size_t i = 0; i < kFields && begin <= input.size(); ++i) {
            const std::size_t end = std::min(input.find('\n', begin), input.size());
            window_.type(ui::kInputFields[i], input.substr(begin, end - begin));
            begin = end + 1;
        }
        for (std::size_t i = 0; i < kFields; ++i) {
            typed_[i] = window_.text(ui::kInputFields[i]);
        }
        window_.clearOperations();
        calc::runStartCommand(window_);
        // Reading the window below records operations too: keep the run's own.
        lines_ = window_.operations();
        for (const std::string& line : lines_) {
            operations_.push_back(parse(line));
        }
    }

    void check() {
        checkInputsUnchanged();
        const std::size_t written = checkResultWrites();
        checkSameAsComputeGear();
        const std::optional<std::size_t> firstUnreadable = firstUnreadableField();
        if (window_.reports().empty()) {
            require(!firstUnreadable, "an unreadable field is reported", input_);
            checkGoodRun();
        } else {
            checkFailedRun(firstUnreadable, written);
        }
    }

  private:
    void expect(bool holds, std::string_view property) const { require(holds, property, input_); }

    void checkInputsUnchanged() {
        for (const Operation& op : operations_) {
            for (const Control field : ui::kInputFields) {
                expect(!(op.verb == "setText" && op.control == name(field)),
                       "no input field is written");
            }
        }
        for (std::size_t i = 0; i < kFields; ++i) {
            expect(window_.text(ui::kInputFields[i]) == typed_[i], "the inputs stay as typed");
        }
    }

    // Returns how many result fields the run wrote.
    std::size_t checkResultWrites() {
        for (const Operation& op : operations_) {
            if (op.verb != "setText") {
                continue;
            }
            if (op.argument.empty()) {
                emptied_.push_back(op.control);
                continue;
            }
            expect(emptied_.empty() && written_.size() < kFields &&
                       op.control == name(ui::kResultFields[written_.size()]),
                   "results are written once each, top row first, before any is emptied");
            const calc::NumberFromText number = calc::numberFromText(op.argument);
            expect(op.argument == "0" || (number.ok() && std::isfinite(number.value)),
                   "a result text is 0 or a finite number");
            expect(number.ok() && calc::textFromNumber(number.value) == op.argument,
                   "a result text is in its printed form");
            written_.push_back(op.argument);
        }
        for (std::size_t i = 0; i < kFields; ++i) {
            const std::string expected = i < written_.size() ? written_[i]
                                         : emptied_.empty()  ? std::string(kEarlierResults[i])
                                                             : std::string();
            expect(window_.text(ui::kResultFields[i]) == expected,
                   "a result field keeps its last write, is emptied, or keeps the earlier result");
        }
        return written_.size();
    }

    // The command line reads the six texts and computes as computeGearFromTexts
    // does: the window must show the same digits and the same message.
    void checkSameAsComputeGear() {
        std::array<std::string_view, kFields> texts;
        for (std::size_t i = 0; i < kFields; ++i) {
            texts[i] = typed_[i];
        }
        const calc::GearRun run = calc::computeGearFromTexts(texts);
        expect(shownResults(run.results) == written_,
               "the window shows what the calculation gives");
        expect(run.fault.has_value() == !window_.reports().empty(),
               "a run is reported exactly when the calculation fails");
        if (run.fault && !window_.reports().empty()) {
            expect(window_.reports().front() == run.fault->message,
                   "the window reports the calculation's message");
        }
    }

    std::optional<std::size_t> firstUnreadableField() const {
        for (std::size_t i = 0; i < kFields; ++i) {
            if (!calc::numberFromText(typed_[i]).ok()) {
                return i;
            }
        }
        return std::nullopt;
    }

    void expectOperations(std::size_t from, const std::vector<std::string>& expected) const {
        const auto& actual = lines_;
        expect(actual.size() == from + expected.size(), "the run has the expected operations");
        for (std::size_t i = 0; i < expected.size(); ++i) {
            expect(actual[from + i] == expected[i], "the run's operations come in order");
        }
    }

    static std::vector<std::string> shade(ui::ColourCode colour) {
        const std::string code = colour == ui::kResultsCurrent ? "0x80000005" : "0x80000004";
        std::vector<std::string> lines;
        lines.reserve(ui::kResultFields.size());
        for (const Control field : ui::kResultFields) {
            lines.push_back("setBackColor " + name(field) + " " + code);
        }
        return lines;
    }

    std::vector<std::string> readsUpTo(std::size_t last) const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i <= last; ++i) {
            lines.push_back("text " + name(ui::kInputFields[i]));
        }
        return lines;
    }

    std::vector<std::string> runningUpTo(std::size_t written) const {
        std::vector<std::string> lines = readsUpTo(kFields - 1);
        lines.push_back("setCaption Command1 " + std::string(ui::kCaptionRunning));
        for (const std::string& line : shade(ui::kResultsCurrent)) {
            lines.push_back(line);
        }
        for (std::size_t i = 0; i < written; ++i) {
            lines.push_back("setText " + name(ui::kResultFields[i]) + " " + written_[i]);
        }
        return lines;
    }

    void expectResultColour(ui::ColourCode colour) const {
        for (const Control field : ui::kResultFields) {
            expect(window_.backColor(field) == colour, "every result field has the state's colour");
        }
    }

    void checkGoodRun() const {
        expect(written_.size() == kFields, "a good run writes all six results");
        std::vector<std::string> expected = runningUpTo(kFields);
        expected.push_back("setCaption Command1 " + std::string(ui::kCaptionDone));
        expectOperations(0, expected);
        expect(window_.caption(Control::Command1) == ui::kCaptionDone, "a good run ends Done");
        expectResultColour(ui::kResultsCurrent);
        expect(window_.focus() == Control::Command1, "a good run leaves the focus alone");
    }

    void checkFailedRun(std::optional<std::size_t> firstUnreadable, std::size_t written) const {
        expect(window_.reports().size() == 1, "a failed run is reported once");
        const std::string& message = window_.reports().front();
        const Control focus = window_.focus();
        std::size_t field = kFields;
        for (std::size_t i = 0; i < kFields; ++i) {
            if (ui::kInputFields[i] == focus) {
                field = i;
            }
        }
        expect(field < kFields, "the focus goes to an input field");

        std::vector<std::string> before;
        if (firstUnreadable) {
            expect(field == *firstUnreadable, "the first unreadable field is at fault");
            expect(written == 0, "an unreadable field stops the run before any write");
            before = readsUpTo(*firstUnreadable);
        } else {
            // Which input a failing step names, by how far the run got.
            switch (written) {
                case 0:
                case 1:  // reference or base circle diameter
                    expect(field <= 3, "a diameter fault names module, teeth or an angle");
                    break;
                case 2:  // base helix angle
                    expect(field == 3, "a base helix fault names the helix angle");
                    break;
                case 3:  // base pitch
                    expect(field == 0, "a base pitch fault names the module");
                    break;
                case 4:  // roll lengths
                    expect(field == 4 || field == 5, "a roll length fault names a diameter");
                    break;
                default:
                    expect(false, "a failed run writes at most four results");
            }
            before = runningUpTo(written);
        }

        const std::string control = name(focus);
        const std::string& text = typed_[field];
        const int length = ui::lengthInCharacters(text);
        before.push_back("reportError " + message);
        before.push_back("setFocus " + control);
        before.push_back("setSelStart " + control + " 0");
        before.push_back("text " + control);
        before.push_back("setSelLength " + control + " " + std::to_string(length));
        before.push_back("setCaption Command1 " + std::string(ui::kCaptionEditing));
        for (const std::string& line : shade(ui::kResultsStale)) {
            before.push_back(line);
        }
        // No result of the earlier gear stays beside this one's.
        if (!firstUnreadable) {
            for (std::size_t i = written; i < kFields; ++i) {
                before.push_back("setText " + name(ui::kResultFields[i]) + " ");
            }
        }
        expectOperations(0, before);

        expect(window_.caption(Control::Command1) == ui::kCaptionEditing,
               "a failed run ends Editing");
        expectResultColour(ui::kResultsStale);
        expect(window_.selStart(focus) == 0 && window_.selLength(focus) == length,
               "the field at fault is selected whole");
        if (involute::utf8::isValid(text)) {
            expect(length == characters(text), "the selection counts characters, not bytes");
        } else {
            expect(length >= characters(text) && length <= static_cast<int>(text.size()),
                   "a broken character counts at least once, at most byte by byte");
        }

        expect(message.find(calc::kInputRows[field].label) != std::string::npos,
               "the message names the field at fault");
        expect(message.size() <= kLongestMessage, "the message is short enough for a box");
        expect(involute::utf8::isValid(message), "whatever was typed, the message is UTF-8");
        expect(
            std::none_of(message.begin(), message.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
            "typed control characters are shown escaped");
    }

    std::string_view input_;
    FakeWindow window_;
    std::array<std::string, kFields> typed_;
    std::vector<std::string> lines_;
    std::vector<Operation> operations_;
    std::vector<std::string> written_;
    std::vector<std::string> emptied_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartCommandRun run(std::string_view(reinterpret_cast<const char*>(data), size));
    run.check();
    return 0;
}
