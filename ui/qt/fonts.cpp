#include "fonts.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>
#include <memory>

#include "window_layout.h"
#include "window_states.h"

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

struct ObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};

using PatternPointer = std::unique_ptr<FcPattern, PatternDeleter>;

// A pattern for the family (a generic name such as "sans-serif") in the
// language, completed by the distribution's and the user's font configuration.
PatternPointer configuredPattern(const char* family, const char* language) {
    PatternPointer pattern(FcPatternCreate());
    if (pattern) {
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(language));
        FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
        FcDefaultSubstitute(pattern.get());
    }
    return pattern;
}

bool coversAll(const FcCharSet* charset, const QString& characters) {
    for (const char32_t character : characters.toUcs4()) {
        if (FcCharSetHasChar(charset, character) == FcFalse) {
            return false;
        }
    }
    return true;
}

QString familyOf(const FcPattern* font) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &name) != FcResultMatch) {
        return {};
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(name));
}

// The family of fontconfig's first choice for the pattern when, by the
// character set fontconfig keeps for it, it has every one of `characters`;
// else empty. One match, where a sorted list would rank every installed font.
QString bestFamilyCovering(const char* family, const char* language, const QString& characters) {
    const PatternPointer pattern = configuredPattern(family, language);
    if (!pattern) {
        return {};
    }
    FcResult result = FcResultNoMatch;
    const PatternPointer font(FcFontMatch(nullptr, pattern.get(), &result));
    FcCharSet* charset = nullptr;
    if (!font || FcPatternGetCharSet(font.get(), FC_CHARSET, 0, &charset) != FcResultMatch ||
        !coversAll(charset, characters)) {
        return {};
    }
    return familyOf(font.get());
}

// True when fontconfig lists a font of exactly `family` that, by its record,
// has every one of `characters`. A listing compares names only: no matching.
bool listedCovering(const char* family, const QString& characters) {
    const PatternPointer pattern(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_CHARSET, nullptr));
    if (!pattern || !objects) {
        return false;
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()));
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charset) == FcResultMatch &&
            coversAll(charset, characters)) {
            return true;
        }
    }
    return false;
}

// Families in fontconfig's order of preference for the pattern.
QStringList fontconfigFamilies(const char* family, const char* language) {
    const PatternPointer pattern = configuredPattern(family, language);
    if (!pattern) {
        return {};
    }
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontSort(nullptr, pattern.get(), FcTrue, nullptr, &result));
    QStringList families;
    if (!fonts) {
        return families;
    }
    for (int i = 0; i < fonts->nfont; ++i) {
        const QString each = familyOf(fonts->fonts[i]);
        if (!each.isEmpty() && !families.contains(each)) {
            families.append(each);
        }
    }
    return families;
}

QFont windowSized(const QString& family) {
    QFont font(family);
    font.setPointSizeF(kWindowFontPoints);
    return font;
}

// True when Qt draws a font that asks for `family` with that family.
bool qtLoads(const QString& family) {
    return QFontInfo(windowSized(family)).family() == family;
}

bool isUsable(const QString& family, const QString& characters) {
    return QFontDatabase::hasFamily(family) && qtLoads(family) &&
           fontCovers(windowSized(family), characters);
}

// Looking families up through fontconfig and loading them takes a while;
// the choice holds for the life of the process.
const QString& chosenUiFamily() {
    static const QString family = cjkUiFamily(windowCharacters());
    return family;
}

const QString& chosenKaiFamily() {
    static const QString family = kaiFamilyCovering(fromUtf8(kCreditLine));
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
    // Fontconfig's first choice nearly always does; looking no further saves
    // ranking every installed font and asking Qt for each glyph.
    QString first = bestFamilyCovering("sans-serif", "zh-cn", characters);
    if (!first.isEmpty() && qtLoads(first)) {
        return first;
    }
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
    QString first = bestFamilyCovering("monospace", "zh-cn", characters);
    if (!first.isEmpty() && qtLoads(first) && hasHalfWidthDigits(windowSized(first))) {
        return first;
    }
    for (const QString& family : fontconfigFamilies("monospace", "zh-cn")) {
        if (isUsable(family, characters) && hasHalfWidthDigits(windowSized(family))) {
            return family;
        }
    }
    return {};
}

QString kaiFamilyCovering(const QString& text) {
    for (const char* kai : kKaiFamilies) {
        if (listedCovering(kai, text)) {
            return QString::fromUtf8(kai);
        }
    }
    return {};
}

void installWindowFonts() {
    const QString& family = chosenUiFamily();
    QFont font = QApplication::font();
    // Without one family for every character, Qt's fallback fonts may still
    // show them all; reportMissingFonts() (ui/qt/font_check.h) tells.
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    font.setPointSizeF(kWindowFontPoints);
    QApplication::setFont(font);

    QStringList standIns;
    if (!chosenKaiFamily().isEmpty()) {
        standIns.append(chosenKaiFamily());
    }
    if (!family.isEmpty()) {
        standIns.append(family);
    }
    const QString credit = QString::fromUtf8(kCreditFontFamily);
    QFont::removeSubstitutions(credit);
    QFont::insertSubstitutions(credit, standIns);
}

QFont windowFont() {
    const QString& family = chosenUiFamily();
    return family.isEmpty() ? QApplication::font() : windowSized(family);
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
    // When the stand-in has every character of the line, Qt need not line
    // up other fonts to borrow glyphs from: it draws the same, sooner.
    if (!chosenKaiFamily().isEmpty() || !chosenUiFamily().isEmpty()) {
        font.setStyleStrategy(QFont::NoFontMerging);
    }
    return font;
}

}  // namespace involute::ui::qt
