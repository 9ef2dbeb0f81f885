// The exit shared by the windows opened from the main window.
#include "ui/toolkit/child_window.h"

#include <QCloseEvent>

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

}  // namespace fourbar::ui
