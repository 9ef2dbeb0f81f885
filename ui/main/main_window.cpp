// The main window: its widgets at their twip positions, the menu bar, the schematic and the
// commands.
#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <string>
#include <utility>
#include <vector>

#include "core/lenient_number.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/report_model.h"
#include "ui/main/coupler_dialog.h"
#include "ui/report/headless_report.h"
#include "ui/report/report_renderer.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/save_file.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

constexpr int kClientWidthTwips = 7365;
constexpr int kClientHeightTwips = 4905;

struct Segment {
    int x1, y1, x2, y2;  // twips inside Picture1
};

// Frame link, crank, coupler and rocker, then the ground hatching under the frame (Line1..Line10).
constexpr std::array<Segment, 10> kSchematicLines{{
    {420, 1200, 2100, 1200},
    {420, 1200, 240, 600},
    {240, 600, 1380, 180},
    {1380, 180, 2100, 1200},
    {840, 1200, 720, 1320},
    {960, 1200, 840, 1320},
    {1080, 1200, 960, 1320},
    {1200, 1200, 1080, 1320},
    {1320, 1200, 1200, 1320},
    {1440, 1200, 1320, 1320},
}};

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The style of the window's menu bar: its captions closer together than the style puts them (each
// keeps its own padding), so that the seven menus keep one row even where a small screen leaves
// the window narrower than its client area (400 pixels at 200 % of an 800-pixel screen).
class CompactMenuBarStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_MenuBarItemSpacing:
                return 2;
            case PM_MenuBarHMargin:
                return 3;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// The input boxes in the order of kInputFields, and the output boxes in the order of kOutputPanel.
constexpr const char* kInputNames[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
constexpr const char* kOutputNames[] = {"Text8",  "Text9",  "Text10", "Text11",
                                        "Text12", "Text13", "Text14"};

constexpr FontSpec kTnr825{DesignFont::TimesNewRoman, 8.25};
constexpr FontSpec kTnr975{DesignFont::TimesNewRoman, 9.75};
constexpr FontSpec kTnr12{DesignFont::TimesNewRoman, 12};

// Every widget of the window, parents before their children; the labels, frames and the picture
// take no place in the tab order.
// clang-format off
constexpr WidgetSpec<MainWindow> kWidgets[] = {
    // Input panel.
    {WidgetKind::Frame, "Frame1", " 请输入已知条件   ", {180, 1620, 3015, 3135}, {DesignFont::MsSansSerif, 8.25}, 0, nullptr, nullptr},
    {WidgetKind::Label, "Label1", "L1(mm):", {60, 360, 855, 315}, {DesignFont::MsSansSerif, 9.75}, 0, nullptr, "Frame1"},
    {WidgetKind::Input, "Text1", "", {900, 300, 675, 360}, kTnr825, 1, nullptr, "Frame1"},
    {WidgetKind::OneLineLabel, "Label2", "L2(mm):", {120, 900, 675, 375}, kTnr975, 0, nullptr, "Frame1"},
    {WidgetKind::Input, "Text2", "", {900, 840, 675, 375}, kTnr825, 2, nullptr, "Frame1"},
    {WidgetKind::Label, "Label4", "L3(mm):", {60, 1440, 795, 315}, kTnr975, 0, nullptr, "Frame1"},
    {WidgetKind::Input, "Text3", "", {900, 1380, 675, 375}, kTnr825, 3, nullptr, "Frame1"},
    {WidgetKind::Label, "Label5", "L4(mm):", {60, 2040, 795, 375}, kTnr975, 0, nullptr, "Frame1"},
    {WidgetKind::Input, "Text4", "", {900, 1980, 675, 375}, kTnr825, 4, nullptr, "Frame1"},
    {WidgetKind::OneLineLabel, "Label6", "n(r/min):", {120, 2640, 675, 375}, kTnr975, 0, nullptr, "Frame1"},
    {WidgetKind::Input, "Text5", "", {900, 2580, 675, 375}, kTnr825, 5, nullptr, "Frame1"},
    {WidgetKind::Label, "Label7", " M (装配型式)", {1620, 360, 1335, 375}, kTnr975, 0, nullptr, "Frame1"},
    {WidgetKind::Input, "Text6", "", {1920, 780, 735, 375}, kTnr975, 6, nullptr, "Frame1"},
    {WidgetKind::Button, "Command1", "确 定", {1920, 1620, 795, 375}, kTnr12, 7, &MainWindow::onConfirmClicked, "Frame1"},
    {WidgetKind::Button, "Command2", "取 消", {1920, 2460, 795, 375}, kTnr12, 8, &MainWindow::onCancelClicked, "Frame1"},
    // Shows nothing and does nothing, kept as the layout has it: one pixel high, so its caption
    // never shows; the window's own font.
    {WidgetKind::Label, "Label3", "Label3", {180, 1680, 375, 15}, {DesignFont::Arial, 6}, 0, nullptr, "Frame1"},
    // The schematic; Label12 is one character wide, so its caption stacks one character per line.
    {WidgetKind::Label, "Label12", "机构简图", {360, 300, 255, 1035}, kTnr975, 0, nullptr, nullptr},
    {WidgetKind::Picture, "Picture1", "", {660, 180, 2475, 1395}, kTnr825, 0, nullptr, nullptr},
    {WidgetKind::Label, "Label8", "L1", {60, 840, 255, 315}, kTnr825, 0, nullptr, "Picture1"},
    {WidgetKind::Label, "Label9", "L2", {600, 120, 315, 255}, kTnr825, 0, nullptr, "Picture1"},
    {WidgetKind::Label, "Label10", "L3", {1800, 420, 255, 315}, kTnr825, 0, nullptr, "Picture1"},
    {WidgetKind::Label, "Label11", "L4", {1080, 900, 375, 255}, kTnr825, 0, nullptr, "Picture1"},
    // The show commands.
    {WidgetKind::Frame, "Frame2", "运动规律显示", {3480, 180, 2355, 915}, kTnr825, 0, nullptr, nullptr},
    {WidgetKind::Button, "Command3", "运动线图", {120, 300, 1095, 375}, kTnr975, 9, &MainWindow::diagramsRequested, "Frame2"},
    {WidgetKind::Button, "Command4", "数据显示", {1440, 180, 675, 615}, kTnr975, 10, &MainWindow::tableRequested, "Frame2"},
    {WidgetKind::Frame, "Frame3", "动态演示", {6180, 180, 855, 915}, kTnr825, 0, nullptr, nullptr},
    {WidgetKind::Button, "Command6", "动态  演示", {180, 180, 495, 615}, kTnr825, 11, &MainWindow::animationRequested, "Frame3"},
    // Output panel.
    {WidgetKind::Frame, "Frame4", "主要运动参数输出", {3360, 1260, 3795, 3495}, kTnr825, 0, nullptr, nullptr},
    {WidgetKind::Label, "Label13", kOutputPanel[0].caption.data(), {180, 300, 1215, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text8", "", {1860, 240, 1695, 360}, kTnr975, 12, nullptr, "Frame4"},
    {WidgetKind::Label, "Label14", kOutputPanel[1].caption.data(), {180, 720, 1455, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text9", "", {1860, 660, 1095, 360}, kTnr975, 13, nullptr, "Frame4"},
    {WidgetKind::Label, "Label15", kOutputPanel[2].caption.data(), {120, 1140, 1575, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text10", "", {1860, 1080, 1095, 375}, kTnr975, 14, nullptr, "Frame4"},
    {WidgetKind::Label, "Label16", kOutputPanel[3].caption.data(), {120, 1620, 1335, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text11", "", {1860, 1560, 1095, 360}, kTnr975, 15, nullptr, "Frame4"},
    {WidgetKind::Label, "Label17", kOutputPanel[4].caption.data(), {120, 2100, 1575, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text12", "", {1860, 2040, 1095, 375}, kTnr975, 16, nullptr, "Frame4"},
    {WidgetKind::Label, "Label18", kOutputPanel[5].caption.data(), {120, 2580, 1515, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text13", "", {1860, 2580, 1095, 375}, kTnr975, 17, nullptr, "Frame4"},
    {WidgetKind::Label, "Label19", kOutputPanel[6].caption.data(), {60, 3060, 1875, 315}, kTnr975, 0, nullptr, "Frame4"},
    {WidgetKind::Output, "Text14", "", {1860, 3060, 1095, 360}, kTnr975, 18, nullptr, "Frame4"},
    {WidgetKind::Button, "Command7", "执行", {3240, 960, 375, 795}, kTnr12, 19, &MainWindow::onExecuteClicked, "Frame4"},
    {WidgetKind::Button, "Command8", "清除", {3240, 2280, 375, 795}, kTnr12, 20, &MainWindow::onClearOutputClicked, "Frame4"},
};
// clang-format on

}  // namespace

MainWindow::MainWindow(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    // The caption is the application title behind one blank. The window takes the size of menu
    // bar plus client area and cannot be resized.
    QWidget* client = setupWindow(this, "Form1", QLatin1Char(' ') + text(messages::appTitle),
                                  kClientWidthTwips, kClientHeightTwips);
    createWidgets(client);
    // The client area's font is the window's own, Arial 6 pt, which no caption that shows uses. Set
    // after the widgets, which have fonts of their own: a frame measures its caption in its
    // parent's font as it is made, and would otherwise load this font before the window shows.
    client->setFont(designFont(DesignFont::Arial, 6));
    drawSchematic();
    createMenus();

    // The running maxima start at 0 before the window is first shown.
    state_.maxima = {};
    // The first widget of the tab order takes the focus when the window opens.
    inputs_[0]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::createWidgets(QWidget* client) {
    buildWidgets<MainWindow>(this, client, kWidgets);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        inputs_[i] = widget<InputBox>(client, kInputNames[i]);
        connect(inputs_[i], &InputBox::focusReset, this, [this, i] { onInputFocusReset(i); });
    }
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        outputs_[i] = widget<QLineEdit>(client, kOutputNames[i]);
    }
    schematic_ = widget<DrawingArea>(client, "Picture1");
    // A fixed picture, not a result: it takes no focus and has no menu.
    schematic_->setFocusPolicy(Qt::NoFocus);
    schematic_->disableMenu();
}

void MainWindow::drawSchematic() {
    // User units are twips, so the segments are drawn at their own coordinates.
    schematic_->setScale(0, 0, schematic_->width() * kTwipsPerPixel,
                         schematic_->height() * kTwipsPerPixel);
    for (const Segment& s : kSchematicLines) {
        schematic_->line(s.x1, s.y1, s.x2, s.y2);
    }
}

void MainWindow::createMenus() {
    struct Item {
        const char* name;
        const char* caption;
        Command command;
    };
    struct Menu {
        const char* name;
        const char* caption;
        std::vector<Item> items;
    };
    const Menu menus[] = {
        {"iuput",
         "输入数据",
         {{"affirm", "确定", &MainWindow::onConfirmClicked},
          {"delete", "删除", &MainWindow::onCancelClicked}}},
        {"analysis",
         "运动分析",
         {{"opration", "执行", &MainWindow::onExecuteClicked},
          {"prin", "打印", &MainWindow::tableRequested},
          {"clear", "清除", &MainWindow::onClearOutputClicked}}},
        {"display",
         "运动显示",
         {{"transfer", "位移图", &MainWindow::displacementDiagramRequested},
          {"velocity", "速度图", &MainWindow::diagramsRequested},
          {"accelerlation", "加速度图", &MainWindow::diagramsRequested},
          {"clear2", "清除", &MainWindow::onEraseClientClicked}}},
        {"dplay",
         "动态显示",
         {{"low", "低速", &MainWindow::animationRequested},
          {"middle", "中速", &MainWindow::animationRequested},
          {"high", "高速", &MainWindow::animationRequested},
          {"boundary", "范围", &MainWindow::animationRequested},
          {"clear1", "清除", &MainWindow::onEraseClientClicked}}},
        {"modle", "运动模式", {}},  // the presets, below
        {"designMenu",
         "机构设计",
         {{"designByRatio", "按行程速比系数设计...", &MainWindow::designRequested},
          {"couplerPoint", "连杆点轨迹...", &MainWindow::onCouplerPointClicked}}},
        {"reportMenu",
         "报告",
         {{"exportReport", "导出报告(PDF)...", &MainWindow::onExportReportClicked}}},
    };
    auto addItem = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(text(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto* style = new CompactMenuBarStyle;
    style->setParent(menuBar());  // goes with the menu bar, which alone uses it
    menuBar()->setStyle(style);
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(text(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        for (const Item& item : m.items) {
            connect(addItem(menu, item.name, item.caption), &QAction::triggered, this,
                    item.command);
        }
        if (std::string_view(m.name) == "modle") {
            for (std::size_t i = 0; i < kPresets.size(); ++i) {
                connect(addItem(menu, kPresets[i].objectName.data(), kPresets[i].caption.data()),
                        &QAction::triggered, this, [this, i] { onPresetClicked(i); });
            }
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

void MainWindow::onConfirmClicked() {
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        state_.inputs.*kInputFields[i] = readNumber(inputs_[i]->text().toStdString());
    }
}

void MainWindow::onCancelClicked() {
    for (InputBox* box : inputs_) {
        box->clear();
    }
}

void MainWindow::onExecuteClicked() {
    const ExecuteOutputs outputs = executeAnalysis(state_);
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        const OutputField& field = outputs.*kOutputPanel[i].field;
        if (field.written) {
            outputs_[i]->setText(text(field.text));
            // Long numbers show their leading digits, not their tail.
            outputs_[i]->setCursorPosition(0);
        }
    }
    // The program goes on after every message: the user corrects the inputs and executes again.
    if (outputs.message != ExecuteMessage::None) {
        showMessage(this, executeMessageText(outputs.message));
    }
}

void MainWindow::onClearOutputClicked() {
    for (QLineEdit* box : outputs_) {
        box->clear();
    }
    state_.maxima = {};
}

void MainWindow::onEraseClientClicked() {
    // clear1 and clear2 are kept as the menus have them, though nothing changes: nothing is ever
    // drawn on the client area itself, so erasing it is a repaint of the background; the widgets
    // and the schematic are untouched.
    centralWidget()->update();
}

void MainWindow::onPresetClicked(std::size_t preset) {
    const LinkageState& numbers = kPresets[preset].inputs;
    QStringList texts;
    for (const auto field : kInputFields) {
        texts << text(inputNumberText(numbers.*field));
    }
    showInputTexts(texts);
}

void MainWindow::showInputTexts(const QStringList& texts) {
    for (std::size_t i = 0; i < inputs_.size() && i < static_cast<std::size_t>(texts.size()); ++i) {
        inputs_[i]->setText(texts[static_cast<qsizetype>(i)]);
    }
}

void MainWindow::onCouplerPointClicked() {
    CouplerDialog dialog(state_.couplerPoint, this);
    dialog.exec();
}

void MainWindow::onExportReportClicked() {
    // The report belongs to the analysis the last execute ran, whatever the boxes show now.
    const std::shared_ptr<const Analysis> analysis = state_.analysis;
    if (analysis == nullptr) {
        showMessage(this, messages::analyseFirst);
        return;
    }
    // A run that could not close the loop left no rows: it was refused with this message.
    if (analysis->tables.empty()) {
        showMessage(this, messages::runFailed);
        return;
    }
    const QString fileName =
        askSaveFileName(this, QStringLiteral("导出报告"), QStringLiteral("PDF 文件 (*.pdf)"),
                        QStringLiteral("pdf"), QStringLiteral("四杆机构分析报告.pdf"));
    if (fileName.isEmpty()) {
        return;
    }
    std::optional<CouplerOverlay> overlay;
    if (state_.couplerPoint) {
        overlay = couplerOverlay(*analysis, *state_.couplerPoint);
    }
    const ReportModel report = buildReport(*analysis, panelLines(analysis->outputs),
                                           reportDate(reportDay()).toStdString(), overlay);
    writeFileReporting(this, fileName, reportPdf(report));
}

void MainWindow::onInputFocusReset(std::size_t box) {
    state_.inputs.*kInputFields[box] = 0;
}

}  // namespace fourbar::ui
