// The animation window: the moving linkage, its animation controls and its range of motion.
#pragma once

#include <QWidget>

#include "core/shared_state.h"

namespace fourbar::ui {

class AnimationWindow : public QWidget {
    Q_OBJECT

public:
    explicit AnimationWindow(SharedState& state, QWidget* parent = nullptr);

signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SharedState& state_;
};

}  // namespace fourbar::ui
