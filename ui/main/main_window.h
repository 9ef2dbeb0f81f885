// The main window: input panel, output panel, schematic, presets, execute and the show commands.
#pragma once

#include <QMainWindow>
#include <array>

#include "core/shared_state.h"

class QLineEdit;

namespace fourbar::ui {

class InputBox;
class DrawingArea;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(SharedState& state, QWidget* parent = nullptr);

  signals:
    // The show commands; the application hides this window and shows the target.
    void diagramsRequested();             // "运动线图", "速度图", "加速度图"
    void displacementDiagramRequested();  // "位移图": show the diagrams and draw the angle curve
    void tableRequested();                // "数据显示", "打印"
    void animationRequested();  // "动态  演示", "低速", "中速", "高速", "范围"
    // The user closed this window: the program ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // A command of a button or menu item: a handler below or one of the show signals.
    using Command = void (MainWindow::*)();

    // The widgets at their twip positions, the buttons' commands and the tab order.
    void createWidgets(QWidget* client);
    void drawSchematic();
    void createMenus();

    // Button and menu item of each pair share one handler.
    void onCommand1Clicked();  // confirm ("确 定", affirm)
    void onCommand2Clicked();  // cancel ("取 消", delete)
    void onCommand7Clicked();  // execute ("执行", opration)
    void onCommand8Clicked();  // clear the output ("清除", clear)
    void onClear1Clicked();    // erase the window's own drawing surface (clear1, clear2)
    void onPresetClicked(std::size_t preset);  // index into the preset table, "运动模式" menu
    void onInputFocusReset(std::size_t box);   // Text1..Text6 gained the focus: the field is 0

    SharedState& state_;
    std::array<InputBox*, 6> inputs_{};    // Text1..Text6: L1, L2, L3, L4, n, M
    std::array<QLineEdit*, 7> outputs_{};  // Text8..Text14
    DrawingArea* picture1_ = nullptr;      // the schematic
};

}  // namespace fourbar::ui
