// Placeholder: the window's layout and behaviour land with their own change.
#include "ui/table/table_window.h"

#include <QCloseEvent>

namespace fourbar::ui {

TableWindow::TableWindow(SharedState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName("Form4");
}

void TableWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    emit exitRequested();
}

}  // namespace fourbar::ui
