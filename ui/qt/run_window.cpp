#include "ui/qt/run_window.h"

#include <QApplication>

#include "ui/qt/app_icon.h"
#include "ui/qt/first_paint_mark.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_translation.h"
#include "ui/qt/qt_window.h"

namespace involute::ui::qt {

int runWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("involute"));
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QApplication::setWindowIcon(applicationIcon());
    installQtChineseTranslation(application);
    installWindowFonts();

    QtWindow window;
    markFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}

}  // namespace involute::ui::qt
