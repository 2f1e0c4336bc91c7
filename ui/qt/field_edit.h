// A single-line text box of the window: reports GotFocus, keeps the selection
// its focus handler made when a mouse click brought the focus, shows a
// colour code as its background, takes selection positions in characters,
// selects a whole number on a double click and centres its digits vertically. A result field also
// shrinks its font so that a long result shows whole.
#pragma once

#include <QLineEdit>
#include <optional>

#include "window.h"

namespace involute::ui::qt {

class FieldEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit FieldEdit(QWidget* parent);

    // Write Text: replaces the text whole and shows it from its start, so a
    // result too long for the field keeps its leading digits in view.
    void replaceText(const QString& text);

    // From now on every text written shows whole: in the largest size, from
    // `fullSize`'s down to kSmallestFieldPoints in steps of a quarter point,
    // at which it fits the field. A text too wide even then is marked as cut
    // (a dark red corner) and is whole in the tooltip and the accessible
    // description.
    void shrinkFontToFit(const QFont& fullSize);
    // True while the text is wider than the field can show.
    [[nodiscard]] bool isCut() const { return cut_; }
    // The width the field leaves for its text, in pixels.
    [[nodiscard]] int textRoom() const;

    // BackColor: the background shows the code's colour in the current palette.
    void setColourCode(ColourCode code);
    [[nodiscard]] std::optional<ColourCode> colourCode() const { return colourCode_; }

    // SelStart: caret before that character, selection cleared.
    void setSelStart(int characters);
    // SelLength: selects that many characters from the selection's start.
    void setSelLength(int characters);

    // A read-only field tells an input method that it takes no text.
    using QLineEdit::inputMethodQuery;
    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  signals:
    // The focus moved to this field by Tab, Shift+Tab, a click, a shortcut or
    // the program; not when the window is reactivated or a menu closes, which
    // hand back a focus the field already had.
    void gotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void showColourCode();
    void fitFontToText();
    void centreTextVertically();

    // The click that brings the focus would move the caret and so undo the
    // whole-text selection of the focus handler; it is held back, with any drag,
    // until its release. The next click places the caret as usual.
    enum class FocusClick { none, awaitingPress, pressHeld };

    std::optional<ColourCode> colourCode_;
    std::optional<QFont> fullSizeFont_;  // set when the font shrinks to fit
    bool cut_ = false;
    FocusClick focusClick_ = FocusClick::none;
};

}  // namespace involute::ui::qt
