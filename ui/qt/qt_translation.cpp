#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace involute::ui::qt {

bool installQtChineseTranslation(QCoreApplication& application) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        qWarning(
            "Qt's Chinese translation qtbase_zh_CN.qm is not in %s; Qt's own texts stay "
            "in English (Debian package qt6-translations-l10n).",
            qUtf8Printable(folder));
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace involute::ui::qt
