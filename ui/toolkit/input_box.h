// A text box that empties itself when the user gives it the keyboard focus.
#pragma once

#include <QLineEdit>

namespace fourbar::ui {

// Empties itself, and emits focusReset(), when it gains the focus by mouse, Tab or Backtab, or as
// the first focus of its window when that window opens for the first time. It keeps its text when
// its window merely becomes active again, so coming back from another window loses nothing.
class InputBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit InputBox(QWidget* parent = nullptr);

  signals:
    void focusReset();

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    int windowActivations_ = 0;  // activations of the window seen while this box was visible
    bool hadFocus_ = false;
};

}  // namespace fourbar::ui
