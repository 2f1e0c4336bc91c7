// The behaviour rows' driver for the Qt window on the offscreen platform.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "behaviour_driver.h"
#include "window_fixture.h"
#include "window_states.h"

namespace involute::testing {
namespace {

using ui::Control;

// Borrows the window fixture's start, end and controls; its test body is
// the shared row's.
class QtBehaviourDriver final : public BehaviourDriver, private WindowTest {
  public:
    void open() override { SetUp(); }
    void close() override { TearDown(); }

    std::string text(Control control) override {
        QWidget* widget = named(nameOf(control));
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            return push->text().toStdString();
        }
        return field(nameOf(control))->text().toStdString();
    }

    // The focus the window keeps is the one it shows once active again.
    std::string focus() override {
        const QWidget* kept = window().focusWidget();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        std::string shown = focusName();
        EXPECT_EQ(kept == nullptr ? "" : kept->objectName().toStdString(), shown);
        return shown;
    }

    bool wholeTextSelected(Control control) override {
        const QLineEdit* edit = field(nameOf(control));
        return edit->selectedText() == edit->text();
    }

    // Stale results take the menu bar's colour, current ones a field's.
    std::string resultShading() override {
        const QPalette palette = QApplication::palette(field("Text9"));
        std::string shading;
        for (const Control result : ui::kResultFields) {
            const QColor shown = field(nameOf(result))->palette().color(QPalette::Base);
            const std::string each = shown == palette.color(QPalette::Window) ? "stale"
                                     : shown == palette.color(QPalette::Base) ? "current"
                                                                              : "mixed";
            if (!shading.empty() && each != shading) {
                return "mixed";
            }
            shading = each;
        }
        return shading;
    }

    std::vector<ErrorReport> takeReports() override {
        std::vector<ErrorReport> reports;
        for (const DialogRecord& dialog : takeDialogs()) {
            EXPECT_EQ(dialog.objectName, "errorReport");
            EXPECT_EQ(dialog.buttons.size(), 1U);
            reports.push_back({dialog.title, dialog.text,
                               dialog.buttons.empty() ? std::string() : dialog.buttons[0]});
        }
        return reports;
    }

    void setText(Control control, std::string_view text) override {
        window().setText(control, text);
    }
    void setFocus(Control control) override { window().setFocus(control); }

    void click(Control control) override { WindowTest::click(nameOf(control)); }

    void press(Key key) override {
        switch (key) {
            case Key::tab:
                return WindowTest::press(Qt::Key_Tab);
            case Key::shiftTab:
                return WindowTest::press(Qt::Key_Backtab, Qt::ShiftModifier);
            case Key::enter:
                return WindowTest::press(Qt::Key_Return);
            case Key::keypadEnter:
                return WindowTest::press(Qt::Key_Enter);
            case Key::space:
                return WindowTest::press(Qt::Key_Space);
            case Key::del:
                return WindowTest::press(Qt::Key_Delete);
        }
    }

    void type(std::string_view characters) override {
        QTest::keyClicks(
            QApplication::focusWidget(),
            QString::fromUtf8(characters.data(), static_cast<qsizetype>(characters.size())));
    }

    void paste(std::string_view clipboard) override {
        QGuiApplication::clipboard()->setText(
            QString::fromUtf8(clipboard.data(), static_cast<qsizetype>(clipboard.size())));
        WindowTest::press(Qt::Key_V, Qt::ControlModifier);
        const auto* edit = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), QGuiApplication::clipboard()->text()) << "the line end is kept";
    }

    // At the first pixel that puts the caret after the clicked character.
    void doubleClick(Control control, int character) override {
        QLineEdit* edit = field(nameOf(control));
        const int middle = edit->height() / 2;
        int x = 0;
        while (x < edit->width() && edit->cursorPositionAt(QPoint(x, middle)) <= character) {
            ++x;
        }
        QTest::mouseDClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(x - 1, middle));
    }

  private:
    void TestBody() override {}
    static std::string nameOf(Control control) { return std::string(ui::controlName(control)); }
};

}  // namespace

std::unique_ptr<BehaviourDriver> makeBehaviourDriver() {
    return std::make_unique<QtBehaviourDriver>();
}

}  // namespace involute::testing
