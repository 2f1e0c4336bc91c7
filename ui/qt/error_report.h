// The report of a failed run: a modal message box with the window's title
// and a single button, kErrorReportButton (ui/window_look.h).
#pragma once

#include <QString>

class QWidget;

namespace involute::ui::qt {

inline constexpr const char* kErrorReportName = "errorReport";

// Returns once the user has closed the box, with `window` active again.
void showErrorReport(QWidget* window, const QString& message);

}  // namespace involute::ui::qt
