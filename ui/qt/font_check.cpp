#include "font_check.h"

#include <QFontMetrics>

#include "error_report.h"
#include "fonts.h"
#include "window_layout.h"

namespace involute::ui::qt {

namespace {

// True when Qt draws the character with `font` or with one of the fonts it
// falls back to for it.
bool shows(const QFont& font, char32_t character) {
    return QFontMetrics(font).inFontUcs4(character);
}

void appendNotShown(QString& notShown, const QFont& font, const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        const QString one = QString::fromUcs4(&character, 1);
        if (!QChar::isSpace(character) && !notShown.contains(one) && !shows(font, character)) {
            notShown += one;
        }
    }
}

}  // namespace

QString charactersNotShown() {
    QString notShown;
    const QString characters = windowCharacters();
    appendNotShown(notShown, windowFont(), characters);
    appendNotShown(notShown, fieldFont(), characters);
    appendNotShown(
        notShown, creditFont(),
        QString::fromUtf8(kCreditLine.data(), static_cast<qsizetype>(kCreditLine.size())));
    return notShown;
}

QString missingFontMessage(const QString& notShown) {
    // Without such a font the Chinese lines themselves may show as boxes:
    // the package names and the English line stay readable.
    return QStringLiteral(
               "没有已安装的字体能显示本窗口的全部文字（缺少 %1 个字符）。\n"
               "请安装简体中文字体，例如 Debian 软件包 fonts-noto-cjk 或 fonts-wqy-microhei。\n\n"
               "No installed font shows the window's Chinese text; install fonts-noto-cjk or "
               "fonts-wqy-microhei.")
        .arg(notShown.toUcs4().size());
}

void reportMissingFonts(QWidget* window) {
    const QString notShown = charactersNotShown();
    if (notShown.isEmpty()) {
        return;
    }
    const QString message = missingFontMessage(notShown);
    qWarning("%s", qUtf8Printable(message));
    showErrorReport(window, message);
}

}  // namespace involute::ui::qt
