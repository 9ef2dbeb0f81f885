// The main window: input panel, output panel, schematic, presets, execute and the show commands.
#pragma once

#include <QMainWindow>
#include <QStringList>
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

    // Button and menu item of each pair share one handler.
    void onConfirmClicked();  // "确 定", affirm: reads the six boxes into the inputs
    void onCancelClicked();   // "取 消", delete: empties the boxes, keeps what was stored
    void onExecuteClicked();  // "执行", opration: classifies, analyses, fills the output boxes
    void onClearOutputClicked();  // "清除", clear: empties the output boxes, resets the maxima
    void onEraseClientClicked();  // clear1, clear2: erases the window's own drawing surface
    void onPresetClicked(std::size_t preset);  // index into the preset table, "运动模式" menu
    void onInputFocusReset(std::size_t box);   // Text1..Text6 gained the focus: the field is 0
    // "连杆点轨迹...": the modal dialog that sets or removes the coupler point.
    void onCouplerPointClicked();
    // "导出报告(PDF)...": the report of the last analysis, with the coupler point when one is set,
    // into a PDF file the user names.
    void onExportReportClicked();

    // Writes `texts` into Text1, Text2, … in order, as a preset does: the boxes beyond the list
    // keep their texts, and nothing is stored until the user confirms.
    void showInputTexts(const QStringList& texts);

  signals:
    // The show commands; the application hides this window and shows the target.
    void diagramsRequested();             // "运动线图", "速度图", "加速度图"
    void displacementDiagramRequested();  // "位移图": show the diagrams and draw the angle curve
    void tableRequested();                // "数据显示", "打印"
    void animationRequested();  // "动态  演示", "低速", "中速", "高速", "范围"
    void designRequested();     // "按行程速比系数设计..."
    // The user closed this window: the program ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // A command of a button or menu item: a handler above or one of the show signals.
    using Command = void (MainWindow::*)();

    // The widgets at their twip positions, the buttons' commands and the tab order.
    void createWidgets(QWidget* client);
    void drawSchematic();
    void createMenus();

    SharedState& state_;
    std::array<InputBox*, 6> inputs_{};    // Text1..Text6: L1, L2, L3, L4, n, M
    std::array<QLineEdit*, 7> outputs_{};  // Text8..Text14
    DrawingArea* schematic_ = nullptr;     // Picture1
};

}  // namespace fourbar::ui
