#include "ui/qt/field_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMouseEvent>

#include "ui/qt/colour_codes.h"
#include "ui/qt/text_positions.h"

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

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {}

void FieldEdit::replaceText(const QString& text) {
    setText(text);
    setCursorPosition(0);
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

}  // namespace involute::ui::qt
