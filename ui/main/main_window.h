// The main window: input panel, output panel, schematic, presets, execute and the show commands.
#pragma once

#include <QMainWindow>

#include "core/shared_state.h"

namespace fourbar::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(SharedState& state, QWidget* parent = nullptr);

signals:
    // The show commands; the application hides this window and shows the target.
    void diagramsRequested();             // "运动线图", "速度图", "加速度图"
    void displacementDiagramRequested();  // "位移图": show the diagrams and draw the angle curve
    void tableRequested();                // "数据显示", "打印"
    void animationRequested();            // "动态  演示", "低速", "中速", "高速", "范围"

private:
    SharedState& state_;
};

}  // namespace fourbar::ui
