#include "run_window.h"

#include <QApplication>

#include "app_icon.h"
#include "first_paint.h"
#include "font_check.h"
#include "fonts.h"
#include "qt_translation.h"
#include "qt_window.h"

namespace involute::ui::qt {

int runWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("involute"));
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    installQtChineseTranslation(application);
    installWindowFonts();

    QtWindow window;
    // Watched first, so that it runs after the others: its box waits for the user.
    afterFirstPaint(window, [&window] { reportMissingFonts(&window); });
    // Decoding the icon's six sizes and handing them to the window system
    // would hold up the first picture by as long as the fonts take; window
    // managers take the icon up whenever it changes.
    afterFirstPaint(window, [] { QApplication::setWindowIcon(applicationIcon()); });
    // Watched last, so that the probe notes the first paint before the icon.
    markFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}

}  // namespace involute::ui::qt
