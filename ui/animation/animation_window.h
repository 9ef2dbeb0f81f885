// The animation window: the moving linkage, its animation controls and its range of motion.
#pragma once

#include <QWidget>

#include "core/linkage.h"
#include "core/shared_state.h"
#include "ui/animation/linkage_figure.h"
#include "ui/animation/position_tables.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace fourbar::ui {

class DrawingArea;
class InputBox;
class Timer;

// Demonstrate fills the position tables for the whole cycle of the linkage's kind and starts two
// timers that alternate: Timer1 erases the figure and advances frameIndex, Timer2 draws it at the
// new index. Range draws sampled positions of the whole cycle on top of each other.
//
// The window remembers the kind and index range its position tables were built for; a step whose
// linkage no longer has them (a new analysis while the window was hidden) stops both timers
// instead of reading outside the tables.
class AnimationWindow : public QWidget {
    Q_OBJECT

  public:
    explicit AnimationWindow(SharedState& state, QWidget* parent = nullptr);

    // What a step did at which index; reported through stepTaken().
    enum class Step {
        Draw,    // a draw procedure drew the whole figure (Demonstrate's first draw included)
        Erase,   // an erase procedure erased the figure at this index, before advancing
        Redraw,  // Stop drew the moving parts again at this index
        Figure,  // Range drew the figure at this index
    };
    Q_ENUM(Step)

    // Event handlers, public so that tests can drive the ticks in a chosen order.
    void onCommand1Clicked();  // "演示": Demonstrate
    void onCommand2Clicked();  // "停止": Stop
    void onCommand3Clicked();  // "继续": Continue
    void onCommand4Clicked();  // "范围": Range
    void onCommand5Clicked();  // "退出": Exit
    void onHScroll1Changed(int value);
    void onText1FocusReset();
    void onTimer1Tick();  // the erase procedure of the kind
    void onTimer2Tick();  // the draw procedure of the kind

    // Read-only state.
    int frameIndex() const { return frameIndex_; }  // 16-bit position index
    int frameStep() const { return frameStep_; }    // signed; the double rocker negates it
    double scaleCoefficient() const { return scaleCoefficient_; }
    float drawScale() const { return drawScale_; }  // mm of linkage per twip of the client area
    const PositionTables& positionTables() const { return positions_; }
    // True from a Demonstrate until the next Range: Stop and Continue have a position to work on.
    bool hasCurrentPosition() const { return hasPosition_; }
    int drawWidth() const;  // pixels
    DrawingArea* picture() const { return picture_; }
    Timer* timer1() const { return timer1_; }
    Timer* timer2() const { return timer2_; }

  signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();
    void stepTaken(fourbar::ui::AnimationWindow::Step step, int frameIndex);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWidgets();

    // The coefficient in Text1; 0, and a value that gives no usable scale, become 5.
    double readCoefficient() const;
    // Refuses with the analyse-first message unless the result tables cover the kind's range.
    bool tablesCoverKind(MechanismKind kind);
    // True while the position tables belong to the current analysis and frameIndex addresses one
    // of their entries.
    bool positionCurrent() const;
    MechanismKind currentKind() const;
    // Stops both timers unless positionCurrent(): a tick then has nothing it may step on.
    bool stopUnlessCurrent();

    void setDrawingScale();
    void storePosition(int i, double theta1, double theta3);

    void dongtai1();
    void demonstrate1();
    void rocrankdemo1();
    void dongtai2();
    void demonstrate2();
    void rocrankdemo2();
    // The kind's draw procedure, or its erase procedure.
    void runProcedure(MechanismKind kind, bool draw);
    void drawFigure(bool withAxes);
    void eraseFigure(bool withPivots);
    void redrawOnStop();

    static void restartTimer(Timer* timer, int milliseconds);
    void stopTimers();
    // The picture shows its image again after a draw step; an erase step alone is never shown.
    void holdScreen();
    void showScreen();

    SharedState& state_;
    DrawingArea* picture_ = nullptr;
    LinkageFigure figure_;
    InputBox* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    Timer* timer1_ = nullptr;
    Timer* timer2_ = nullptr;

    double scaleCoefficient_ = 0;
    float drawScale_ = 0;
    int frameIndex_ = 0;
    int frameStep_ = 0;
    PositionTables positions_;
    // The analysis the position tables were built from.
    std::shared_ptr<const Analysis> built_;
    bool hasPosition_ = false;
};

}  // namespace fourbar::ui
