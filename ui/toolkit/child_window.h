// A window opened from the main window, which its exit button and its close box both leave.
#pragma once

#include <QWidget>

namespace fourbar::ui {

// The window lives on after leaving and is only hidden, so that it keeps its drawings and state
// for the next time it is shown.
class ChildWindow : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    // "退出" and the title bar's close box: the window's own clean-up, then it hides itself and
    // asks for the main window.
    void exitWindow();

  signals:
    void exitRequested();

  protected:
    // What the window does before it hides: stop its timers, empty its listing.
    virtual void beforeExit() {}
    void closeEvent(QCloseEvent* event) override;
    // Every opening, not only the first, gives the focus to the first stop of the tab order, so
    // that the button that left the window last time does not take the next Space.
    void showEvent(QShowEvent* event) override;
};

}  // namespace fourbar::ui
