// The motion diagrams window: angle, angular velocity and angular acceleration curves of the output
// link.
#pragma once

#include <QWidget>

#include "core/shared_state.h"

namespace fourbar::ui {

class DrawingArea;
struct DiagramCurve;

class DiagramsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit DiagramsWindow(SharedState& state, QWidget* parent = nullptr);

    // "角位移": draws the axes and the output-link angle curve (also the main window's "位移图").
    void onCommand1Clicked();
    // "角速度": the axes and the angular-velocity curve.
    void onCommand2Clicked();
    // "角加速度": the axes and the angular-acceleration curve.
    void onCommand3Clicked();
    // "退出": hides the window and asks for the main window.
    void onCommand4Clicked();
    // "清除": erases the plot, axes included.
    void onCommand5Clicked();

    // The plot area `Picture1`.
    DrawingArea* plot() const { return picture1_; }

  signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void drawCurve(const DiagramCurve& curve);

    SharedState& state_;
    DrawingArea* picture1_ = nullptr;
};

}  // namespace fourbar::ui
