// The data table window: the computed values listed as text over a chosen range and interval.
#pragma once

#include <QWidget>

#include "core/shared_state.h"

namespace fourbar::ui {

class TableWindow : public QWidget {
    Q_OBJECT

public:
    explicit TableWindow(SharedState& state, QWidget* parent = nullptr);

signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SharedState& state_;
};

}  // namespace fourbar::ui
