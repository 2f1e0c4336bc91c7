#include "error_report.h"

#include <QMessageBox>
#include <QPushButton>

#include "window_layout.h"

namespace involute::ui::qt {

void showErrorReport(QWidget* window, const QString& message) {
    QMessageBox box(
        QMessageBox::Warning,
        QString::fromUtf8(kWindowTitle.data(), static_cast<qsizetype>(kWindowTitle.size())),
        message, QMessageBox::NoButton, window);
    box.setObjectName(QString::fromUtf8(kErrorReportName));
    QPushButton* ok = box.addButton(QString::fromUtf8(kErrorReportButton), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // The message names the field and the value; let the user copy it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
    // Hands the keyboard back to the window, where the caller puts the focus on
    // the field to correct; a window manager would, but not every session has one.
    if (window != nullptr) {
        window->activateWindow();
    }
}

}  // namespace involute::ui::qt
