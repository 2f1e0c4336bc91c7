// Qt's own texts (a field's context menu, standard dialogs) in simplified
// Chinese, whatever the user's locale, like the rest of the window.
#pragma once

class QCoreApplication;

namespace involute::ui::qt {

// Loads qtbase_zh_CN from Qt's translations folder and installs it on the
// application, which owns it. Warns and returns false when it is missing.
bool installQtChineseTranslation(QCoreApplication& application);

}  // namespace involute::ui::qt
