// The motion diagrams window: angle, angular velocity and angular acceleration curves of the output link.
#pragma once

#include <QWidget>

#include "core/shared_state.h"

namespace fourbar::ui {

class DiagramsWindow : public QWidget {
    Q_OBJECT

public:
    explicit DiagramsWindow(SharedState& state, QWidget* parent = nullptr);

    // "角位移": draws the axes and the output-link angle curve (also the main window's "位移图").
    void onCommand1Clicked();

signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SharedState& state_;
};

}  // namespace fourbar::ui
