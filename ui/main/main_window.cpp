// Placeholder: the main window's layout and behaviour land with their own change.
#include "ui/main/main_window.h"

namespace fourbar::ui {

MainWindow::MainWindow(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("Form1");
}

}  // namespace fourbar::ui
