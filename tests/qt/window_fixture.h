// The fixture of every test of the real window: it saves what start-up
// changes for the whole application and restores it afterwards, builds and
// shows the window as the program does, and fails the test when a modal
// dialog opens that the test did not take with takeDialogs().
#pragma once

#include <gtest/gtest.h>

#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "modal_dialog_watchdog.h"
#include "qt_window.h"

class QTranslator;

namespace involute::testing {

// Application font and palette, the credit font's substitutions, the style
// and Qt's translators: saved when made, restored when destroyed.
class ApplicationGlobals {
  public:
    ApplicationGlobals();
    ~ApplicationGlobals();
    ApplicationGlobals(const ApplicationGlobals&) = delete;
    ApplicationGlobals& operator=(const ApplicationGlobals&) = delete;

  private:
    QFont font_;
    QPalette palette_;
    QStringList creditSubstitutes_;
    QString style_;
    QList<QTranslator*> translators_;
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] ui::qt::QtWindow& window() const { return *window_; }

    // A control found by its objectName, as a person names it.
    [[nodiscard]] QWidget* named(const std::string& name) const;
    [[nodiscard]] QLineEdit* field(const std::string& name) const;
    [[nodiscard]] QPushButton* button(const std::string& name) const;

    // The name of the control with the focus ("" for none).
    [[nodiscard]] std::string focusName() const;
    [[nodiscard]] std::string textOf(const std::string& name) const;
    [[nodiscard]] std::string captionOf(const std::string& name) const;

    // A left click in the middle of the control.
    void click(const std::string& name) const;
    // A key on the control with the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // Clicks into the field and types `text` over its selection (deletes it
    // when `text` is empty).
    void typeInto(const std::string& name, const std::string& text) const;

    // The six result texts, Text9 first.
    [[nodiscard]] std::vector<std::string> resultTexts() const;

    [[nodiscard]] std::vector<DialogRecord> takeDialogs() { return watchdog_->take(); }

  private:
    std::optional<ApplicationGlobals> globals_;
    std::unique_ptr<ModalDialogWatchdog> watchdog_;
    std::unique_ptr<ui::qt::QtWindow> window_;
};

}  // namespace involute::testing

// Readable values in failure messages.
void PrintTo(const QString& text, std::ostream* os);
