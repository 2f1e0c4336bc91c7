// The window contract counts selection positions in characters (code
// points); QString counts UTF-16 units, two for a character beyond U+FFFF.
#pragma once

#include <QString>

namespace involute::ui::qt {

// The UTF-16 index `characters` code points after the index `from`, at most
// the end of the text. A lone surrogate counts as one character.
[[nodiscard]] qsizetype utf16IndexAfter(const QString& text, qsizetype from, int characters);

}  // namespace involute::ui::qt
