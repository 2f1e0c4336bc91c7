// The window JKX1 on Qt Widgets: the Qt binding of the window contract.
//
// The constructor builds every control from the layout table in one loop,
// orders the tab chain by tab index, wires each control's handler from the
// table, and places the window. The handlers (the Start command, the
// input-focus handler, Exit) act on the window only through ui::Window.
#pragma once

#include <QWidget>
#include <array>

#include "window.h"
#include "window_layout.h"

class QPushButton;

namespace involute::ui::qt {

class FieldEdit;

class QtWindow final : public QWidget, public ui::Window {
    Q_OBJECT

  public:
    explicit QtWindow(QWidget* parent = nullptr);

    using QWidget::setFocus;

    [[nodiscard]] std::string text(Control field) const override;
    void setText(Control field, std::string_view text) override;
    void setCaption(Control button, std::string_view caption) override;
    void setBackColor(Control field, ColourCode colour) override;
    void setSelStart(Control field, int position) override;
    void setSelLength(Control field, int length) override;
    void setFocus(Control control) override;
    void reportError(std::string_view message) override;

    // The widget of a control; the window itself for JKX1.
    [[nodiscard]] QWidget* control(Control name) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createControl(const ControlRow& row, QPointF dpi);
    void giveLabelsTheirFields();
    void orderTabsByIndex();
    void wireHandlers();
    void placeAtDesignPosition(QPointF dpi);

    [[nodiscard]] FieldEdit& field(Control name) const;
    [[nodiscard]] QPushButton& button(Control name) const;

    static constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Command2) + 1;
    std::array<QWidget*, kControlCount> controls_{};
};

}  // namespace involute::ui::qt
