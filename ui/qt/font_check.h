// Whether the installed fonts show the window's texts, asked of the fonts
// the window draws with, through the fallback fonts fontconfig lines up for
// them: a CJK font without Latin letters (Droid Sans Fallback) beside a Latin
// one shows every character, though no single font has them all.
#pragma once

#include <QString>

class QWidget;

namespace involute::ui::qt {

// The characters of the window's texts that no installed font shows, each
// once, in the order they first appear; empty when every one shows. Needs a
// QGuiApplication and installWindowFonts().
[[nodiscard]] QString charactersNotShown();

// The message for the user that these characters cannot be shown, naming
// the Debian packages that bring a font for simplified Chinese.
[[nodiscard]] QString missingFontMessage(const QString& notShown);

// When characters cannot be shown, says so on stderr and in a message box
// over `window`, and returns once the user has closed it.
void reportMissingFonts(QWidget* window);

}  // namespace involute::ui::qt
