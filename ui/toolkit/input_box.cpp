// A text box that empties itself when the user gives it the keyboard focus.
#include "ui/toolkit/input_box.h"

#include <QFocusEvent>

namespace fourbar::ui {

InputBox::InputBox(QWidget* parent) : QLineEdit(parent) {}

bool InputBox::event(QEvent* event) {
    // Qt delivers WindowActivate to the visible widgets of a window before it restores the focus,
    // so when the focus arrives the count already includes the activation that brought it.
    if (event->type() == QEvent::WindowActivate) {
        ++windowActivations_;
    }
    return QLineEdit::event(event);
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    bool reset = false;
    switch (event->reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            reset = true;
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            // Only the first focus of a window that opens: coming back to the window, or to this
            // box after a menu closed, keeps the text.
            reset = windowActivations_ <= 1 && !hadFocus_;
            break;
        default:
            break;
    }
    hadFocus_ = true;
    if (reset) {
        clear();
        emit focusReset();
    }
}

}  // namespace fourbar::ui
