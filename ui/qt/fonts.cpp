#include "ui/qt/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>
#include <memory>

#include "ui/qt/window_layout.h"
#include "ui/window_states.h"

namespace involute::ui::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};

struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

// Families in fontconfig's order of preference for the pattern, which
// follows the distribution's and the user's font configuration.
QStringList fontconfigFamilies(const char* family, const char* language) {
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    if (!pattern) {
        return {};
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(language));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontSort(nullptr, pattern.get(), FcTrue, nullptr, &result));
    QStringList families;
    if (!fonts) {
        return families;
    }
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch) {
            const QString each = QString::fromUtf8(reinterpret_cast<const char*>(name));
            if (!families.contains(each)) {
                families.append(each);
            }
        }
    }
    return families;
}

QFont windowSized(const QString& family) {
    QFont font(family);
    font.setPointSizeF(kWindowFontPoints);
    return font;
}

bool isUsable(const QString& family, const QString& characters) {
    if (!QFontDatabase::hasFamily(family)) {
        return false;
    }
    const QFont font = windowSized(family);
    return QFontInfo(font).family() == family && fontCovers(font, characters);
}

// Looking families up through fontconfig and loading them takes a while;
// the choice holds for the life of the process.
const QString& chosenUiFamily() {
    static const QString family = cjkUiFamily(windowCharacters());
    return family;
}

const QString& chosenFieldFamily() {
    static const QString family = cjkFieldFamily(windowCharacters());
    return family;
}

}  // namespace

QString windowCharacters() {
    QString characters = QStringLiteral("0123456789.+-E");
    characters += fromUtf8(kWindowTitle);
    for (const ControlRow& row : kWindowLayout) {
        characters += fromUtf8(row.caption);
    }
    for (const std::string_view caption :
         {kCaptionInitial, kCaptionRunning, kCaptionDone, kCaptionEditing}) {
        characters += fromUtf8(caption);
    }
    return characters;
}

bool fontCovers(const QFont& font, const QString& text) {
    QFont alone = font;
    alone.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(alone);
    for (const char32_t character : text.toUcs4()) {
        if (!metrics.inFontUcs4(character)) {
            return false;
        }
    }
    return true;
}

QString cjkUiFamily(const QString& characters) {
    for (const QString& family : fontconfigFamilies("sans-serif", "zh-cn")) {
        if (isUsable(family, characters)) {
            return family;
        }
    }
    // Fonts Qt knows that fontconfig did not offer for sans-serif.
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
        if (isUsable(family, characters)) {
            return family;
        }
    }
    return {};
}

bool hasHalfWidthDigits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal chinese = metrics.horizontalAdvance(QChar(0x6A21));  // 模
    for (const QChar character : QStringLiteral("0123456789.-+E")) {
        if (std::abs(metrics.horizontalAdvance(character) * 2 - chinese) > 0.5) {
            return false;
        }
    }
    return true;
}

QString cjkFieldFamily(const QString& characters) {
    for (const QString& family : fontconfigFamilies("monospace", "zh-cn")) {
        if (isUsable(family, characters) && hasHalfWidthDigits(windowSized(family))) {
            return family;
        }
    }
    return {};
}

void installWindowFonts() {
    const QString& family = chosenUiFamily();
    QFont font = QApplication::font();
    if (family.isEmpty()) {
        qWarning(
            "No installed font shows every character of the window; "
            "install a font for simplified Chinese such as fonts-noto-cjk.");
    } else {
        font.setFamily(family);
    }
    font.setPointSizeF(kWindowFontPoints);
    QApplication::setFont(font);

    QStringList standIns;
    for (const char* kai : kKaiFamilies) {
        standIns.append(QString::fromUtf8(kai));
    }
    if (!family.isEmpty()) {
        standIns.append(family);
    }
    const QString credit = QString::fromUtf8(kCreditFontFamily);
    QFont::removeSubstitutions(credit);
    QFont::insertSubstitutions(credit, standIns);
}

QFont fieldFont() {
    const QString& family = chosenFieldFamily();
    return family.isEmpty() ? QApplication::font() : windowSized(family);
}

QFont creditFont() {
    QFont font(QString::fromUtf8(kCreditFontFamily));
    font.setPointSizeF(kCreditFontPoints);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace involute::ui::qt
