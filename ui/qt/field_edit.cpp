#include "field_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>
#include <string_view>

#include "number_text.h"

#include "colour_codes.h"
#include "fonts.h"
#include "text_positions.h"

namespace involute::ui::qt {

namespace {

bool isGotFocus(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
        case Qt::NoFocusReason:
            return false;
    }
    return false;
}

// QLineEdit keeps this many pixels free on either side of its text, and
// this many above and below its line when aligned to the top or bottom.
constexpr int kLineEditSideMargin = 2;
constexpr int kLineEditEndMargin = 1;

// The dark red of the credit line marks a cut text.
constexpr ColourCode kCutMarkColour = 0x000000C0;

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    // Placed from the bottom, where centreTextVertically() sets the margin.
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

void FieldEdit::replaceText(const QString& text) {
    setText(text);
    setCursorPosition(0);
    fitFontToText();
}

void FieldEdit::shrinkFontToFit(const QFont& fullSize) {
    fullSizeFont_ = fullSize;
    fitFontToText();
}

int FieldEdit::textRoom() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditSideMargin;
}

void FieldEdit::fitFontToText() {
    if (!fullSizeFont_) {
        return;
    }
    const qreal room = textRoom();
    QFont font = *fullSizeFont_;
    constexpr double kStep = 0.25;
    bool fits = false;
    for (double points = fullSizeFont_->pointSizeF(); !fits && points >= kSmallestFieldPoints;
         points -= kStep) {
        font.setPointSizeF(points);
        fits = QFontMetricsF(font, this).horizontalAdvance(text()) <= room;
    }
    if (font != this->font()) {
        setFont(font);
    }
    cut_ = !fits;
    setToolTip(cut_ ? text() : QString());
    setAccessibleDescription(cut_ ? text() : QString());
    update();
}

// Qt centres the line box, ascent and descent, in the field; digits have no
// descender, so they sat low. The digits' height is centred instead: the
// baseline goes half the cap height below the middle of the contents.
void FieldEdit::centreTextVertically() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QFontMetricsF metrics(font(), this);
    const qreal middle = contents.top() + contents.height() / 2.0;
    const int baseline = static_cast<int>(std::lround(middle + metrics.capHeight() / 2));
    // Aligned to the bottom, the baseline sits kLineEditEndMargin plus the
    // descent above the bottom margin.
    const int bottomMargin = std::max(
        0, contents.bottom() + 1 - kLineEditEndMargin - fontMetrics().descent() - baseline);
    const QMargins margins = textMargins();
    if (margins.bottom() != bottomMargin) {
        setTextMargins(margins.left(), margins.top(), margins.right(), bottomMargin);
    }
}

void FieldEdit::setColourCode(ColourCode code) {
    colourCode_ = code;
    showColourCode();
}

void FieldEdit::showColourCode() {
    if (!colourCode_) {
        return;
    }
    const QColor colour = colourFromCode(*colourCode_, QApplication::palette(this));
    if (palette().color(QPalette::Base) == colour) {
        return;  // also ends the PaletteChange that setPalette below sends
    }
    QPalette shown = palette();
    shown.setColor(QPalette::Base, colour);
    setPalette(shown);
}

void FieldEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // A system colour follows the palette when the user or the style changes
    // it; the field hears of that as a change of its own palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        showColourCode();
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        centreTextVertically();
    }
}

void FieldEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitFontToText();
    centreTextVertically();
}

// A cut text gets a small dark red triangle in the contents' top right
// corner, above the digits, as spreadsheets mark a cell with more to read.
void FieldEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!cut_) {
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRectF contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const qreal size = contents.height() / 3;
    QPainterPath corner;
    corner.moveTo(contents.topRight());
    corner.lineTo(contents.topRight() - QPointF(size, 0));
    corner.lineTo(contents.topRight() + QPointF(0, size));
    corner.closeSubpath();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(corner, colourFromCode(kCutMarkColour, palette()));
}

void FieldEdit::setSelStart(int characters) {
    setCursorPosition(static_cast<int>(utf16IndexAfter(text(), 0, std::max(characters, 0))));
}

void FieldEdit::setSelLength(int characters) {
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype end = utf16IndexAfter(text(), start, std::max(characters, 0));
    setSelection(static_cast<int>(start), static_cast<int>(end - start));
}

// Qt's line edit answers that it takes input, and inserts what an input
// method commits, even when it is read-only; a result field keeps its digits.
QVariant FieldEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled && isReadOnly()) {
        return false;
    }
    return QLineEdit::inputMethodQuery(query);
}

void FieldEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    focusClick_ =
        event->reason() == Qt::MouseFocusReason ? FocusClick::awaitingPress : FocusClick::none;
    if (isGotFocus(event->reason())) {
        emit gotFocus();
    }
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    focusClick_ = FocusClick::none;
    QLineEdit::focusOutEvent(event);
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
    if (focusClick_ == FocusClick::awaitingPress && event->button() == Qt::LeftButton) {
        focusClick_ = FocusClick::pressHeld;
        event->accept();
        return;
    }
    focusClick_ = FocusClick::none;
    QLineEdit::mousePressEvent(event);
}

void FieldEdit::mouseMoveEvent(QMouseEvent* event) {
    if (focusClick_ == FocusClick::pressHeld) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (focusClick_ == FocusClick::pressHeld && event->button() == Qt::LeftButton) {
        focusClick_ = FocusClick::none;
    }
    // Lets the field offer its selection to the X11 primary selection.
    QLineEdit::mouseReleaseEvent(event);
}

// Qt's word boundaries split a number at its point, sign and exponent; a
// double click selects all of it, so that a copied number is whole.
void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QString shown = text();
        const auto position =
            static_cast<std::size_t>(cursorPositionAt(event->position().toPoint()));
        const calc::TextSpan number = calc::numberAround(
            std::u16string_view(QStringView(shown).utf16(), static_cast<std::size_t>(shown.size())),
            position);
        if (number.begin != number.end) {
            setSelection(static_cast<int>(number.begin),
                         static_cast<int>(number.end - number.begin));
            event->accept();
            return;
        }
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

}  // namespace involute::ui::qt
