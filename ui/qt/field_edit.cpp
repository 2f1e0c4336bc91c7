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
#include "utf16_positions.h"

#include "qt_colour_codes.h"
#include "text_fit.h"
#include "window_look.h"

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

std::u16string_view unitsOf(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// QLineEdit keeps this many pixels free on either side of its text, and
// this many above and below its line when aligned to the top or bottom.
constexpr int kLineEditSideMargin = 2;
constexpr int kLineEditEndMargin = 1;

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    // Placed from the bottom, where centreTextVertically() sets the margin.
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    connect(this, &QLineEdit::textChanged, this, [this] { fitFontToText(); });
}

void FieldEdit::replaceText(const QString& text) {
    setText(text);
    setCursorPosition(0);
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

namespace {

// The field's text in its face at a height in pixels, as Qt draws it.
class QtTextMeasure final : public TextMeasure {
  public:
    QtTextMeasure(const QFont& face, const QString& text, const QPaintDevice* device)
        : face_(face), text_(text), device_(device) {}

    [[nodiscard]] QFont at(int pixels) const {
        QFont font = face_;
        font.setPointSizeF(pixels * kPointsPerInch / device_->logicalDpiY());
        return font;
    }

    [[nodiscard]] int textWidth(int fontPixels) const override {
        return static_cast<int>(
            std::ceil(QFontMetricsF(at(fontPixels), device_).horizontalAdvance(text_)));
    }

    // The line edit draws its line in the contents, clipped: the ink of the
    // text must fit, the rest of the line may not.
    [[nodiscard]] int lineHeight(int fontPixels) const override {
        return QFontMetrics(at(fontPixels), device_).tightBoundingRect(text_).height();
    }

  private:
    static constexpr double kPointsPerInch = 72.0;
    const QFont& face_;
    const QString& text_;
    const QPaintDevice* device_;
};

}  // namespace

void FieldEdit::fitFontToText() {
    if (!fullSizeFont_) {
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QString shown = text();
    const QtTextMeasure measure(*fullSizeFont_, shown, this);
    const TextFit fit = fitText(measure, {textRoom(), contents.height()},
                                fieldFontPixels(logicalDpiY()), isReadOnly());
    const QFont font = measure.at(fit.fontPixels);
    if (font != this->font()) {
        setFont(font);
    }
    cut_ = fit.cut;
    setToolTip(cut_ ? text() : QString());
    setAccessibleDescription(cut_ ? text() : QString());
    update();
}

// Qt centres the line box, ascent and descent, in the field; digits have no
// descender, so they sat low. Their ink is centred instead (ui/text_fit.h).
void FieldEdit::centreTextVertically() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QFontMetrics metrics(font(), this);
    // Relative to the baseline: the top is negative.
    const QRect zero = metrics.tightBoundingRect(QStringLiteral("0"));
    const DigitInk ink{metrics.ascent() + zero.top(), zero.height()};
    const int baseline =
        contents.top() + inkCentredLineTop(contents.height(), ink) + metrics.ascent();
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

// A cut text gets its mark (ui/window_look.h) in the contents' top right
// corner, above the digits.
void FieldEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!cut_) {
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRectF contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const qreal size = cutMarkPixels(static_cast<int>(contents.height()));
    QPainterPath corner;
    corner.moveTo(contents.topRight());
    corner.lineTo(contents.topRight() - QPointF(size, 0));
    corner.lineTo(contents.topRight() + QPointF(0, size));
    corner.closeSubpath();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(corner, colourFromCode(kDarkRed, palette()));
}

void FieldEdit::setSelStart(int characters) {
    setCursorPosition(static_cast<int>(utf8::utf16IndexAfter(unitsOf(text()), 0, characters)));
}

void FieldEdit::setSelLength(int characters) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const std::size_t end =
        utf8::utf16IndexAfter(unitsOf(text()), static_cast<std::size_t>(start), characters);
    setSelection(start, static_cast<int>(end) - start);
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
        const calc::TextSpan number = calc::numberAround(unitsOf(shown), position);
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
