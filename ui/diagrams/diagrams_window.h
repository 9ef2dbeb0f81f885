// The motion diagrams window: angle, angular velocity and angular acceleration curves of the output
// link.
#pragma once

#include <QColor>
#include <QWidget>

#include "core/shared_state.h"

class QPushButton;

namespace fourbar::ui {

class DrawingArea;

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

    // Curve colours of the three buttons.
    static inline const QColor kAngleColour{0, 0, 255};
    static inline const QColor kVelocityColour{255, 0, 0};
    static inline const QColor kAccelerationColour{60, 128, 0};

  signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class Quantity { Angle, Velocity, Acceleration };
    void drawCurve(Quantity quantity);

    SharedState& state_;
    DrawingArea* picture1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command5_ = nullptr;
};

}  // namespace fourbar::ui
