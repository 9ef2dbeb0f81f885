// The exit shared by the windows opened from the main window.
#include "ui/toolkit/child_window.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace fourbar::ui {

void ChildWindow::exitWindow() {
    beforeExit();
    hide();
    emit exitRequested();
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    exitWindow();
}

void ChildWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() &&
            w->isVisibleTo(this)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

}  // namespace fourbar::ui
