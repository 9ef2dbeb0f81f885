// The motion diagrams window: angle, angular velocity and angular acceleration curves of the output
// link.
#pragma once

#include "core/diagrams.h"
#include "core/shared_state.h"
#include "ui/toolkit/child_window.h"

namespace fourbar::ui {

class DrawingArea;

class DiagramsWindow : public ChildWindow {
    Q_OBJECT

  public:
    explicit DiagramsWindow(SharedState& state, QWidget* parent = nullptr);

    // "角位移": draws the axes and the output-link angle curve (also the main window's "位移图").
    void onAngleClicked();
    // "角速度": the axes and the angular-velocity curve.
    void onVelocityClicked();
    // "角加速度": the axes and the angular-acceleration curve.
    void onAccelerationClicked();
    // "清除": erases the plot, axes included.
    void onClearClicked();

    // The plot `Picture1`.
    DrawingArea* plotArea() const { return plotArea_; }

  private:
    void draw(DiagramQuantity quantity);

    SharedState& state_;
    QWidget* client_ = nullptr;  // the client area, whose size scales the curves
    DrawingArea* plotArea_ = nullptr;
};

}  // namespace fourbar::ui
