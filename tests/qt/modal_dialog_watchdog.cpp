#include "modal_dialog_watchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace involute::testing {

ModalDialogWatchdog::ModalDialogWatchdog() {
    // Runs inside the dialog's own event loop.
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalDialogWatchdog::closeModalDialog);
    timer_.start();
}

std::vector<DialogRecord> ModalDialogWatchdog::take() {
    return std::exchange(seen_, {});
}

void ModalDialogWatchdog::closeModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    DialogRecord record{
        modal->objectName().toStdString(), modal->windowTitle().toStdString(), {}, {}};
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box != nullptr) {
        record.text = box->text().toStdString();
        for (QAbstractButton* button : box->buttons()) {
            record.buttons.push_back(button->text().toStdString());
        }
    }
    seen_.push_back(record);
    // Closes a message box with its accepting button, as the user would.
    if (box != nullptr && box->defaultButton() != nullptr) {
        box->defaultButton()->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

}  // namespace involute::testing
