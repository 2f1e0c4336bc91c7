#include "text_positions.h"

namespace involute::ui::qt {

qsizetype utf16IndexAfter(const QString& text, qsizetype from, int characters) {
    qsizetype index = from;
    for (int counted = 0; counted < characters && index < text.size(); ++counted) {
        const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                          text.at(index + 1).isLowSurrogate();
        index += pair ? 2 : 1;
    }
    return index;
}

}  // namespace involute::ui::qt
