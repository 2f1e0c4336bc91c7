#include "accessible_controls.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

#include "field_edit.h"
#include "qt_window.h"

namespace involute::ui::qt {

namespace {

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// A text box: the text interface for every field, the editing one only for
// an input field; read-only or editable from the field as it is now.
class AccessibleField final : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
  public:
    explicit AccessibleField(FieldEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value && !edit()->isReadOnly()) {
            edit()->setText(text);
        }
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    [[nodiscard]] Relations relations(QAccessible::Relation match) const override {
        Relations found;
        if ((match & QAccessible::Label) == 0) {
            return found;
        }
        for (QLabel* label : edit()->parentWidget()->findChildren<QLabel*>()) {
            if (label->buddy() == edit()) {
                found.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
            }
        }
        return found;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface && !edit()->isReadOnly()) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // Offsets are QString positions, as QLineEdit's.
    void addSelection(int start, int end) override { edit()->setSelection(start, end - start); }
    [[nodiscard]] QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }
    [[nodiscard]] int cursorPosition() const override { return edit()->cursorPosition(); }
    // QLineEdit tells no character's place.
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return {}; }
    [[nodiscard]] int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = edit()->selectionEnd();
        }
    }
    [[nodiscard]] QString text(int start, int end) const override {
        return edit()->text().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override {
        return static_cast<int>(edit()->text().size());
    }
    void removeSelection(int index) override {
        if (index == 0) {
            edit()->deselect();
        }
    }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            edit()->setSelection(start, end - start);
        }
    }
    void scrollToSubstring(int start, int end) override {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (!edit()->isReadOnly()) {
            edit()->setText(edit()->text().replace(start, end - start, text));
            edit()->setCursorPosition(start + static_cast<int>(text.size()));
        }
    }

  private:
    [[nodiscard]] FieldEdit* edit() const { return static_cast<FieldEdit*>(widget()); }
};

// A label: static text that labels its buddy, if it has one, and nothing else.
class AccessibleLabel final : public QAccessibleWidget {
  public:
    explicit AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? label()->text() : QAccessibleWidget::text(kind);
    }
    [[nodiscard]] Relations relations(QAccessible::Relation match) const override {
        Relations found;
        if ((match & QAccessible::Labelled) != 0 && label()->buddy() != nullptr) {
            found.append(
                {QAccessible::queryAccessibleInterface(label()->buddy()), QAccessible::Labelled});
        }
        return found;
    }

  private:
    [[nodiscard]] QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A frame: a group named by its title, labelling none of what it holds.
class AccessibleFrame final : public QAccessibleWidget {
  public:
    explicit AccessibleFrame(QGroupBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<QGroupBox*>(widget())->title()
                                         : QAccessibleWidget::text(kind);
    }
    [[nodiscard]] Relations relations(QAccessible::Relation /*match*/) const override { return {}; }
};

// Only the calculator's own controls: a dialog's labels keep Qt's interfaces.
QAccessibleInterface* accessibleControl(const QString& /*className*/, QObject* object) {
    if (auto* window = qobject_cast<QtWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || qobject_cast<QtWindow*>(widget->window()) == nullptr) {
        return nullptr;
    }
    if (auto* edit = qobject_cast<FieldEdit*>(widget)) {
        return new AccessibleField(edit);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return new AccessibleLabel(label);
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        return new AccessibleFrame(frame);
    }
    return nullptr;
}

}  // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace involute::ui::qt
