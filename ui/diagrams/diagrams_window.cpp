// Placeholder: the window's layout and behaviour land with their own change.
#include "ui/diagrams/diagrams_window.h"

#include <QCloseEvent>

namespace fourbar::ui {

DiagramsWindow::DiagramsWindow(SharedState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName("Form3");
}

void DiagramsWindow::onCommand1Clicked() {}

void DiagramsWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    emit exitRequested();
}

}  // namespace fourbar::ui
