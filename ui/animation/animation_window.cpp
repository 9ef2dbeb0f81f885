// Placeholder: the window's layout and behaviour land with their own change.
#include "ui/animation/animation_window.h"

#include <QCloseEvent>

namespace fourbar::ui {

AnimationWindow::AnimationWindow(SharedState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName("Form2");
}

void AnimationWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    emit exitRequested();
}

}  // namespace fourbar::ui
