// The application object: owns the shared state and the windows, and carries out the show and
// hide commands between them.
#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

#include "core/shared_state.h"

namespace fourbar::ui {

class MainWindow;
class DiagramsWindow;
class TableWindow;
class AnimationWindow;
class DesignWindow;

class Application : public QObject {
    Q_OBJECT

  public:
    // Sets up the program in the running Qt application (setUpProgram: settings names, Qt's
    // Chinese texts; the message boxes' title), creates the main window and shows it. The other
    // windows are created when first shown.
    Application();
    ~Application() override;

    SharedState& state() { return state_; }
    MainWindow& mainWindow() { return *main_; }
    // nullptr until the window has been shown once.
    DiagramsWindow* diagramsWindow() const { return diagrams_.get(); }
    TableWindow* tableWindow() const { return table_.get(); }
    AnimationWindow* animationWindow() const { return animation_.get(); }
    DesignWindow* designWindow() const { return design_.get(); }

  public slots:
    // Each hides the main window, then shows its target (creating it the first time). Every
    // window the application can show has its show slot here, named show…: tests that walk all
    // the windows call them all.
    void showDiagrams();
    void showDisplacementDiagram();
    void showTable();
    void showAnimation();
    // "按行程速比系数设计...": the design window, whose "应用" writes into the main window's boxes.
    void showDesign();
    // Shows the main window again after another window hid itself.
    void showMain();

  private:
    // Hides the main window, then shows `target` and makes it the active window.
    void switchTo(QWidget& target);
    // Closing the main window, or a quit request of the platform while any window is shown, ends
    // the program: every window is hidden and the event loop ends.
    void endProgram();
    bool eventFilter(QObject* watched, QEvent* event) override;

    SharedState state_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<DiagramsWindow> diagrams_;
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<AnimationWindow> animation_;
    std::unique_ptr<DesignWindow> design_;
};

}  // namespace fourbar::ui
