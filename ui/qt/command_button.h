// A command button of the window: a click by the mouse, by Space, and by
// Enter while it has the focus, as Windows buttons take it. It is never a
// default button, so Enter elsewhere in the window clicks nothing.
#pragma once

#include <QPushButton>

namespace involute::ui::qt {

class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    CommandButton(const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace involute::ui::qt
