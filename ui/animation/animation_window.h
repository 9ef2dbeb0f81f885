// The animation window: the moving linkage, its animation controls and its range of motion.
#pragma once

#include "core/demonstration.h"
#include "core/shared_state.h"
#include "ui/toolkit/child_window.h"

class QLineEdit;
class QScrollBar;
class QTimer;

namespace fourbar::ui {

class DrawingArea;
class InputBox;

// Replays the demonstration on its picture: every button and every tick of its one timer asks the
// demonstration (core/demonstration.h) for the drawing to perform, then starts or stops the timer
// as the demonstration runs or not. A tick erases the figure and draws it at the next position in
// one go, so the picture never shows a figure half erased.
//
// The picture's menu adds "导出连杆点轨迹CSV..." to "复制" and "保存图片...".
class AnimationWindow : public ChildWindow {
    Q_OBJECT

  public:
    explicit AnimationWindow(SharedState& state, QWidget* parent = nullptr);

    // What the window shows, for tests and tools.
    const Demonstration& demonstration() const { return demonstration_; }

  protected:
    void beforeExit() override;

  private:
    // Names and sizes the window and builds its widgets on the client area it returns.
    static QWidget* buildWindow(AnimationWindow* window);

    void onDemonstrateClicked();  // "演示"
    void onStopClicked();         // "停止"
    void onContinueClicked();     // "继续"
    void onRangeClicked();        // "范围"
    void onStepChanged();         // the scroll bar: the frame step, shown in Text2
    void onCoefficientFocusReset();
    void onTimerTick();
    void onExportCouplerCsvTriggered();  // "导出连杆点轨迹CSV..."

    // The coefficient as typed, read leniently.
    double typedCoefficient() const;
    Viewport viewport() const;
    void replay(const Drawing& drawing);
    // The timer ticks exactly while the demonstration runs.
    void followDemonstration();

    SharedState& state_;
    Demonstration demonstration_;
    QWidget* client_ = nullptr;  // the client area, whose size places the axes
    DrawingArea* picture_ = nullptr;
    InputBox* coefficientBox_ = nullptr;
    QLineEdit* stepBox_ = nullptr;
    QScrollBar* stepBar_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace fourbar::ui
