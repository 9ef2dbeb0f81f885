// The animation window: the moving linkage, its animation controls and its range of motion.
#pragma once

#include <memory>

#include "core/animation.h"
#include "core/shared_state.h"
#include "ui/animation/linkage_figure.h"
#include "ui/toolkit/child_window.h"

class QLineEdit;
class QScrollBar;

namespace fourbar::ui {

class DrawingArea;
class InputBox;
class Timer;

// Demonstrate fills the position tables for the whole cycle of the linkage's sweep and starts two
// timers that alternate: the erase timer erases the figure and advances frameIndex, the draw timer
// draws it at the new index. Range draws sampled positions of the whole cycle on top of each other.
//
// The window keeps the analysis its position tables were built from; a step taken after another
// execute made a new analysis (while the window was hidden) stops both timers instead of reading
// tables that no longer belong to the linkage.
class AnimationWindow : public ChildWindow {
    Q_OBJECT

  public:
    explicit AnimationWindow(SharedState& state, QWidget* parent = nullptr);

    // What a step did at which index; reported through stepTaken().
    enum class Step {
        Draw,    // a draw step drew the whole figure (Demonstrate's first draw included)
        Erase,   // an erase step erased the figure at this index, before advancing
        Redraw,  // Stop drew the moving parts again at this index
        Figure,  // Range drew the figure at this index
    };
    Q_ENUM(Step)

    // Handlers, public so that tests can drive the ticks in a chosen order.
    void onDemonstrateClicked();  // "演示"
    void onStopClicked();         // "停止"
    void onContinueClicked();     // "继续"
    void onRangeClicked();        // "范围"
    void onStepChanged();         // the scroll bar: the frame step
    void onCoefficientFocusReset();
    void eraseStep();  // the erase timer's tick: erase the figure and advance
    void drawStep();   // the draw timer's tick: draw the figure at the new position

    // Read-only state.
    int frameIndex() const { return position_.frameIndex; }  // 16-bit position index
    int frameStep() const { return position_.frameStep; }    // signed; the double rocker negates it
    double scaleCoefficient() const { return scaleCoefficient_; }
    float drawScale() const { return drawScale_; }  // mm of linkage per twip of the client area
    const PositionTables& positionTables() const { return positions_; }
    // True from a Demonstrate until the next Range: Stop and Continue have a position to work on.
    bool hasCurrentPosition() const { return hasPosition_; }
    int drawWidth() const;  // pixels
    DrawingArea* picture() const { return picture_; }
    Timer* eraseTimer() const { return eraseTimer_; }  // "Timer1"
    Timer* drawTimer() const { return drawTimer_; }    // "Timer2"

  signals:
    void stepTaken(fourbar::ui::AnimationWindow::Step step, int frameIndex);

  protected:
    void beforeExit() override;

  private:
    // The coefficient in Text1; 0, and a value that gives no usable scale, become 5.
    double readCoefficient() const;
    // The current analysis when its tables cover the animation; otherwise the analyse-first
    // message and null.
    std::shared_ptr<const Analysis> coveredAnalysis();
    // True while the position tables belong to the current analysis and frameIndex addresses one
    // of their entries.
    bool positionCurrent() const;
    // Stops both timers unless positionCurrent(): a tick then has nothing it may step on.
    bool stopUnlessCurrent();

    void setDrawingScale();
    void drawFigure();
    void redrawOnStop();
    // The window's client size in twips, read again at every drawing as the axes need it.
    int clientWidthTwips() const;
    int clientHeightTwips() const;

    void stopTimers();
    // The picture shows its image again after a draw step; an erase step alone is never shown.
    void holdScreen();
    void showScreen();

    SharedState& state_;
    QWidget* client_ = nullptr;  // the client area, whose size places the axes
    DrawingArea* picture_ = nullptr;
    LinkageFigure figure_;
    InputBox* coefficientBox_ = nullptr;
    QLineEdit* stepBox_ = nullptr;
    QScrollBar* stepBar_ = nullptr;
    Timer* eraseTimer_ = nullptr;
    Timer* drawTimer_ = nullptr;

    double scaleCoefficient_ = 0;
    float drawScale_ = 0;
    FramePosition position_;
    PositionTables positions_;
    // The analysis the position tables were built from, and the sweep they were built for.
    std::shared_ptr<const Analysis> built_;
    Sweep sweep_ = Sweep::FullTurn;
    bool hasPosition_ = false;
};

}  // namespace fourbar::ui
