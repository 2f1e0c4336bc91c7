// Closes every modal dialog that opens while it lives and records what it
// showed, so that a test never hangs on a dialog and can tell expected
// dialogs from unexpected ones.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace involute::testing {

struct DialogRecord {
    std::string objectName;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};

class ModalDialogWatchdog : public QObject {
  public:
    ModalDialogWatchdog();

    // The dialogs seen since the last call, oldest first.
    [[nodiscard]] std::vector<DialogRecord> take();

  private:
    void closeModalDialog();

    QTimer timer_;
    std::vector<DialogRecord> seen_;
};

}  // namespace involute::testing
