// The monkey test: thousands of random user events on the real window (see
// monkey_events.h), with the window's promises checked after every one:
// the Start button shows a caption of a state the window may rest in, the
// results are numbers the window can print and come from the calculation,
// both result shadings mean what they say, what the user typed is exactly
// what the fields hold, and nothing crashes.
//
// The seed is printed first and in every failure; INVOLUTE_MONKEY_SEED=<seed>
// replays a run, INVOLUTE_MONKEY_EVENTS=<count> changes its length (default
// 10 000).
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string_view>

#include "field_edit.h"
#include "gear_calculation.h"
#include "gear_from_texts.h"
#include "monkey_events.h"
#include "number_text.h"
#include "qt_colour_codes.h"
#include "window_fixture.h"
#include "window_states.h"

namespace involute {
namespace {

using testing::DialogRecord;
using testing::MonkeyEvent;
using ui::Control;

constexpr int kDefaultEventCount = 10000;
constexpr std::size_t kEventsShownOnFailure = 15;

std::optional<std::uint64_t> unsignedFromEnvironment(const char* name) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    if (!ok) {
        ADD_FAILURE() << name << "=" << value.toStdString() << " is not a whole number";
        return std::nullopt;
    }
    return number;
}

std::uint64_t monkeySeed() {
    if (const auto seed = unsignedFromEnvironment("INVOLUTE_MONKEY_SEED")) {
        return *seed;
    }
    std::random_device entropy;
    return (std::uint64_t{entropy()} << 32) | entropy();
}

int monkeyEventCount() {
    const auto count = unsignedFromEnvironment("INVOLUTE_MONKEY_EVENTS");
    return count ? static_cast<int>(std::min<std::uint64_t>(*count, 10'000'000))
                 : kDefaultEventCount;
}

// A text the window may show in a result field: "0", or a finite number
// that reads back and prints the same.
bool isShownNumber(const std::string& text) {
    if (text == "0") {
        return true;
    }
    const calc::NumberFromText read = calc::numberFromText(text);
    return read.ok() && std::isfinite(read.value) && calc::textFromNumber(read.value) == text;
}

// The texts a run of the calculation writes, top row first; "" for a
// result it could not compute.
std::vector<std::string> writtenTexts(const calc::GearResults& results) {
    std::vector<std::string> texts;
    for (const std::optional<double>& value : results.shown) {
        texts.push_back(value ? calc::textFromNumber(*value) : std::string());
    }
    return texts;
}

std::string nameOf(const QWidget* control) {
    return control == nullptr ? std::string("nothing") : control->objectName().toStdString();
}

ui::qt::FieldEdit& fieldEdit(ui::qt::QtWindow& window, Control name) {
    return *qobject_cast<ui::qt::FieldEdit*>(window.control(name));
}

// The offscreen platform says this for every error report shown; hundreds
// of lines of it would bury a failure's story.
constexpr QStringView kOffscreenSizeHintsNotice =
    u"This plugin does not support propagateSizeHints()";

QtMessageHandler forwardedMessages = nullptr;

void withoutSizeHintsNotice(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message == kOffscreenSizeHintsNotice) {
        return;
    }
    if (forwardedMessages != nullptr) {
        forwardedMessages(type, context, message);
    } else {
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
    }
}

// A plain line edit, whose key and input-method handlers are Qt's own.
class PlainLineEdit : public QLineEdit {
  public:
    using QLineEdit::inputMethodEvent;
    using QLineEdit::keyPressEvent;
};

// What typing must leave in an input field: just before Qt handles each key
// or input method commit in the field, the same event goes to a plain line
// edit holding the field's text, selection and caret; the field must then
// hold what the plain one does. Nothing else may change an input text.
class TypingModel : public QObject {
  public:
    explicit TypingModel(ui::qt::QtWindow& window) {
        for (const Control name : ui::kInputFields) {
            QLineEdit& field = fieldEdit(window, name);
            expected_[&field] = field.text();
            field.installEventFilter(this);
        }
    }

    [[nodiscard]] QString expected(const QLineEdit& field) const { return expected_.at(&field); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::KeyPress) {
            copyState(*field);
            const std::unique_ptr<QKeyEvent> copy(static_cast<QKeyEvent*>(event)->clone());
            plain_.keyPressEvent(copy.get());
            expectEdit(*field, plain_.text());
        } else if (event->type() == QEvent::InputMethod) {
            copyState(*field);
            const std::unique_ptr<QInputMethodEvent> copy(
                static_cast<QInputMethodEvent*>(event)->clone());
            plain_.inputMethodEvent(copy.get());
            expectEdit(*field, plain_.text());
        }
        return false;
    }

  private:
    void expectEdit(const QLineEdit& field, const QString& after) {
        EXPECT_EQ(field.text(), expected_[&field])
            << field.objectName().toStdString() << " changed without typing";
        expected_[&field] = after;
    }

    void copyState(const QLineEdit& field) {
        plain_.setReadOnly(field.isReadOnly());
        plain_.setText(field.text());
        if (field.hasSelectedText()) {
            const int start = field.selectionStart();
            const int length = field.selectionLength();
            // The caret stays where it is, at one end of the selection.
            if (field.cursorPosition() == start) {
                plain_.setSelection(start + length, -length);
            } else {
                plain_.setSelection(start, length);
            }
        } else {
            plain_.setCursorPosition(field.cursorPosition());
        }
    }

    PlainLineEdit plain_;
    std::map<const QLineEdit*, QString> expected_;
};

class WindowMonkey : public testing::WindowTest {
  protected:
    void SetUp() override {
        forwardedMessages = qInstallMessageHandler(withoutSizeHintsNotice);
        WindowTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        typing_ = std::make_unique<TypingModel>(window());
        QObject::connect(button("Command1"), &QPushButton::clicked, &window(),
                         [this] { checkRun(); });
        QObject::connect(button("Command2"), &QPushButton::clicked, &window(),
                         [this] { ++exitClicks_; });
        for (const Control name : ui::kInputFields) {
            QObject::connect(&fieldEdit(window(), name), &ui::qt::FieldEdit::gotFocus, &window(),
                             [this, name] { checkGotFocus(name); });
        }
    }

    void TearDown() override {
        typing_.reset();
        WindowTest::TearDown();
        qInstallMessageHandler(forwardedMessages);
    }

    [[nodiscard]] ui::qt::FieldEdit& edit(Control name) const { return fieldEdit(window(), name); }

    [[nodiscard]] std::array<std::string, 6> inputTexts() const {
        std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = window().text(ui::kInputFields[i]);
        }
        return texts;
    }

    [[nodiscard]] calc::GearRun oracle() const {
        const std::array<std::string, 6> texts = inputTexts();
        return calc::computeGearFromTexts(
            {texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    }

    [[nodiscard]] bool readFault() const {
        const std::array<std::string, 6> texts = inputTexts();
        return calc::readInputs({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]})
            .fault.has_value();
    }

    // Runs after the Start command has finished, its report closed.
    void checkRun() {
        ++startClicksInEvent_;
        const calc::GearRun expected = oracle();
        const std::vector<DialogRecord> dialogs = takeDialogs();
        const std::vector<std::string> written = writtenTexts(expected.results);
        if (expected.fault) {
            ++failedRuns_;
            dialogsSeen_ += static_cast<int>(dialogs.size());
            ASSERT_EQ(dialogs.size(), 1u) << "a failed run reports once";
            EXPECT_EQ(dialogs[0].objectName, "errorReport");
            EXPECT_EQ(dialogs[0].title, "渐开线");
            EXPECT_EQ(dialogs[0].text, expected.fault->message);
            EXPECT_EQ(dialogs[0].buttons, std::vector<std::string>{"确定"});
            EXPECT_EQ(captionOf("Command1"), ui::kCaptionEditing);
            // A run that got as far as computing shows the results it could
            // compute and empties the rest; one that could not read its
            // inputs leaves the results of the gear before.
            if (!readFault()) {
                expectedResults_ = written;
            }
            const Control atFault =
                ui::kInputFields[static_cast<std::size_t>(expected.fault->field)];
            EXPECT_EQ(nameOf(window().focusWidget()), controlName(atFault))
                << "the focus goes to the field to correct";
            EXPECT_EQ(edit(atFault).selectedText(), edit(atFault).text());
        } else {
            ++doneRuns_;
            EXPECT_EQ(dialogs.size(), 0u) << dialogs.front().text;
            EXPECT_EQ(captionOf("Command1"), ui::kCaptionDone);
            expectedResults_ = written;
        }
        EXPECT_EQ(resultTexts(), expectedResults_);
    }

    // Runs after the input-focus handler.
    void checkGotFocus(Control name) {
        ++focusArrivals_;
        EXPECT_EQ(edit(name).selectedText(), edit(name).text())
            << controlName(name) << " got the focus without its whole text selected";
        EXPECT_EQ(captionOf("Command1"), ui::kCaptionEditing);
        for (const Control result : ui::kResultFields) {
            EXPECT_EQ(edit(result).colourCode(), ui::kResultsStale) << controlName(result);
        }
    }

    void checkAfter(const MonkeyEvent& event, const QWidget* focusBefore) {
        ASSERT_TRUE(window().isVisible()) << "the window closed";
        if (!window().isActiveWindow()) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window())) << "the window stays inactive";
        }
        for (const DialogRecord& dialog : takeDialogs()) {
            ADD_FAILURE() << "a dialog outside a run: " << dialog.title << ": " << dialog.text;
        }
        EXPECT_EQ(exitClicks_, 0) << "Exit clicked by an event that never aims at it";
        EXPECT_LE(startClicksInEvent_, event.startClicks) << "Start ran without being clicked";
        startClicksInEvent_ = 0;

        // The captions the window may rest in between two events:
        // - "开    始", the start-up caption, until the first input field gets
        //   the focus; nothing brings it back, and no run happens under it
        //   (a run ends in one of the two below);
        // - "开  始" once an input field got the focus, and after a failed
        //   run: its report closed, the focus back on the field to correct;
        // - "计算结束" after a run that computed.
        // Never "正在计算": a run starts and ends inside the one event that
        // clicked Start, the modal report of a failed run included, so that
        // caption is only up while a run is in progress.
        const std::string caption = captionOf("Command1");
        const bool initial = caption == ui::kCaptionInitial;
        const bool done = caption == ui::kCaptionDone;
        EXPECT_TRUE(initial || done || caption == ui::kCaptionEditing)
            << "caption \"" << caption << "\"";
        if (initial) {
            EXPECT_FALSE(leftInitial_) << "the start-up caption came back";
            EXPECT_EQ(resultTexts(), std::vector<std::string>(6, "0"));
        } else {
            leftInitial_ = true;
        }

        checkShading(done);

        const std::vector<std::string> results = resultTexts();
        for (std::size_t i = 0; i < results.size(); ++i) {
            // Empty: a failed run could not compute it.
            EXPECT_TRUE(results[i].empty() || isShownNumber(results[i]))
                << controlName(ui::kResultFields[i]) << " shows \"" << results[i] << "\"";
        }
        EXPECT_EQ(results, expectedResults_) << "results changed without a run";
        if (done) {
            const calc::GearRun expected = oracle();
            ASSERT_FALSE(expected.fault)
                << "\"计算结束\" over inputs that fail: " << expected.fault->message;
            EXPECT_EQ(results, writtenTexts(expected.results))
                << "\"计算结束\" beside results of other inputs";
        }

        for (const Control name : ui::kInputFields) {
            EXPECT_EQ(edit(name).text(), typing_->expected(edit(name)))
                << controlName(name) << " holds other than what was typed";
            EXPECT_FALSE(edit(name).colourCode()) << controlName(name) << " got a colour code";
        }

        checkFocus(event, focusBefore, caption);
    }

    // All six results share one shading, and it is the one the caption
    // belongs to: the window background right after a run, the menu-bar
    // colour otherwise. The field shows the colour its code names.
    void checkShading(bool done) const {
        for (const Control name : ui::kResultFields) {
            const ui::qt::FieldEdit& field = edit(name);
            const std::optional<ui::ColourCode> code = field.colourCode();
            ASSERT_TRUE(code) << controlName(name) << " has no colour code";
            EXPECT_EQ(*code, done ? ui::kResultsCurrent : ui::kResultsStale)
                << controlName(name) << " shows 0x" << std::hex << *code << std::dec;
            EXPECT_EQ(field.palette().color(QPalette::Base),
                      ui::qt::colourFromCode(*code, QApplication::palette(&field)))
                << controlName(name);
        }
    }

    void checkFocus(const MonkeyEvent& event, const QWidget* before, const std::string& caption) {
        const QWidget* focus = window().focusWidget();
        ASSERT_NE(focus, nullptr) << "no control has the focus";
        const std::string name = nameOf(focus);
        const bool onButton = name == "Command1" || name == "Command2";
        const bool onInput = std::any_of(ui::kInputFields.begin(), ui::kInputFields.end(),
                                         [&](Control c) { return window().control(c) == focus; });
        const bool onResult = std::any_of(ui::kResultFields.begin(), ui::kResultFields.end(),
                                          [&](Control c) { return window().control(c) == focus; });
        EXPECT_TRUE(onButton || onInput || onResult) << "the focus is on " << name;
        if (onInput) {
            EXPECT_EQ(caption, ui::kCaptionEditing) << "the focus is on " << name;
            if (focus != before && !event.mayMoveCaretAfterFocus) {
                const auto* field = static_cast<const QLineEdit*>(focus);
                EXPECT_EQ(field->selectedText(), field->text())
                    << name << " got the focus without its whole text selected";
            }
        }
    }

    std::unique_ptr<TypingModel> typing_;
    std::vector<std::string> expectedResults_ = std::vector<std::string>(6, "0");
    bool leftInitial_ = false;
    int startClicksInEvent_ = 0;
    int exitClicks_ = 0;
    int doneRuns_ = 0;
    int failedRuns_ = 0;
    int dialogsSeen_ = 0;
    int focusArrivals_ = 0;
};

TEST_F(WindowMonkey, RandomEventsKeepTheWindowsPromises) {
    const std::uint64_t seed = monkeySeed();
    const int eventCount = monkeyEventCount();
    const std::string replay = "monkey seed " + std::to_string(seed) +
                               " (replay: INVOLUTE_MONKEY_SEED=" + std::to_string(seed) +
                               " INVOLUTE_MONKEY_EVENTS=" + std::to_string(eventCount) + ")";
    std::cout << replay << std::endl;
    RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE(replay);

    testing::Monkey monkey(window(), seed);
    std::deque<std::string> recent;
    std::map<std::string, int> kinds;
    const auto start = std::chrono::steady_clock::now();
    int delivered = 0;
    while (delivered < eventCount) {
        const QWidget* focusBefore = window().focusWidget();
        const std::string number = "event " + std::to_string(++delivered);
        SCOPED_TRACE(number);
        const MonkeyEvent event = monkey.act();
        recent.push_back(number + ": " + event.description);
        if (recent.size() > kEventsShownOnFailure) {
            recent.pop_front();
        }
        ++kinds[event.description.substr(0, event.description.find(' '))];
        checkAfter(event, focusBefore);
        if (HasFailure()) {
            std::string story;
            for (const std::string& line : recent) {
                story += "\n  " + line;
            }
            ADD_FAILURE() << "stopped after the first broken promise; the last events:" << story;
            break;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::cout << "monkey: " << delivered << " events in " << elapsed.count() << " s; "
              << doneRuns_ + failedRuns_ << " runs (" << doneRuns_ << " done, " << failedRuns_
              << " failed), " << dialogsSeen_ << " error reports closed, " << focusArrivals_
              << " input-field focus arrivals\n  events by kind:";
    for (const auto& [kind, count] : kinds) {
        std::cout << " " << kind << " " << count << ";";
    }
    std::cout << std::endl;
}

}  // namespace
}  // namespace involute
