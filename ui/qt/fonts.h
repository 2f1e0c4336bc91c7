// The window's fonts.
//
// Every control but the credit line and the text boxes uses the application
// font: the platform's sans-serif font for simplified Chinese, at 9 points,
// the size the layout's rows (255-twip labels, 270-twip fields, 360-twip
// pitch) were drawn for. Text boxes use the platform's monospace font for
// simplified Chinese, whose digits are half as wide as a Chinese character
// as in every GB2312 font: so a result of 15 significant digits and its
// point fit the 1575-twip field at 9 points; a longer result (a sign, leading
// zeros, an exponent) shrinks its field's font, down to kSmallestFieldPoints
// (ui/text_fit.h). The credit line asks for 楷体_GB2312 at
// 15.75 points; that name is substituted by an installed Kai font, or else
// by the window's own font.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "window_look.h"

namespace involute::ui::qt {

// Every character the window shows: captions, initial texts, the states of
// the Start button and the characters of a result.
[[nodiscard]] QString windowCharacters();

// True when the font itself, without per-glyph fallback to other fonts, has a
// glyph for every character of `text`.
[[nodiscard]] bool fontCovers(const QFont& font, const QString& text);

// The family fontconfig prefers for sans-serif simplified Chinese that Qt can
// load and that covers `characters`; empty when there is none.
[[nodiscard]] QString cjkUiFamily(const QString& characters);

// True when the digits, the point and the signs are half as wide as a
// Chinese character.
[[nodiscard]] bool hasHalfWidthDigits(const QFont& font);

// The family fontconfig prefers for monospace simplified Chinese that Qt can
// load, covers `characters` and has half-width digits; empty when none does.
[[nodiscard]] QString cjkFieldFamily(const QString& characters);

// The first of kKaiStandIns that is installed with every character of
// `text`; empty when none is.
[[nodiscard]] QString kaiFamilyCovering(const QString& text);

// Makes the CJK UI family at 9 points the application font and registers the
// stand-ins for 楷体_GB2312: the Kai family that has every character of the
// credit line, then the UI family. Needs a QGuiApplication.
void installWindowFonts();

// The CJK UI family at 9 points, the labels', frames' and buttons' font; the
// application font when no family fits. The window sets it on itself, so that
// no application font a platform theme sets later (qt6ct does, once the
// event loop runs) reaches the layout.
[[nodiscard]] QFont windowFont();

// The text boxes' font at 9 points; the application font when no family fits.
[[nodiscard]] QFont fieldFont();

// 楷体_GB2312, 15.75 points, normal weight, upright, neither underlined nor
// struck out; without borrowing glyphs from other fonts when a stand-in has
// them all.
[[nodiscard]] QFont creditFont();

}  // namespace involute::ui::qt
