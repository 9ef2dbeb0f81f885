// The client area of a top-level window, which scrolls where the window would not fit its screen.
#pragma once

#include <QScrollArea>

namespace fourbar::ui {

// Holds the window's client widget, a widget of the laid-out client size on which the window's
// widgets are placed, and takes the window's whole client area (a QMainWindow's central widget,
// below its menu bar). The window's size is fixed: where it fits the available area of its screen,
// less the window frame, its client area is the client widget's size exactly; otherwise the window
// takes that area, and scroll bars reach the rest of the client widget. Each showing of the window
// and each move to another screen fit it again.
class ClientArea : public QScrollArea {
    Q_OBJECT

  public:
    // `client` keeps its fixed size; `window` gets a layout if it has none.
    ClientArea(QWidget* window, QWidget* client);

    QSize sizeHint() const override;
    // Fits the window into `room`, the size (logical pixels) the window may take inside its frame.
    void fitTo(QSize room);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitToScreen();

    QWidget* window_;
    QSize hint_;  // the size this area asks of the window's layout
};

}  // namespace fourbar::ui
